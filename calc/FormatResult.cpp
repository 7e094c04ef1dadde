#include "ArithmeticFault.h"
#include "FieldValue.h"
#include "FloatBits.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zentrova {
namespace {

constexpr int kSignificantDigits = 15;

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
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = scientific.find('e');

    std::string digits;
    digits.push_back(scientific[0]);
    if (e > 2)
        digits.append(scientific.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    int exponent10 = 0;
    std::from_chars(scientific.data() + e + 2, scientific.data() + scientific.size(), exponent10);
    if (scientific[e + 1] == '-')
        exponent10 = -exponent10;

    // The magnitude is 0.d1d2...dn x 10^point.
    const int n = static_cast<int>(digits.size());
    const int point = exponent10 + 1;

    std::string text = value < 0 ? "-" : "";
    if (point >= 1 && point <= kSignificantDigits) {
        if (n <= point) {
            text += digits;
            text.append(static_cast<std::size_t>(point - n), '0');
        } else {
            text.append(digits, 0, static_cast<std::size_t>(point));
            text.push_back('.');
            text.append(digits, static_cast<std::size_t>(point));
        }
    } else if (point <= 0 && n - point <= kSignificantDigits) {
        text += "0.";
        text.append(static_cast<std::size_t>(-point), '0');
        text += digits;
    } else {
        text.push_back(digits[0]);
        if (n > 1) {
            text.push_back('.');
            text.append(digits, 1);
        }
        const int shown = point - 1;
        text.push_back('E');
        text.push_back(shown < 0 ? '-' : '+');
        const int magnitude = shown < 0 ? -shown : shown;
        if (magnitude < 10)
            text.push_back('0');
        char exponentText[8];
        const auto end = std::to_chars(exponentText, exponentText + sizeof exponentText, magnitude);
        text.append(exponentText, end.ptr);
    }
    return text;
}

}  // namespace zentrova
