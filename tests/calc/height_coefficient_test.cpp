#include "calc/height_coefficient.h"

#include <gtest/gtest.h>

#include <ostream>

namespace roofcalc {
namespace {

struct Case {
  TerrainType type;
  double z;
  double k;
  friend std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << "ABC"[static_cast<int>(c.type)] << " at " << c.z << " m";
  }
};

class HeightCoefficientTable : public testing::TestWithParam<Case> {};

TEST_P(HeightCoefficientTable, Value) {
  const Case& c = GetParam();
  EXPECT_DOUBLE_EQ(HeightCoefficient(c.type, c.z), c.k)
      << "type " << static_cast<int>(c.type) << " z " << c.z;
}

using T = TerrainType;
INSTANTIATE_TEST_SUITE_P(
    Breakpoints, HeightCoefficientTable,
    testing::Values(Case{T::A, 15, 1.125}, Case{T::B, 15, 0.75}, Case{T::C, 15, 0.475},
                    Case{T::A, 5, 0.75}, Case{T::A, 0, 0.75}, Case{T::A, -3, 0.75},
                    Case{T::A, 7.5, 0.875}, Case{T::A, 80, 1.85}, Case{T::A, 150, 2.25},
                    Case{T::C, 7, 0.4}, Case{T::A, 320, 2.75}, Case{T::A, 350, 2.75},
                    Case{T::B, 350, 2.75}, Case{T::C, 350, 2.35}, Case{T::C, 1e6, 2.35},
                    Case{T::B, 325, 2.625}, Case{T::C, 325, 2.275}, Case{T::B, 10, 0.65},
                    Case{T::C, 20, 0.55}, Case{T::B, 300, 2.5}, Case{T::A, 10, 1.0}));

TEST(HeightCoefficient, ContinuousAtEveryBreakpoint) {
  for (double z : {10.0, 20.0, 40.0, 60.0, 80.0, 100.0, 150.0, 200.0, 250.0, 300.0})
    for (T t : {T::A, T::B, T::C})
      EXPECT_NEAR(HeightCoefficient(t, z), HeightCoefficient(t, z - 1e-9), 1e-9) << z;
}

}  // namespace
}  // namespace roofcalc
