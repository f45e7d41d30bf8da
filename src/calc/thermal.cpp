#include "calc/thermal.h"

#include <cmath>
#include <stdexcept>

#include "frame/extended.h"
#include "frame/numbers.h"

namespace roofcalc {

namespace {

constexpr ResistanceCoefficients kRequiredResistance[3][3] = {
    {{0.7L, 1.4L}, {0.6L, 1.2L}, {0.4L, 1.0L}},  // external wall
    {{1.0L, 2.2L}, {0.8L, 1.6L}, {0.5L, 1.5L}},  // roof, floor over passages
    {{0.9L, 1.9L}, {0.7L, 1.3L}, {0.4L, 1.0L}},  // attic floor, floor over cold cellars
};

// Both board types share their values; the table stays indexed by type so that a new type with
// other values needs no change elsewhere.
constexpr long double kBoardConductivity[2][2] = {
    {0.031L, 0.032L},  // "тип Н2 или Н1"
    {0.031L, 0.032L},  // "тип Н4"
};

constexpr ext kOuterSurface = 23.0L;  // heat transfer coefficients, W/(m²·°C)
constexpr ext kInnerSurface = 8.7L;

void checkIndex(int index, int size, const char* what) {
  if (index < 0 || index >= size) throw std::out_of_range(what);
}

}  // namespace

const ResistanceCoefficients& RequiredResistanceTable(int constructionType, int roomType) {
  checkIndex(constructionType, 3, "construction type");
  checkIndex(roomType, 3, "room type");
  return kRequiredResistance[constructionType][roomType];
}

long double BoardConductivity(int boardType, int zone) {
  checkIndex(boardType, 2, "board type");
  checkIndex(zone, 2, "operating zone");
  return kBoardConductivity[boardType][zone];
}

int RoundUpToTenMillimetres(double insulation) {
  const double x = store(0.1L * insulation);
  // The processor's conversion of a value beyond the integer range is an invalid operation;
  // the centimetres times ten must fit as well.
  if (!(x >= 0 && x <= 214748364.0)) throw FloatFaultError(FloatFault::InvalidOperation);
  int n = static_cast<int>(std::floor(x));
  if (n < x) ++n;
  return n * 10;
}

ThermalResult computeThermal(const ThermalInput& in) {
  ThermalResult r;
  const ext tHt = in.climate.heatingMean;
  const ext zHt = in.climate.heatingDays;
  r.t5 = in.climate.coldestFiveDay;

  r.D = store((static_cast<ext>(in.insideTemperature) - tHt) * zHt);
  const ResistanceCoefficients& kb = RequiredResistanceTable(in.constructionType, in.roomType);
  r.Rreq = store(kb.k * r.D * 0.0005L + kb.b);

  ext sum = fdiv(1, kOuterSurface) + fdiv(1, kInnerSurface);
  // An absent row stands for 0 m over 1 W/(m·°C): adding its zero changes nothing.
  for (const ThermalLayer& layer : in.layers)
    if (layer.counts()) sum += fdiv(layer.thickness, layer.conductivity);
  r.R0 = store(sum);

  r.deltaR = store(static_cast<ext>(r.Rreq) - r.R0);
  if (r.deltaR > 0) {
    const ext lambdaBoard = BoardConductivity(in.boardType, in.climate.zone);
    r.insulation = store(lambdaBoard * (1000 * static_cast<ext>(r.deltaR)));
    r.n = RoundUpToTenMillimetres(r.insulation);
  }
  return r;
}

ReportLines thermalReportLines(const ThermalInput& in, const ThermalResult& r,
                               std::string_view sep) {
  auto whole = [&](double v) { return FloatToStr(RoundUpWhole(v), sep); };
  auto hundredths = [&](double v) { return FloatToStr(RoundUpHundredths(v), sep); };

  ReportLines l;
  l.reserve(43);
  l.push_back("ТЕПЛОТЕХНИЧЕСКИЙ РАСЧЕТ");
  l.push_back("ТОЛЩИНЫ ПЛИТ ТАЛВИРОН");
  l.push_back("(в соответствии со СНиП 23-02-2003, СП 23-101-2004, СНИП-23-01-99*)");
  l.push_back(kBlankLine);
  l.push_back("ИСХОДНЫЕ ДАННЫЕ: ");
  l.push_back("Тип помещения:  " + in.roomText);
  l.push_back("Тип ограждения:  " + in.constructionText);
  l.push_back("Тип плит:  " + in.boardText);
  l.push_back("Расчетная внутренняя температура:  " + in.temperatureText + "°С");
  l.push_back("Район строительства:  г." + in.cityText);
  l.push_back("Условия эксплуатации (зависит от города)* - " + whole(in.climate.zone));
  l.push_back("(*Если значение 0 значит зона А, если 1 значит Б) ");
  l.push_back(kBlankLine);
  l.push_back("Материалы конструкции: ");
  for (const ThermalLayer& layer : in.layers) {
    if (layer.choice != LayerChoice::UserDefined && layer.choice != LayerChoice::Catalogue)
      continue;
    l.push_back("название:  " + layer.nameText);
    l.push_back("теплопроводность:  " + layer.conductivityText + " Вт/м*°С");
    l.push_back("толщина:  " + layer.thicknessText + " мм");
  }
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ");
  l.push_back("ГСОП = " + whole(r.D));
  l.push_back("Требуемое термическое сопротивление Rтр = " + hundredths(r.Rreq) + " м2*°С/Вт");
  l.push_back("Термическое сопротивление конструкции R0 = " + hundredths(r.R0) + " м2*°С/Вт");
  l.push_back("Температура воздуха наиболее холодной пятидневки = " + hundredths(r.t5) + " °С");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТ РАСЧЕТА: ");
  if (r.n == 0) {
    l.push_back(" не требуется дополнительного утеплителя ");
    return l;
  }
  l.push_back("Требуется: " + std::to_string(r.n) + " мм");
  l.push_back("В данном теплотехническом расчете не учитываются термические сопротивления слоев,");
  l.push_back("которые не меняют расчетную толщину утеплителя (гидроизоляция, профлист и т.д.). ");
  return l;
}

}  // namespace roofcalc
