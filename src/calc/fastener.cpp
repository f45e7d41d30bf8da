#include "calc/fastener.h"

#include <cmath>

#include "frame/extended.h"
#include "frame/numbers.h"

namespace roofcalc {

namespace {

// Spacing divisor for a sheet width: narrower sheets have their seams closer together.
ext widthFactor(double width) {
  if (width == 1.0) return 1.35L;
  if (width == 1.5) return 1.6L;
  return 1.9L;
}

constexpr ext kSpacingLimit = 0.5L;

}  // namespace

double sheetWidthOfItem(int index) {
  switch (index) {
    case 0:
      return 1.0;
    case 1:
      return 1.5;
    default:
      return 2.0;
  }
}

FastenerResult computeFastener(const FastenerInput& in) {
  FastenerResult r;
  r.F = in.unit == StrengthUnit::MPa ? store(static_cast<ext>(in.F) * 5 * in.t) : in.F;
  r.w0 = store(static_cast<ext>(in.regionValue) * 1000);
  r.k = HeightCoefficient(in.terrain, in.H);

  r.qe = store(2.0L * r.w0 * r.k);
  r.se = store(fdiv(r.F, widthFactor(in.be) * r.qe));
  if (r.se > kSpacingLimit) {
    r.seCalc = r.se;
    r.se = 0.5;
    r.edgeLimited = true;
  }
  r.G2 = store(fdiv(1, static_cast<ext>(r.se) * in.be));

  r.qc = store(0.6L * r.w0 * r.k);
  r.sc = store(fdiv(r.F, widthFactor(in.bc) * r.qc));
  if (r.sc > kSpacingLimit) {
    r.scCalc = r.sc;
    r.sc = 0.5;
    r.centralLimited = true;
  }
  r.G1 = store(fdiv(1, static_cast<ext>(r.sc) * in.bc));

  const double c = std::cos(store(static_cast<ext>(in.phi) * 3.1415926L * (1.0L / 180)));
  r.Sk = store(fdiv(static_cast<ext>(in.B) * in.A, c));
  r.Sp = store((fdiv(in.A, c) + in.B) * 2 * 1.5L);
  r.N = store((static_cast<ext>(r.G1) * r.Sk + static_cast<ext>(r.G2) * r.Sp) *
              (0.01L * in.Z + 1));
  r.Pc = store(0.5L * r.qc * r.sc);
  r.Pe = store(0.5L * r.qe * r.se);
  return r;
}

ReportLines fastenerReportLines(const FastenerInput& in, const FastenerResult& r,
                                std::string_view sep) {
  auto num = [&](double v) { return FloatToStr(v, sep); };
  auto hundredths = [&](double v) { return FloatToStr(RoundUpHundredths(v), sep); };
  auto centimetres = [&](double v) { return FloatToStr(RoundUpCentimetres(v), sep); };

  ReportLines l;
  l.reserve(38);
  l.push_back("РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА");
  l.push_back("КРЕПЕЖА KORVANT на плоской кровле");
  l.push_back(kBlankLine);
  l.push_back("ИСХОДНЫЕ ДАННЫЕ: ");
  if (in.unit == StrengthUnit::MPa)
    l.push_back("Прочность кровельной мембраны: " + in.strengthText + " МПа");
  l.push_back("Прочность кровельной мембраны: " + num(r.F) + " кгс/5см");
  l.push_back("Ширина кровельной мембраны в центре: " + num(in.bc) + " м");
  l.push_back("Ширина кровельной мембраны в краевой зоне*: " + num(in.be) + " м");
  l.push_back(
      "*краевая зона располагается вдоль края или парапета, ширина 1,5 метра (п.6.6, СНиП "
      "2.01.07-85*)");
  l.push_back("Толщина мембраны: " + num(in.t) + " мм");
  l.push_back("Регион:  " + in.regionName);
  l.push_back("    (данные по ветровой нагрузке по табл. 5 СНиП 2.01.07-85*)");
  l.push_back("Ширина кровли: " + num(in.B) + " м");
  l.push_back("Длина кровли: " + num(in.A) + " м");
  l.push_back("Угол наклона: " + num(in.phi) + "°");
  l.push_back("Высота здания: " + num(in.H) + " м");
  l.push_back("Запас: " + num(in.Z) + " % (на непредвиденные расходы)");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ");
  l.push_back("k - " + num(r.k));
  l.push_back("    (в соответствии с п.6.5 СНиП 2.01.07-85*)");
  l.push_back("ветровая нагрузка в краевой зоне, q = " + hundredths(r.qe) + " кг/м2");
  l.push_back("    (в соответствии с п.6.3 СНиП 2.01.07-85*)");
  l.push_back("ветровая нагрузка в центральной зоне, q = " + hundredths(r.qc) + " кг/м2");
  l.push_back("    (в соответствии с п.6.3 СНиП 2.01.07-85*)");
  // " cм" after the adopted spacings begins with a Latin c.
  if (r.edgeLimited)
    l.push_back("Расчетный шаг крепления " + centimetres(r.seCalc) +
                " см, поэтому конструктивно принимаем");
  l.push_back("шаг крепления в краевой зоне - " + centimetres(r.se) + " cм");
  if (r.centralLimited)
    l.push_back("Расчетный шаг крепления " + centimetres(r.scCalc) +
                " см, поэтому конструктивно принимаем");
  l.push_back("шаг крепления в центральной зоне - " + centimetres(r.sc) + " cм");
  l.push_back("Количество крепежа на 1 кв. м в центральной зоне, G1 - " + hundredths(r.G1) +
              " шт.");
  l.push_back("Количество крепежа на 1 кв. м в краевой зоне, G2 - " + hundredths(r.G2) + " шт.");
  l.push_back("Площадь кровли в центральной зоне, Sk - " + hundredths(r.Sk) + " м2");
  l.push_back("Площадь кровли в краевой (парапетной) зоне, Sp - " + hundredths(r.Sp) + " м2");
  l.push_back("Необходимая прочность крепежа на вырыв в центр. зоне, не менее - " +
              hundredths(r.Pc) + " кгс");
  l.push_back("Необходимая прочность крепежа на вырыв в краевой зоне, не менее - " +
              hundredths(r.Pe) + " кгс");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТ РАСЧЕТА: ");
  l.push_back("Потребуется всего крепежа - " + num(RoundUpWhole(r.N)) + " шт.");
  return l;
}

}  // namespace roofcalc
