#pragma once
// The insulation quantity: the volume of insulation boards of one thickness for the roof
// field (skylight openings deducted), the parapets and the skylight upstands, with a reserve.
// Pure functions of the inputs.

#include <string_view>

#include "frame/report_lines.h"

namespace roofcalc {

struct InsulationInput {
  double B = 0;      // roof width, m
  double A = 0;      // roof length, m (the sloping direction)
  double phi = 0;    // slope, degrees
  double H = 0;      // height of the parapet insulation, m
  double delta = 0;  // insulation thickness, mm
  double N = 0;      // number of skylights, used as typed (fractions included)
  double Af = 0;     // skylight width, m
  double Bf = 0;     // skylight length, m
  double Hf = 0;     // skylight upstand height, m
  double Z = 0;      // reserve, %
};

struct InsulationResult {
  double Sk = 0;  // roof field on the slope, m2
  double Sp = 0;  // plan area of the skylights, m2
  double Pf = 0;  // perimeter of the skylights, m
  double Qf = 0;  // skylight upstands, m3
  double Pp = 0;  // roof perimeter along the parapets, m
  double Qp = 0;  // parapets, m3
  double Q0 = 0;  // total without reserve, m3
  double Q = 0;   // total with reserve, m3
};

// Throws FloatFaultError only when a value no longer fits a double (absurd sizes).
InsulationResult ComputeInsulation(const InsulationInput& in);

// The 26 report lines, or a throw (overflow) before any line exists.
ReportLines InsulationReportLines(const InsulationInput& in, const InsulationResult& r,
                                  std::string_view separator);

}  // namespace roofcalc
