#pragma once
// The coefficient k(z) that scales the wind pressure with the building height, piecewise linear
// between the breakpoints of the wind-load code's table for the three terrain types.

namespace roofcalc {

enum class TerrainType { A, B, C };

double HeightCoefficient(TerrainType type, double z);

}  // namespace roofcalc
