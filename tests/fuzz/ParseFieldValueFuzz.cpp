#include "FuzzCheck.h"
#include "calc/ParseFieldValue.h"
#include "calc/FloatBits.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// Any bytes at all are a field text: ParseFieldValue must return, never give
// NaN, ignore blanks and full-width forms, and agree with std::from_chars on
// the plain decimal and radix forms.
namespace {

using zentrova::ParseFieldValue;
using zentrova::fuzz::Check;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool SameValue(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A UTF-8 continuation byte never starts a character, so a blank put before
// any other byte never cuts a character in two.
bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

constexpr std::string_view kBlanks[] = {" ", "\t", "\n", "\xE3\x80\x80"};

// The text with a blank before every character and one at the end; the
// bytes themselves choose which blank goes where.
std::string WithBlanksBetweenCharacters(std::string_view text)
{
    std::string out;
    unsigned pick = 0;
    for (char c : text) {
        if (StartsCharacter(c))
            out += kBlanks[pick % std::size(kBlanks)];
        pick = pick * 5 + static_cast<unsigned char>(c);
        out.push_back(c);
    }
    out += kBlanks[pick % std::size(kBlanks)];
    return out;
}

// The text as an input method in full-width mode types it.
std::string WithFullWidthForms(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (IsDigit(c)) {
            out += "\xEF\xBC";
            out.push_back(static_cast<char>(0x90 + (c - '0')));
        } else if (c == '+') {
            out += "\xEF\xBC\x8B";
        } else if (c == '-') {
            out += "\xEF\xBC\x8D";
        } else if (c == '.') {
            out += "\xEF\xBC\x8E";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// The text without its ASCII blanks when it is ASCII only.
std::optional<std::string> PlainAscii(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return std::nullopt;
        if (c != ' ' && c != '\t' && c != '\n')
            out.push_back(c);
    }
    return out;
}

// "&H"/"&O" and the longest run of radix digits after it: a 16-bit
// two's-complement number up to FFFF, a 32-bit one up to FFFFFFFF, beyond
// that +infinity.
void CheckRadix(const std::string& s, double value)
{
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    std::uint64_t digits = 0;
    const auto [end, ec] = std::from_chars(s.data() + 2, s.data() + s.size(), digits, base);
    double expected = 0.0;
    if (ec == std::errc::result_out_of_range || (ec == std::errc() && digits > 0xFFFF'FFFFull))
        expected = kInfinity;
    else if (ec == std::errc() && digits <= 0xFFFF)
        expected = static_cast<std::int16_t>(static_cast<std::uint16_t>(digits));
    else if (ec == std::errc())
        expected = static_cast<std::int32_t>(static_cast<std::uint32_t>(digits));
    Check(SameValue(value, expected), "radix form read differently from std::from_chars");
}

// The decimal form against std::from_chars, which reads the same grammar
// once the sign is taken off and the exponent letters D/d are written as e.
void CheckDecimal(std::string s, double value)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    // from_chars would also take a second sign, "inf" and "nan".
    if (pos == s.size() || !(IsDigit(s[pos]) || s[pos] == '.')) {
        Check(SameValue(value, 0.0), "a text without digits is not 0");
        return;
    }
    for (char& c : s) {
        if (c == 'D' || c == 'd')
            c = 'e';
    }
    double expected = 0.0;
    const auto [end, ec] = std::from_chars(s.data() + pos, s.data() + s.size(), expected);
    if (ec == std::errc::invalid_argument) {
        Check(SameValue(value, 0.0), "a text without digits is not 0");
        return;
    }
    if (ec == std::errc::result_out_of_range) {
        // Beyond the double range: the long double reading tells which end.
        long double wide = 0.0L;
        const auto wideResult = std::from_chars(s.data() + pos, s.data() + s.size(), wide);
        Check(std::signbit(value) == negative, "a number beyond the double range lost its sign");
        if (wideResult.ec == std::errc())
            Check(std::fabs(wide) >= 1.0L ? std::isinf(value) : value == 0.0,
                  "a number beyond the double range is neither infinity nor 0 as its size says");
        else
            Check(std::isinf(value) || value == 0.0, "a number far beyond the double range is neither infinity nor 0");
        return;
    }
    Check(SameValue(value, negative ? -expected : expected), "decimal form read differently from std::from_chars");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ParseFieldValue(text);
    Check(!zentrova::IsNaN(value), "ParseFieldValue gave NaN");

    Check(SameValue(ParseFieldValue(WithBlanksBetweenCharacters(text)), value), "blanks changed the value");
    Check(SameValue(ParseFieldValue(WithFullWidthForms(text)), value), "full-width forms changed the value");

    if (const std::optional<std::string> plain = PlainAscii(text)) {
        const std::string& s = *plain;
        if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o'))
            CheckRadix(s, value);
        else
            CheckDecimal(s, value);
    }
    return 0;
}
