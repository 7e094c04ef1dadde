#pragma once

#include "Formula.h"

#include <numbers>

namespace zentrova {

// 2π as the windows' design equations take it: exactly 6.28.
inline constexpr Formula kTwoPi = Constant(6.28, "2π 取 6.28");

// The peak of a line voltage, taken as 1.4 times its RMS value.
inline constexpr Formula kLinePeakFactor = Constant(1.4, "线电压峰值系数，√2 取 1.4");

// The standard design procedure's constants: √2 as 1.414, as the design
// examples engineers compare with take it, and 2π as the double nearest to it.
inline constexpr Formula kStandardSqrt2 = Constant(1.414, "√2 取 1.414");
inline constexpr Formula kStandardTwoPi = Constant(2 * std::numbers::pi, "2π", "2π");

}  // namespace zentrova
