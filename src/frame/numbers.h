#pragma once
// How field texts become numbers and numbers become report text. The decimal separator is a
// parameter (the user's numeric locale; "," under the Russian settings) and is never taken
// from the C library, whose number functions Qt makes locale-dependent.

#include <string>
#include <string_view>

namespace roofcalc {

// Text to double: leading/trailing spaces (code 32 only), optional sign, digits, optional
// separator and digits, optional exponent. Throws CalcError
// "'<text>' is not a valid floating point value." or the overflow fault for values beyond double.
double StrToFloat(std::string_view text, std::string_view separator);

// The same syntax, rounded directly to single precision (values the data-file readers keep).
float StrToSingle(std::string_view text, std::string_view separator);

// Text to a 32-bit integer: leading spaces, optional sign, at least one digit, nothing after.
// Throws CalcError "'<text>' is not a valid integer value.".
int StrToInt(std::string_view text);

// The conversion failure text of a field, full stop included.
std::string notAFloatMessage(std::string_view text);

// Double to text: 15 significant digits, a half rounds away from zero, fixed notation for
// decimal exponents -3..15 and scientific ("1E-5", "1,5E20") outside, "-0" written 0.
std::string FloatToStr(double value, std::string_view separator);

// ceil(x * 100) * 0.01: the product rounded to double before the ceiling, the 0.01 a double,
// the multiplication in extended precision. Shows at most two decimals, rounded up.
double RoundUpHundredths(double x);

// ceil(x): the final counts of a report.
double RoundUpWhole(double x);

// ceil(x * 100) with the product rounded to double: a spacing in metres as whole centimetres.
double RoundUpCentimetres(double x);

}  // namespace roofcalc
