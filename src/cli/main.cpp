// roofcalc-cli: the calculations of the desktop program without a window, for batch use and
// for checking reports. See cli/cli_run.h for the command line.

#include <QLocale>
#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // The decimal separator of the user's numeric locale, as the windows use it.
  const std::string separator = QLocale::system().decimalPoint().toStdString();
  roofcalc::cli::CliOutput output;
  const int status = roofcalc::cli::runCli(args, separator.empty() ? "." : separator, output);
  std::fwrite(output.out.data(), 1, output.out.size(), stdout);
  std::fwrite(output.err.data(), 1, output.err.size(), stderr);
  return status;
}
