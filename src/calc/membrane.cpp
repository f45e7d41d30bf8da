#include "calc/membrane.h"

#include <cmath>
#include <stdexcept>

#include "frame/extended.h"
#include "frame/numbers.h"

namespace roofcalc {

namespace {

// The edge zone is a strip of fixed width along the whole perimeter.
constexpr ext kEdgeStrip = 1.5L;

}  // namespace

double MembraneRollWidth(int itemIndex) {
  switch (itemIndex) {
    case 0:
      return 1.0;
    case 1:
      return 1.5;
    case 2:
      return 2.0;
  }
  throw std::logic_error("roll width list without a selection");
}

MembraneResult ComputeMembrane(const MembraneInput& in) {
  MembraneResult r;
  r.c = std::cos(store(static_cast<ext>(in.phi) * 3.1415926L * (1.0L / 180)));
  r.Sk = store(fdiv(static_cast<ext>(in.B) * in.A, r.c));
  r.Pp = store((fdiv(in.A, r.c) + in.B) * 2);
  r.Sn = store((static_cast<ext>(in.H) + in.k) * r.Pp);
  r.Sf = store(static_cast<ext>(in.Af) * in.Bf * in.N);
  r.Qf = store((static_cast<ext>(in.Af) + in.Bf) * 2 * (static_cast<ext>(in.Hf) + in.Kf) * in.N);
  r.Pct1 =
      store(fdiv((static_cast<ext>(in.bn1) + in.ln1) * in.Shn1, static_cast<ext>(in.bn1) * in.ln1));
  r.Sper1 = store(static_cast<ext>(r.Sk) - r.Sf - kEdgeStrip * r.Pp);
  r.Qper1 = store(static_cast<ext>(r.Sper1) * r.Pct1);
  r.Pct2 =
      store(fdiv((static_cast<ext>(in.bn2) + in.ln2) * in.Shn2, static_cast<ext>(in.bn2) * in.ln2));
  r.Sper2 = store(kEdgeStrip * r.Pp);
  r.Qper2 = store(static_cast<ext>(r.Sper2) * r.Pct2);
  r.Qk = store(static_cast<ext>(r.Sk) + r.Qper1 + r.Qper2 - r.Sf);
  r.Qpr = store(static_cast<ext>(r.Sn) + r.Qf);
  r.Q = store((0.01L * in.Zan + 1) * (static_cast<ext>(r.Qk) + r.Qpr));
  r.Qn = store(0.02L * r.Q);
  return r;
}

ReportLines MembraneReportLines(const MembraneInput& in, const MembraneResult& r,
                                std::string_view sep) {
  auto num = [&](double v) { return FloatToStr(v, sep); };
  auto hundredths = [&](double v) { return FloatToStr(RoundUpHundredths(v), sep); };
  auto whole = [&](double v) { return FloatToStr(RoundUpWhole(v), sep); };

  ReportLines l;
  l.reserve(43);
  l.push_back("РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА");
  l.push_back("ПВХ МЕМБРАНЫ ВЕРДАМИН");
  l.push_back(kBlankLine);
  l.push_back("ИСХОДНЫЕ ДАННЫЕ: ");
  l.push_back("Ширина кровли: " + num(in.B) + " м");
  l.push_back("Длина кровли: " + num(in.A) + " м");
  l.push_back("Угол наклона: " + num(in.phi) + "°");
  l.push_back("Высота парапета: " + num(in.H) + " м");
  l.push_back("Ширина парапета: " + num(in.k) + " м");
  l.push_back("Количество фонарей: " + num(in.N) + " шт.");
  l.push_back("Ширина фонаря: " + num(in.Af) + " м");
  l.push_back("Длина фонаря: " + num(in.Bf) + " м");
  l.push_back("Высота примыкания фонаря: " + num(in.Hf) + " м");
  l.push_back("Ширина примыкания фонаря: " + num(in.Kf) + " м");
  l.push_back("Параметры мембраны в центральной зоне: ");
  l.push_back("Ширина : " + num(in.bn1) + " м");
  l.push_back("Длина: " + num(in.ln1) + " м");
  l.push_back("Ширина перехлеста полотнищ: " + num(in.Shn1) + " м");
  l.push_back("Параметры мембраны в краевой зоне: ");
  l.push_back("Ширина: " + num(in.bn2) + " м");
  l.push_back("Длина: " + num(in.ln2) + " м");
  l.push_back("Ширина перехлеста полотнищ: " + num(in.Shn2) + " м");
  l.push_back("Запас армированной мембраны для всей кровли: " + num(in.Zan) + " %");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ");
  // Every intermediate carries " м2", the length Pp and the factors %1, %2 included.
  l.push_back("Площадь кровли (с учетом наклона) - " + hundredths(r.Sk) + " м2");
  l.push_back("Pp - " + hundredths(r.Pp) + " м2");
  l.push_back("Sn - " + hundredths(r.Sn) + " м2");
  l.push_back("Sf - " + hundredths(r.Sf) + " м2");
  l.push_back("Qf - " + hundredths(r.Qf) + " м2");
  l.push_back("%1 - " + hundredths(r.Pct1) + " м2");
  l.push_back("Sper1 - " + hundredths(r.Sper1) + " м2");
  l.push_back("Qper1 - " + hundredths(r.Qper1) + " м2");
  l.push_back("%2 - " + hundredths(r.Pct2) + " м2");
  l.push_back("Sper2 - " + hundredths(r.Sper2) + " м2");
  l.push_back("Qper2 - " + hundredths(r.Qper2) + " м2");
  l.push_back(kBlankLine);
  l.push_back("РЕЗУЛЬТАТ РАСЧЕТА: ");
  l.push_back("Необходимо армированной мембраны ВЕРДАМИН R - " + whole(r.Q) + " м2");
  // All rolls, edge zone included, are counted in central-zone rolls, from the unrounded Q.
  // The divisor is that of the central overlap factor, already known not to be zero; only an
  // absurd quotient can still fail (overflow), and then no line is returned at all.
  const double Nr = RoundUpWhole(store(fdiv(r.Q, static_cast<ext>(in.bn1) * in.ln1)));
  l.push_back("Количество рулонов мембраны ВЕРДАМИН R - " + num(Nr) + " шт.");
  l.push_back(kBlankLine);
  l.push_back("Необходимо неармированной мембраны ВЕРДАМИН U - " + whole(r.Qn) + "* м2");
  l.push_back("*принимается 2% от армированной мембраны");
  return l;
}

}  // namespace roofcalc
