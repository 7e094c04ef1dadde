#include "ArithmeticFault.h"
#include "FormatResult.h"
#include "FloatBits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace zentrova {
namespace {

constexpr int kSignificantDigits = 15;
// "-0." and fifteen digits, or "-d." fourteen digits and "E-324".
constexpr int kMaxTextLength = 24;

char* WriteTwoDigitExponent(char* out, int exponent)
{
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        *out++ = '0';
    return std::to_chars(out, out + 4, magnitude).ptr;
}

}  // namespace

std::string FormatResult(double value)
{
    if (IsNaN(value))
        throw ArithmeticFault(FaultKind::Invalid);
    if (!IsFinite(value))
        throw ArithmeticFault(FaultKind::Overflow);
    if (value == 0.0)
        return "0";

    // Scientific form with 15 significant digits, correctly rounded:
    // "d.ddddddddddddddde[+-]XX". A carry into a new leading digit is already
    // reflected in the exponent.
    char scientific[32];
    const char* const end = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                          std::chars_format::scientific, kSignificantDigits - 1)
                                .ptr;
    char digits[kSignificantDigits];
    digits[0] = scientific[0];
    std::memcpy(digits + 1, scientific + 2, kSignificantDigits - 1);
    int n = kSignificantDigits;
    while (n > 1 && digits[n - 1] == '0')
        --n;

    const char* e = scientific + 2 + (kSignificantDigits - 1);
    int exponent10 = 0;
    for (const char* c = e + 2; c < end; ++c)
        exponent10 = exponent10 * 10 + (*c - '0');
    if (e[1] == '-')
        exponent10 = -exponent10;

    // The magnitude is 0.d1d2...dn x 10^point.
    const int point = exponent10 + 1;

    char text[kMaxTextLength];
    char* out = text;
    if (value < 0)
        *out++ = '-';
    if (point >= 1 && point <= kSignificantDigits) {
        if (n <= point) {
            out = std::copy(digits, digits + n, out);
            out = std::fill_n(out, point - n, '0');
        } else {
            out = std::copy(digits, digits + point, out);
            *out++ = '.';
            out = std::copy(digits + point, digits + n, out);
        }
    } else if (point <= 0 && n - point <= kSignificantDigits) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -point, '0');
        out = std::copy(digits, digits + n, out);
    } else {
        *out++ = digits[0];
        if (n > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + n, out);
        }
        out = WriteTwoDigitExponent(out, point - 1);
    }
    return std::string(text, out);
}

}  // namespace zentrova
