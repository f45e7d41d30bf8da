#pragma once
// ReportLines: the report of one calculation, one UTF-8 string per line, exactly as shown in
// the result memo and printed. A blank line is a single space.

#include <string>
#include <vector>

namespace roofcalc {

using ReportLines = std::vector<std::string>;

inline const char* const kNoReportYet = "нет ничего";
inline const char* const kBlankLine = " ";

}  // namespace roofcalc
