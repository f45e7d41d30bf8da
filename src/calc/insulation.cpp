#include "calc/insulation.h"

#include <cmath>

#include "frame/extended.h"
#include "frame/numbers.h"

namespace roofcalc {

namespace {

constexpr ext kMillimetre = 0.001L;

}  // namespace

InsulationResult ComputeInsulation(const InsulationInput& in) {
  const double c = std::cos(store(static_cast<ext>(in.phi) * 3.1415926L * (1.0L / 180)));
  InsulationResult r;
  r.Sk = store(fdiv(static_cast<ext>(in.B) * in.A, c));
  r.Sp = store(static_cast<ext>(in.Af) * in.Bf * in.N);
  r.Pf = store((static_cast<ext>(in.Af) + in.Bf) * 2 * in.N);
  r.Qf = store(static_cast<ext>(r.Pf) * in.Hf * kMillimetre * in.delta);
  r.Pp = store((fdiv(in.A, c) + in.B) * 2);
  r.Qp = store(static_cast<ext>(r.Pp) * in.H * kMillimetre * in.delta);
  r.Q0 = store((static_cast<ext>(r.Sk) - r.Sp) * kMillimetre * in.delta + r.Qf + r.Qp);
  r.Q = store((0.01L * in.Z + 1) * r.Q0);
  return r;
}

ReportLines InsulationReportLines(const InsulationInput& in, const InsulationResult& r,
                                  std::string_view sep) {
  auto num = [&](double v) { return FloatToStr(v, sep); };
  auto hundredths = [&](double v) { return FloatToStr(RoundUpHundredths(v), sep); };

  ReportLines l;
  l.reserve(26);
  l.push_back("РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА");
  l.push_back("УТЕПЛИТЕЛЯ ПЛИТ ТАЛВИРОН");
  l.push_back(kBlankLine);
  l.push_back("ИСХОДНЫЕ ДАННЫЕ: ");
  l.push_back("Ширина кровли: " + num(in.B) + " м");
  l.push_back("Длина кровли: " + num(in.A) + " м");
  l.push_back("Угол наклона: " + num(in.phi) + "°");
  l.push_back("Толщина утеплителя: " + num(in.delta) + " мм");
  l.push_back("Высота парапета: " + num(in.H) + " м");
  l.push_back("количество фонарей: " + num(in.N) + " шт.");
  l.push_back("ширина фонаря: " + num(in.Af) + " м");
  l.push_back("длина фонаря: " + num(in.Bf) + " м");
  l.push_back("высота примыкания фонаря: " + num(in.Hf) + " м");
  l.push_back("Запас: " + num(in.Z) + " %");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ");
  l.push_back("Sk - " + hundredths(r.Sk) + " м2");
  l.push_back("Sp - " + hundredths(r.Sp) + " м2");
  l.push_back("Qf - " + hundredths(r.Qf) + " м3");
  l.push_back("Pf - " + hundredths(r.Pf) + " ");  // no unit, the space stays
  l.push_back("Pp - " + hundredths(r.Pp) + " м2");
  l.push_back("Qp - " + hundredths(r.Qp) + " м3");
  l.push_back("без запаса - " + hundredths(r.Q0) + " м3");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТ РАСЧЕТА: ");
  l.push_back("Необходимый объем плит ТАЛВИРОН - " + num(RoundUpWhole(r.Q)) + " м3");
  return l;
}

}  // namespace roofcalc
