#pragma once
// The vapour barrier quantity: film for the roof on the slope, a strip along the perimeter as
// high as the insulation is thick, the roll overlaps and a reserve. Pure functions of the
// inputs.

#include <string_view>

#include "frame/report_lines.h"

namespace roofcalc {

struct VapourBarrierInput {
  double W = 0;      // roof width, m
  double L = 0;      // roof length, m (the sloping direction)
  double phi = 0;    // slope, degrees
  double H = 0;      // overlap between rolls, cm
  double delta = 0;  // insulation thickness, mm
  double a = 0;      // roll length, m
  double b = 0;      // roll width, m
  double R = 0;      // reserve, %
};

struct VapourBarrierResult {
  double Sk = 0;  // roof area on the slope, m2
  double Pk = 0;  // roof perimeter, m
  double Sp = 0;  // perimeter strip, m2
  double Z = 0;   // overlap area per unit of film area
  double K = 0;   // film taken by the overlaps, m2
  double Q0 = 0;  // total without reserve, m2
  double Q = 0;   // total with reserve, m2
};

// Throws FloatFaultError: a zero roll length or width divides by zero (0/0 when the overlap
// term is zero as well), absurd sizes overflow.
VapourBarrierResult ComputeVapourBarrier(const VapourBarrierInput& in);

// The 23 report lines, or a throw (overflow) before any line exists.
ReportLines VapourBarrierReportLines(const VapourBarrierInput& in, const VapourBarrierResult& r,
                                     std::string_view separator);

}  // namespace roofcalc
