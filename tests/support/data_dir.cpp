#include "support/data_dir.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace roofcalc::check {

namespace fs = std::filesystem;

DataDir::DataDir(Contents contents) : previous_(fs::current_path()) {
  // Only this folder counts: an installed copy must not stand in for a missing or hostile file.
  setenv("ROOFCALC_CWD_DATA_ONLY", "1", 1);
  std::string pattern = (fs::temp_directory_path() / "roofcalc-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  dir_ = pattern;
  if (contents == kShippedData)
    for (const auto& entry : fs::directory_iterator(ROOFCALC_SHARE_DIR))
      if (entry.path().extension() == ".txt")
        fs::copy_file(entry.path(), dir_ / entry.path().filename());
  fs::current_path(dir_);
}

DataDir::~DataDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  fs::remove_all(dir_, ec);
}

void DataDir::write(const std::string& name, std::string_view bytes) const {
  std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + name);
}

}  // namespace roofcalc::check
