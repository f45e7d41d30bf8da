#pragma once
// roofcalc-cli as a function: arguments in, exit status out, so that tests and the fuzzer
// drive it without a process.
//
//   roofcalc-cli CALC [NAME=VALUE ...] [--state] [--encoding=utf-8|cp1251]

#include <string>
#include <vector>

namespace roofcalc::cli {

enum ExitStatus { kOk = 0, kCalculationFailed = 1, kUsageError = 2 };

struct CliOutput {
  std::string out;  // bytes for stdout, already in the chosen encoding
  std::string err;  // bytes for stderr
};

int runCli(const std::vector<std::string>& args, const std::string& separator, CliOutput& output);

}  // namespace roofcalc::cli
