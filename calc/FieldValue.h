#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// The number a field's text stands for. Never rejects a text: blanks are
// dropped, the longest numeric prefix is read and no digits give 0. A decimal
// number beyond the double range, or a radix form above &HFFFFFFFF, gives an
// infinity, which the step that reads it reports as an overflow.
double ParseFieldValue(std::string_view text);

// The text a step writes for a finite result: at most 15 significant digits,
// no trailing zeros, "." as the decimal point whatever the locale, exponent
// notation only when fixed notation would need more than 15 digit places.
// A non-finite value raises ArithmeticFault (overflow or invalid).
std::string FormatResult(double value);

}  // namespace zentrova
