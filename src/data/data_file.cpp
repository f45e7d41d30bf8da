#include "data/data_file.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <vector>

#ifndef ROOFCALC_INSTALL_DATADIR
#define ROOFCALC_INSTALL_DATADIR "/usr/local/share/roofcalc"
#endif

namespace roofcalc {

namespace fs = std::filesystem;

namespace {

bool isRegularFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

fs::path executableDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : exe.parent_path();
}

}  // namespace

std::optional<fs::path> findDataFile(const std::string& name) {
  std::vector<fs::path> candidates{fs::path(name)};
  // Tests of a missing file must not find the installed copy.
  const char* cwdOnly = std::getenv("ROOFCALC_CWD_DATA_ONLY");
  if (cwdOnly && *cwdOnly && *cwdOnly != '0') return isRegularFile(name) ? candidates.front()
                                                                         : std::optional<fs::path>();
  if (fs::path dir = executableDir(); !dir.empty()) {
    candidates.push_back(dir / name);
    candidates.push_back(dir.parent_path() / "share" / "roofcalc" / name);
  }
  candidates.push_back(fs::path(ROOFCALC_INSTALL_DATADIR) / name);
  for (const auto& c : candidates)
    if (isRegularFile(c)) return c;
  return std::nullopt;
}

std::optional<std::string> readDataFile(const std::string& name) {
  auto path = findDataFile(name);
  if (!path) return std::nullopt;
  std::FILE* f = std::fopen(path->c_str(), "rb");
  if (!f) return std::nullopt;
  std::string bytes;
  char buf[65536];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, got);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return bytes;
}

}  // namespace roofcalc
