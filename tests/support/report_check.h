#pragma once
// Checks that hold for every report line of every calculation, shared by the tests and the
// fuzzers: no infinity or NaN ever shows, and each number is written exactly as FloatToStr
// writes it.

#include <string>
#include <string_view>
#include <vector>

namespace roofcalc::check {

// "inf" or "nan" in any letter case, as a word of its own (not inside a Latin word).
bool hasNonFiniteWord(std::string_view text);

// The numbers of a line that FloatToStr would have written differently ("05", "1,50",
// "1E+20"). Runs of digits that belong to fixed designations ("2.01.07-85", "п.6.5", "G1") are
// not numbers of the report and are skipped.
std::vector<std::string> misformattedNumbers(std::string_view line, std::string_view separator);

// Everything wrong with one report: empty lines (a blank line is " "), non-finite words,
// misformatted numbers, bytes that are not UTF-8. Empty when the report is sound. Reports that
// copy field texts unconverted (the thermal layers) name those texts in copiedTexts.
std::vector<std::string> reportProblems(const std::vector<std::string>& lines,
                                        std::string_view separator,
                                        const std::vector<std::string>& copiedTexts = {});

}  // namespace roofcalc::check
