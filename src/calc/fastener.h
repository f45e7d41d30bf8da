#pragma once
// The fastener calculation: how many mechanical fasteners hold the membrane against wind
// suction in the central and edge zones of a flat roof. A pure function of its inputs.

#include <string>
#include <string_view>

#include "calc/height_coefficient.h"
#include "frame/report_lines.h"

namespace roofcalc {

enum class StrengthUnit { KgfPer5cm, MPa };

struct FastenerInput {
  double F = 0;              // membrane strength as typed
  std::string strengthText;  // the strength field's text, reported as typed for MPa
  double t = 0;              // membrane thickness, mm
  StrengthUnit unit = StrengthUnit::KgfPer5cm;
  double bc = 0;  // sheet width, central zone, m
  double be = 0;  // sheet width, edge zone, m
  float regionValue = 0;
  std::string regionName;
  double B = 0, A = 0, phi = 0, H = 0, Z = 0;
  TerrainType terrain = TerrainType::A;
};

struct FastenerResult {
  double F = 0;  // in kgf per 5 cm
  double w0 = 0, k = 0, qe = 0, qc = 0;
  double se = 0, seCalc = 0, sc = 0, scCalc = 0;
  bool edgeLimited = false, centralLimited = false;
  double G1 = 0, G2 = 0, Sk = 0, Sp = 0, Pc = 0, Pe = 0, N = 0;
};

// Sheet widths of the two width lists, by item index.
double sheetWidthOfItem(int index);

// Throws FloatFaultError on a division by zero, an invalid operation or an overflow.
FastenerResult computeFastener(const FastenerInput& in);

// 35 to 38 lines.
ReportLines fastenerReportLines(const FastenerInput& in, const FastenerResult& r,
                                std::string_view separator);

}  // namespace roofcalc
