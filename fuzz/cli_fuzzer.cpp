// roofcalc-cli's command line: the input is the argument list, one argument a line. It runs in
// a folder that holds the shipped data files, as a user runs it there. Whatever the arguments,
// the exit status is 0, 1 or 2, a failure prints no report, and no infinity or NaN (nor a
// number written otherwise than FloatToStr writes it) reaches stdout unless the user typed it.
//
// With ROOFCALC_FUZZ_PREPARE=DIR it instead writes DIR/dict.txt (calculation, control and
// option names) and DIR/seeds/ (each calculation with its controls at their defaults), from the
// calculations registered for roofcalc-cli, and exits; scripts/fuzz passes both to the run.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calculations.h"
#include "cli/cli_run.h"
#include "frame/text_encoding.h"
#include "fuzz_check.h"
#include "support/report_check.h"

namespace fs = std::filesystem;
using namespace roofcalc;

namespace {

// The actions that put a freshly created window of this calculation into the state it has.
std::vector<std::string> defaultActions(const CalcForm& form) {
  std::vector<std::string> actions;
  for (const auto& c : form.state().controls()) {
    if (!c.enabled || !c.visible) continue;
    switch (c.kind) {
      case ControlKind::Edit:
        actions.push_back(c.name + "=" + c.text);
        break;
      case ControlKind::ComboBox:
      case ControlKind::RadioGroup:
        if (c.index >= 0) actions.push_back(c.name + "=" + std::to_string(c.index));
        break;
      case ControlKind::RadioButton:
        if (c.checked) actions.push_back(c.name + "=1");
        break;
      case ControlKind::Memo:
        break;
    }
  }
  return actions;
}

void prepare(const fs::path& dir) {
  fs::create_directories(dir / "seeds");
  std::set<std::string> words{"--state",
                              "--encoding=cp1251",
                              "--encoding=utf-8",
                              "--help",
                              "=",
                              ",",
                              "1E400",
                              "1E-400",
                              "0",
                              "-1"};
  int n = 0;
  for (const auto& calculation : cli::calculations()) {
    words.insert(calculation.name);
    auto form = calculation.make(",");
    Messages messages;
    form->create(messages);
    for (const auto& c : form->state().controls()) words.insert(c.name + "=");
    std::string seed = calculation.name;
    for (const auto& a : defaultActions(*form)) seed += "\n" + a;
    std::ofstream(dir / "seeds" / ("defaults-" + std::to_string(n++))) << seed;
    std::ofstream(dir / "seeds" / ("state-" + std::to_string(n++)))
        << calculation.name << "\n--state";
  }
  std::ofstream dict(dir / "dict.txt");
  for (const auto& w : words) {
    dict << '"';
    for (unsigned char c : w) {
      if (c == '"' || c == '\\' || c < 0x20 || c >= 0x7F) {
        static const char* hex = "0123456789ABCDEF";
        dict << "\\x" << hex[c >> 4] << hex[c & 15];
      } else {
        dict << c;
      }
    }
    dict << "\"\n";
  }
}

// The data folder the CLI runs in, and the folder to return to: libFuzzer resolves its corpus
// and artifact paths against the starting folder while it runs.
int gDataDir = -1;
int gStartDir = -1;

// The thermal report copies catalogue conductivities as the data file writes them ("0,80").
std::string gCatalogueText;

struct InDataDir {
  InDataDir() { FUZZ_CHECK(fchdir(gDataDir) == 0, "cannot enter the data folder"); }
  ~InDataDir() { FUZZ_CHECK(fchdir(gStartDir) == 0, "cannot return to the start folder"); }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("ROOFCALC_CWD_DATA_ONLY", "1", 1);
  std::string pattern = (fs::temp_directory_path() / "roofcalc-cli-fuzz-XXXXXX").string();
  FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr, "no temporary folder");
  static const fs::path dir = pattern;
  for (const auto& entry : fs::directory_iterator(ROOFCALC_SHARE_DIR))
    if (entry.path().extension() == ".txt")
      fs::copy_file(entry.path(), dir / entry.path().filename());
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(dir, ec);
  });
  {
    std::ifstream materials(fs::path(ROOFCALC_SHARE_DIR) / "materials.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(materials)),
                            std::istreambuf_iterator<char>());
    gCatalogueText = decodeDataText(bytes);
  }
  gDataDir = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  gStartDir = open(".", O_RDONLY | O_DIRECTORY);
  FUZZ_CHECK(gDataDir >= 0 && gStartDir >= 0, "cannot open the folders");
  if (const char* out = std::getenv("ROOFCALC_FUZZ_PREPARE")) {
    const fs::path target = fs::absolute(out);
    InDataDir inData;
    prepare(target);
    std::exit(0);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  for (size_t begin = 0; begin < input.size();) {
    size_t end = input.find('\n', begin);
    if (end == std::string_view::npos) end = input.size();
    args.emplace_back(input.substr(begin, end - begin));
    begin = end + 1;
  }

  cli::CliOutput output;
  int status;
  {
    InDataDir inData;
    status = cli::runCli(args, ",", output);
  }
  FUZZ_CHECK(status == 0 || status == 1 || status == 2, "exit status " + std::to_string(status));
  if (status != 0) FUZZ_CHECK(output.out.empty(), "a failure printed on stdout");
  if (status == 1) FUZZ_CHECK(output.err.ends_with(".\n"), "the message has no full stop");

  bool report = status == 0;
  for (const auto& a : args)
    if (a == "--state" || a == "--help" || a == "-h") report = false;
  // A text the user typed may come back as typed (the --state view, a strength in MPa).
  const bool typedNonFinite = check::hasNonFiniteWord(input);
  for (size_t begin = 0; begin < output.out.size();) {
    size_t end = output.out.find('\n', begin);
    if (end == std::string::npos) end = output.out.size();
    const std::string_view line(output.out.data() + begin, end - begin);
    begin = end + 1;
    FUZZ_CHECK(typedNonFinite || !check::hasNonFiniteWord(line), std::string(line));
    if (!report) continue;
    FUZZ_CHECK(!line.empty(), "an empty report line");
    for (const auto& number : check::misformattedNumbers(line, ","))
      FUZZ_CHECK(input.find(number) != std::string_view::npos ||
                     gCatalogueText.find(number) != std::string::npos,
                 "'" + number + "' in: " + std::string(line));
  }
  return 0;
}
