#pragma once
// The membrane quantity: reinforced membrane for the roof surface, its seam overlaps in the
// central and edge zones and the upstands, the rolls it comes in, and the unreinforced
// membrane that goes with it. Pure functions of the inputs.

#include <string_view>

#include "frame/report_lines.h"

namespace roofcalc {

struct MembraneInput {
  double B = 0;     // roof width, m
  double A = 0;     // roof length, m (the sloping direction)
  double phi = 0;   // slope, degrees
  double H = 0;     // parapet upstand height, m
  double k = 0;     // horizontal part of the parapet upstand, m
  double N = 0;     // number of skylights, used as typed (fractions included)
  double Af = 0;    // skylight width, m
  double Bf = 0;    // skylight length, m
  double Hf = 0;    // skylight upstand height, m
  double Kf = 0;    // skylight upstand width, m
  double bn1 = 0;   // roll width, central zone, m
  double ln1 = 0;   // roll length, central zone, m
  double Shn1 = 0;  // sheet overlap, central zone, m
  double bn2 = 0;   // roll width, edge zone, m
  double ln2 = 0;   // roll length, edge zone, m
  double Shn2 = 0;  // sheet overlap, edge zone, m
  double Zan = 0;   // reserve of reinforced membrane, %
};

// The number of rolls is not here: the report derives it from Q while it is written.
struct MembraneResult {
  double c = 0;  // cosine of the slope
  double Sk = 0, Pp = 0, Sn = 0, Sf = 0, Qf = 0;
  double Pct1 = 0, Sper1 = 0, Qper1 = 0;
  double Pct2 = 0, Sper2 = 0, Qper2 = 0;
  double Qk = 0, Qpr = 0, Q = 0, Qn = 0;
};

// Roll width of an item of the two roll-width lists ("1.0 м", "1.5 м", "2.0 м").
double MembraneRollWidth(int itemIndex);

// Throws FloatFaultError: a zero roll length divides by zero (0/0 with a zero overlap too),
// absurd sizes overflow.
MembraneResult ComputeMembrane(const MembraneInput& in);

// The 43 report lines, or a throw (overflow) before any line exists.
ReportLines MembraneReportLines(const MembraneInput& in, const MembraneResult& r,
                                std::string_view separator);

}  // namespace roofcalc
