#pragma once

#include <bit>
#include <cstdint>

namespace zentrova {

// Classification by bit pattern: stays correct even when the translation unit
// is built with -ffast-math, where std::isfinite may be folded to true.
constexpr std::uint64_t kExponentMask = 0x7FF0'0000'0000'0000ull;
constexpr std::uint64_t kMantissaMask = 0x000F'FFFF'FFFF'FFFFull;

constexpr bool IsFinite(double x)
{
    return (std::bit_cast<std::uint64_t>(x) & kExponentMask) != kExponentMask;
}

constexpr bool IsNaN(double x)
{
    const auto bits = std::bit_cast<std::uint64_t>(x);
    return (bits & kExponentMask) == kExponentMask && (bits & kMantissaMask) != 0;
}

}  // namespace zentrova
