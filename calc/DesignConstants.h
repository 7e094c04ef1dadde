#pragma once

namespace zentrova {

// 2π as the design equations of the windows take it: exactly 6.28.
inline constexpr double kTwoPi = 6.28;

// The peak of a line voltage, taken as 1.4 times its RMS value.
inline constexpr double kLinePeakFactor = 1.4;

}  // namespace zentrova
