#pragma once

#include <string>

namespace zentrova {

// The text a step writes for a finite result: at most 15 significant digits,
// no trailing zeros, "." as the decimal point whatever the locale, exponent
// notation only when fixed notation would need more than 15 digit places.
// A non-finite value raises ArithmeticFault (overflow or invalid).
std::string FormatResult(double value);

}  // namespace zentrova
