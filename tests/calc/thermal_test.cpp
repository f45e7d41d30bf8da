#include "calc/thermal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frame/calc_error.h"

namespace roofcalc {
namespace {

// A city with 205 heating days at -2,2 °C, read as klimat.txt values are: in single precision.
ClimateEntry workedCity(int zone = 0) {
  return {zone, -25.3f, 205.0f, -2.2f};
}

ThermalLayer userLayer(double conductivity, double thickness, std::string thicknessText = "250",
                       std::string conductivityText = "0,7") {
  ThermalLayer l;
  l.choice = LayerChoice::UserDefined;
  l.conductivity = conductivity;
  l.thickness = thickness;
  l.nameText = "Кладка";
  l.conductivityText = std::move(conductivityText);
  l.thicknessText = std::move(thicknessText);
  return l;
}

ThermalInput workedInput() {
  ThermalInput in;
  in.insideTemperature = 20;
  in.constructionType = 0;
  in.roomType = 0;
  in.boardType = 0;
  in.climate = workedCity();
  in.layers[0] = userLayer(0.7, 0.25);
  in.roomText = "жилое";
  in.constructionText = "наружная стена";
  in.boardText = "тип Н2 или Н1";
  in.temperatureText = "20";
  in.cityText = "Город";
  return in;
}

TEST(Thermal, WorkedExampleExactly) {
  const ThermalResult r = computeThermal(workedInput());
  EXPECT_EQ(r.D, 4551.000009775162);
  EXPECT_EQ(r.Rreq, 2.9928500034213066);
  EXPECT_EQ(r.R0, 0.5155636467480545);
  EXPECT_EQ(r.deltaR, 2.477286356673252);
  EXPECT_EQ(r.insulation, 76.79587705687082);
  EXPECT_EQ(r.t5, static_cast<double>(-25.3f));
  EXPECT_EQ(r.n, 80);
}

TEST(Thermal, WorkedExampleReport) {
  const ReportLines expected{
      "ТЕПЛОТЕХНИЧЕСКИЙ РАСЧЕТ",
      "ТОЛЩИНЫ ПЛИТ ТАЛВИРОН",
      "(в соответствии со СНиП 23-02-2003, СП 23-101-2004, СНИП-23-01-99*)",
      " ",
      "ИСХОДНЫЕ ДАННЫЕ: ",
      "Тип помещения:  жилое",
      "Тип ограждения:  наружная стена",
      "Тип плит:  тип Н2 или Н1",
      "Расчетная внутренняя температура:  20°С",
      "Район строительства:  г.Город",
      "Условия эксплуатации (зависит от города)* - 0",
      "(*Если значение 0 значит зона А, если 1 значит Б) ",
      " ",
      "Материалы конструкции: ",
      "название:  Кладка",
      "теплопроводность:  0,7 Вт/м*°С",
      "толщина:  250 мм",
      " ",
      "РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ",
      "ГСОП = 4552",
      "Требуемое термическое сопротивление Rтр = 3 м2*°С/Вт",
      "Термическое сопротивление конструкции R0 = 0,52 м2*°С/Вт",
      "Температура воздуха наиболее холодной пятидневки = -25,29 °С",
      " ",
      "РЕЗУЛЬТАТ РАСЧЕТА: ",
      "Требуется: 80 мм",
      "В данном теплотехническом расчете не учитываются термические сопротивления слоев,",
      "которые не меняют расчетную толщину утеплителя (гидроизоляция, профлист и т.д.). ",
  };
  const ThermalInput in = workedInput();
  const ReportLines lines = thermalReportLines(in, computeThermal(in), ",");
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  // Latin R in "Rтр" and "R0", Cyrillic С after the degree sign.
  EXPECT_NE(lines[20].find(" R\xD1\x82\xD1\x80 = "), std::string::npos);
  EXPECT_NE(lines[21].find(" R0 = "), std::string::npos);
  EXPECT_NE(lines[15].find("\xC2\xB0\xD0\xA1"), std::string::npos);
}

TEST(Thermal, EnoughResistanceNeedsNoInsulationAndEndsTheReport) {
  ThermalInput in = workedInput();
  in.layers[0] = userLayer(0.04, 0.2, "200", "0,04");  // R0 = 5.16 > 2.99
  const ThermalResult r = computeThermal(in);
  EXPECT_EQ(r.n, 0);
  const ReportLines lines = thermalReportLines(in, r, ",");
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[24], "РЕЗУЛЬТАТ РАСЧЕТА: ");
  EXPECT_EQ(lines[25], " не требуется дополнительного утеплителя ");
}

TEST(Thermal, InsulationRoundsUpToWholeCentimetres) {
  struct Case {
    double insulation;
    int n;
  };
  for (const Case& c :
       {Case{50.0, 50}, Case{50.1, 60}, Case{0.3, 10}, Case{1e-300, 10}, Case{10.0, 10},
        Case{9.999999, 10}, Case{76.79587705687082, 80}, Case{2147483640.0, 2147483640}}) {
    EXPECT_EQ(RoundUpToTenMillimetres(c.insulation), c.n) << c.insulation;
  }
  // Beyond the integer range the conversion is an invalid operation, never a wrapped count.
  for (double huge : {2147483641.0, 1e12, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
    try {
      RoundUpToTenMillimetres(huge);
      ADD_FAILURE() << huge;
    } catch (const FloatFaultError& e) {
      EXPECT_STREQ(e.what(), "Invalid floating point operation.");
    }
  }
}

TEST(Thermal, BoardTypeNeverChangesTheResult) {
  for (int construction = 0; construction < 3; ++construction) {
    for (double thickness : {0.0, 0.05, 0.25, 0.6}) {
      for (int zone : {0, 1}) {
        ThermalInput in = workedInput();
        in.constructionType = construction;
        in.climate.zone = zone;
        in.layers[0].thickness = thickness;
        in.boardType = 0;
        const ThermalResult h2 = computeThermal(in);
        in.boardType = 1;
        const ThermalResult h4 = computeThermal(in);
        EXPECT_EQ(h2.n, h4.n);
        EXPECT_EQ(h2.insulation, h4.insulation);
      }
    }
  }
}

TEST(Thermal, ZoneBUsesTheHigherBoardConductivity) {
  ThermalInput in = workedInput();
  in.layers[0] = {};  // no layer: R0 = 1/23 + 1/8.7, shortfall 2.834...
  const ThermalResult a = computeThermal(in);
  in.climate.zone = 1;
  const ThermalResult b = computeThermal(in);
  EXPECT_EQ(a.deltaR, b.deltaR);
  EXPECT_NEAR(a.insulation, 0.031 * 1000 * a.deltaR, 1e-12);
  EXPECT_NEAR(b.insulation, 0.032 * 1000 * b.deltaR, 1e-12);
  EXPECT_EQ(a.n, 90);
  EXPECT_EQ(b.n, 100);
  EXPECT_EQ(thermalReportLines(in, b, ",")[10], "Условия эксплуатации (зависит от города)* - 1");
}

TEST(Thermal, RequiredResistanceFollowsConstructionAndRoom) {
  // Slopes k × 0.0005 and intercepts b of the nine combinations, at D = 4000.
  const double expected[3][3] = {{2.8, 2.4, 1.8}, {4.2, 3.2, 2.5}, {3.7, 2.7, 1.8}};
  for (int c = 0; c < 3; ++c) {
    for (int room = 0; room < 3; ++room) {
      ThermalInput in = workedInput();
      in.climate = {0, -20.0f, 200.0f, 0.0f};  // D = 20 × 200
      in.constructionType = c;
      in.roomType = room;
      EXPECT_NEAR(computeThermal(in).Rreq, expected[c][room], 1e-15) << c << "," << room;
    }
  }
}

TEST(Thermal, AbsentRowsAddNothingAndOnlyChosenRowsAreReported) {
  ThermalInput in = workedInput();
  in.layers[0] = userLayer(0.7, 0.02, "20");
  in.layers[0].nameText = "";
  in.layers[3] = userLayer(0.5, 0.08, "080", "0,50");
  in.layers[3].choice = LayerChoice::Catalogue;
  in.layers[3].nameText = "Бетон (2400)";
  in.layers[1].thickness = 5;  // an absent row's values never count
  in.layers[1].conductivityText = "9";
  const ReportLines lines = thermalReportLines(in, computeThermal(in), ",");
  const ReportLines rows(lines.begin() + 14, lines.begin() + 21);
  EXPECT_EQ(rows, (ReportLines{"название:  ", "теплопроводность:  0,7 Вт/м*°С", "толщина:  20 мм",
                               "название:  Бетон (2400)", "теплопроводность:  0,50 Вт/м*°С",
                               "толщина:  080 мм", " "}));
  in.layers[1] = {};
  const double r0 = computeThermal(in).R0;
  EXPECT_NEAR(r0, 1 / 23.0 + 1 / 8.7 + 0.02 / 0.7 + 0.08 / 0.5, 1e-15);

  // A row without a selected item counts but has no lines.
  in.layers[2].choice = LayerChoice::Unselected;
  in.layers[2].conductivity = 100;
  in.layers[2].thickness = 0.02;
  EXPECT_NEAR(computeThermal(in).R0, r0 + 0.0002, 1e-15);
  EXPECT_EQ(thermalReportLines(in, computeThermal(in), ",").size(), lines.size());

  ThermalInput none = workedInput();
  none.layers[0] = {};
  const ReportLines bare = thermalReportLines(none, computeThermal(none), ",");
  EXPECT_EQ(bare[13], "Материалы конструкции: ");
  EXPECT_EQ(bare[14], " ");
}

TEST(Thermal, ZeroConductivityIsAFloatingPointFault) {
  ThermalInput in = workedInput();
  in.layers[2] = userLayer(0, 0.02);
  EXPECT_THROW(
      {
        try {
          computeThermal(in);
        } catch (const CalcError& e) {
          EXPECT_STREQ(e.what(), "Floating point division by zero.");
          throw;
        }
      },
      FloatFaultError);
  in.layers[2].thickness = 0;
  try {
    computeThermal(in);
    ADD_FAILURE();
  } catch (const CalcError& e) {
    EXPECT_STREQ(e.what(), "Invalid floating point operation.");
  }
}

}  // namespace
}  // namespace roofcalc
