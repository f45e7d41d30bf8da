#pragma once
// The thermal calculation: degree-days of the heating period, the thermal resistance the
// construction must reach and the one its layers give, and the insulation boards to add,
// rounded up to whole centimetres. A pure function of its inputs.

#include <array>
#include <string>
#include <string_view>

#include "data/climate_table.h"
#include "frame/report_lines.h"

namespace roofcalc {

enum class LayerChoice {
  Absent,       // "нет": adds nothing
  Unselected,   // no list item (the catalogue was not read): counts, but is not reported
  UserDefined,  // "Пользовательский"
  Catalogue,    // a material of materials.txt
};

struct ThermalLayer {
  LayerChoice choice = LayerChoice::Absent;
  double conductivity = 1.0;  // λ, W/(m·°C)
  double thickness = 0.0;     // δ, m
  // The row's texts as the window shows them, for the report: the user's name or the list item,
  // the conductivity and thickness fields unconverted.
  std::string nameText, conductivityText, thicknessText;

  bool counts() const { return choice != LayerChoice::Absent; }
};

inline constexpr size_t kLayerRows = 5;

struct ThermalInput {
  double insideTemperature = 20;  // t_int, °C, a whole number
  int constructionType = 0;       // 0 wall, 1 roof, 2 attic or basement floor
  int roomType = 0;               // 0 residential, 1 public, 2 industrial
  int boardType = 0;              // 0 "тип Н2 или Н1", 1 "тип Н4"
  ClimateEntry climate;
  std::array<ThermalLayer, kLayerRows> layers;
  // The list texts the report repeats.
  std::string roomText, constructionText, boardText, temperatureText, cityText;
};

struct ThermalResult {
  double D = 0;     // degree-days, °C·day
  double Rreq = 0;  // required thermal resistance, m²·°C/W
  double R0 = 0;    // thermal resistance of the construction as entered
  double t5 = 0;    // coldest five-day temperature, widened
  double deltaR = 0;
  double insulation = 0;  // δ_ins, mm; 0 when none is needed
  int n = 0;              // insulation to add, mm: 0 or a positive multiple of 10
};

struct ResistanceCoefficients {
  long double k, b;  // R_req = k × D × 0.0005 + b
};

// By construction type (rows) and room type (columns).
const ResistanceCoefficients& RequiredResistanceTable(int constructionType, int roomType);

// Design conductivity of the insulation boards, W/(m·°C), by board type and operating zone.
long double BoardConductivity(int boardType, int zone);

// The smallest multiple of 10 mm not less than δ_ins (δ_ins > 0). Throws the invalid-operation
// fault when the count of centimetres does not fit an int.
int RoundUpToTenMillimetres(double insulation);

// Throws FloatFaultError on a division by zero, an invalid operation or an overflow.
ThermalResult computeThermal(const ThermalInput& in);

ReportLines thermalReportLines(const ThermalInput& in, const ThermalResult& r,
                               std::string_view separator);

}  // namespace roofcalc
