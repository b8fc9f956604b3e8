// Numeric constants and tolerances shared by every engraving unit.
#pragma once

#include <numbers>

namespace quill {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double TwoPi = 2.0 * std::numbers::pi;
inline constexpr double HalfPi = std::numbers::pi / 2.0;
inline constexpr double ThreeHalfPi = 3.0 * std::numbers::pi / 2.0;
inline constexpr double DegToRad = std::numbers::pi / 180.0;
inline constexpr double RadToDeg = 180.0 / std::numbers::pi;
// The program's own millimetre factor: the 8-digit value, not 1/25.4, so stored jobs keep their sizes.
inline constexpr double MmToInch = 0.039370078;
inline constexpr double InchToMm = 25.4;
// Returned by VectorAngle for a null vector.
inline constexpr double UndefinedAngle = -9999.0;
// Returned by ParallelLineDistance for lines that are not parallel.
inline constexpr double NotParallelMark = -9999.9999;

inline constexpr double ZeroTolerance = 5e-05;
inline constexpr double NearZeroTolerance = 0.001;
inline constexpr double DistanceSquaredTolerance = 1e-06;
inline constexpr double LineTolerance = 1e-07;

}  // namespace quill
