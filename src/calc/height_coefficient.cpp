#include "calc/height_coefficient.h"

#include <array>

#include "frame/extended.h"

namespace roofcalc {

namespace {

struct Row {
  double z;
  double k[3];  // A, B, C
};

constexpr std::array<Row, 12> kTable{{
    {5, {0.75, 0.5, 0.4}},
    {10, {1.0, 0.65, 0.4}},
    {20, {1.25, 0.85, 0.55}},
    {40, {1.5, 1.1, 0.8}},
    {60, {1.7, 1.3, 1.0}},
    {80, {1.85, 1.45, 1.15}},
    {100, {2.0, 1.6, 1.25}},
    {150, {2.25, 1.9, 1.55}},
    {200, {2.45, 2.1, 1.8}},
    {250, {2.65, 2.3, 2.0}},
    {300, {2.75, 2.5, 2.2}},
    {350, {2.75, 2.75, 2.35}},
}};

}  // namespace

double HeightCoefficient(TerrainType type, double z) {
  const int t = static_cast<int>(type);
  if (!(z > kTable.front().z)) return kTable.front().k[t];  // also NaN-safe
  if (z >= kTable.back().z) return kTable.back().k[t];
  size_t i = 0;
  while (!(z < kTable[i + 1].z)) ++i;
  const Row& a = kTable[i];
  const Row& b = kTable[i + 1];
  return store(static_cast<ext>(a.k[t]) +
               (static_cast<ext>(b.k[t]) - a.k[t]) * (static_cast<ext>(z) - a.z) / (b.z - a.z));
}

}  // namespace roofcalc
