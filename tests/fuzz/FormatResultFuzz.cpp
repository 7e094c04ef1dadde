#include "FuzzCheck.h"
#include "ResultText.h"
#include "calc/ArithmeticFault.h"
#include "calc/FormatResult.h"
#include "calc/ParseFieldValue.h"
#include "calc/FloatBits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

// Any double, taken bit for bit from the input: FormatResult refuses the
// non-finite ones and writes every finite one in its grammar, with the
// digits of std::to_chars at 15 significant digits, and the text reads back
// as that rounding.
namespace {

using zentrova::fuzz::Check;

// The reference: std::to_chars(scientific, 14) gives the correctly rounded
// 15 significant digits and the exponent.
struct Rounded {
    std::string scientific;
    std::string digits;
    int point = 0;
};

Rounded RoundTo15Digits(double magnitude)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14).ptr;
    Rounded r{std::string(buffer, end), {}, 0};
    const std::size_t e = r.scientific.find('e');
    r.digits = r.scientific.substr(0, 1) + r.scientific.substr(2, e - 2);
    while (r.digits.size() > 1 && r.digits.back() == '0')
        r.digits.pop_back();
    int exponent = 0;
    const char* first = r.scientific.data() + e + 1;
    if (*first == '+')
        ++first;
    std::from_chars(first, r.scientific.data() + r.scientific.size(), exponent);
    r.point = exponent + 1;
    return r;
}

void CheckNonFinite(double value)
{
    try {
        const std::string text = zentrova::FormatResult(value);
        zentrova::fuzz::Fail("FormatResult wrote «" + text + "» for a non-finite value");
    } catch (const zentrova::ArithmeticFault& fault) {
        const auto expected = zentrova::IsNaN(value) ? zentrova::FaultKind::Invalid : zentrova::FaultKind::Overflow;
        Check(fault.kind() == expected, "non-finite value refused with the wrong fault kind");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0.0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    if (!zentrova::IsFinite(value)) {
        CheckNonFinite(value);
        return 0;
    }

    const std::string text = zentrova::FormatResult(value);
    std::string why;
    const auto parts = zentrova::fuzz::ResultTextReader::Read(text, why);
    Check(parts.has_value(), why);
    if (value == 0.0) {
        Check(text == "0", "zero is not written as 0");
        Check(zentrova::ParseFieldValue(text) == 0.0, "0 does not read back as 0");
        return 0;
    }

    const Rounded rounded = RoundTo15Digits(std::fabs(value));
    Check(parts->negative == (value < 0.0), "the sign of «" + text + "» is wrong");
    Check(parts->digits == rounded.digits, "«" + text + "» does not show the digits of " + rounded.scientific);
    Check(parts->point == rounded.point, "«" + text + "» does not show the magnitude of " + rounded.scientific);

    // Read back: the 15-digit rounding, which is an infinity only just below
    // the top of the double range.
    double expected = 0.0;
    const auto [end, ec] = std::from_chars(rounded.scientific.data(),
                                           rounded.scientific.data() + rounded.scientific.size(), expected);
    if (ec == std::errc::result_out_of_range)
        expected = std::numeric_limits<double>::infinity();
    expected = value < 0.0 ? -expected : expected;
    const double back = zentrova::ParseFieldValue(text);
    Check(back == expected, "«" + text + "» does not read back as " + rounded.scientific);
    if (zentrova::IsFinite(back))
        Check(zentrova::FormatResult(back) == text, "the value read back from «" + text + "» is written differently");
    else
        Check(std::fabs(value) > 1.797693134862315e308, "«" + text + "» reads back as infinity");
    return 0;
}
