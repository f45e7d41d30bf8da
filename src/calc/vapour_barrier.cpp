#include "calc/vapour_barrier.h"

#include <cmath>

#include "frame/extended.h"
#include "frame/numbers.h"

namespace roofcalc {

VapourBarrierResult ComputeVapourBarrier(const VapourBarrierInput& in) {
  const double c = std::cos(store(static_cast<ext>(in.phi) * 3.1415926L * (1.0L / 180)));
  VapourBarrierResult r;
  r.Sk = store(fdiv(static_cast<ext>(in.W) * in.L, c));
  r.Pk = store((fdiv(in.L, c) + in.W) * 2);
  r.Sp = store(0.001L * r.Pk * in.delta);
  // One overlap along a long and a short edge of every roll; H is in centimetres.
  r.Z =
      store(fdiv((0.01L * in.H) * (static_cast<ext>(in.a) + in.b), static_cast<ext>(in.a) * in.b));
  // The overlaps enlarge the roof area only, not the perimeter strip.
  r.K = store(static_cast<ext>(r.Sk) * r.Z);
  r.Q0 = store(static_cast<ext>(r.Sk) + r.Sp + r.K);
  r.Q = store((0.01L * in.R + 1) * r.Q0);
  return r;
}

ReportLines VapourBarrierReportLines(const VapourBarrierInput& in, const VapourBarrierResult& r,
                                     std::string_view sep) {
  auto num = [&](double v) { return FloatToStr(v, sep); };
  auto hundredths = [&](double v) { return FloatToStr(RoundUpHundredths(v), sep); };

  ReportLines l;
  l.reserve(23);
  l.push_back("РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА");
  l.push_back("ПАРОИЗОЛЯЦИИ");
  l.push_back(kBlankLine);
  l.push_back("ИСХОДНЫЕ ДАННЫЕ: ");
  l.push_back("Ширина кровли: " + num(in.W) + " м");
  l.push_back("Длина кровли: " + num(in.L) + " м");
  l.push_back("Угол наклона: " + num(in.phi) + "°");
  l.push_back("Толщина утеплителя: " + num(in.delta) + " мм");
  l.push_back("Запас на нахлесты: " + num(in.H) + " см");
  l.push_back("Ширина рулона пароизоляции: " + num(in.b) + " м");
  l.push_back("Длина рулона пароизоляции: " + num(in.a) + " м");
  l.push_back("Запас: " + num(in.R) + " %");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ");
  l.push_back("Sk - " + hundredths(r.Sk) + " м2");
  l.push_back("Pk - " + hundredths(r.Pk) + " м2");
  l.push_back("Sp - " + hundredths(r.Sp) + " м2");
  l.push_back("Z - " + hundredths(r.Z) + " ");  // a ratio: no unit, the space stays
  l.push_back("K - " + hundredths(r.K) + " м2");
  l.push_back("без запаса - " + hundredths(r.Q0) + " м2");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТ РАСЧЕТА: ");
  l.push_back("Итого пароизоляции - " + num(RoundUpWhole(r.Q)) + " м2");
  return l;
}

}  // namespace roofcalc
