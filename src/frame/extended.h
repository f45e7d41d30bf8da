#pragma once
// Arithmetic of the calculations: every expression is evaluated in x87 extended precision
// (long double on x86-64) and rounded to double only where a named quantity is stored.
// Division and storing are the two places where a fault can arise; they are checked here so
// that no infinity or NaN ever reaches a report.

#include <cmath>
#include <limits>

#include "frame/calc_error.h"

namespace roofcalc {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the reports need x87 extended precision (64-bit mantissa) for long double");

using ext = long double;

// a / b, faulting as the processor would: x/0 is a division by zero, 0/0 an invalid operation.
inline ext fdiv(ext a, ext b) {
  if (b == 0) {
    throw FloatFaultError(a == 0 || std::isnan(a) ? FloatFault::InvalidOperation
                                                  : FloatFault::DivisionByZero);
  }
  ext q = a / b;
  if (std::isinf(q)) throw FloatFaultError(FloatFault::Overflow);
  return q;
}

// Rounds an extended intermediate to the double it is stored in; too large a value overflows.
inline double store(ext v) {
  if (std::isnan(v)) throw FloatFaultError(FloatFault::InvalidOperation);
  double d = static_cast<double>(v);
  if (std::isinf(d)) throw FloatFaultError(FloatFault::Overflow);
  return d;
}

}  // namespace roofcalc
