#include "ParseFieldValue.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace zentrova {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Decimal orders of magnitude well beyond both ends of the double range; a
// number outside them needs no rounding to know it overflows or vanishes.
constexpr long long kOrderBeyondOverflow = 400;
constexpr long long kOrderBeyondUnderflow = -400;
constexpr long long kExponentCap = 1'000'000'000'000LL;

// What a non-ASCII character at the start of a text means to the scan: its
// length in bytes and the ASCII character it stands for, kDropped for a
// blank. Input methods type the full-width forms of ASCII and "。" for the
// decimal point; pasted text from web pages and spreadsheets brings the
// other spaces. Anything else, a cut or malformed sequence too, ends the
// number.
struct WideCharacter {
    std::size_t length;
    char ascii;
};

constexpr char kDropped = '\0';

std::optional<WideCharacter> ReadWideCharacter(std::string_view rest)
{
    const auto byteAt = [rest](std::size_t k) { return k < rest.size() ? static_cast<unsigned char>(rest[k]) : 0u; };
    const unsigned b0 = byteAt(0);
    const unsigned b1 = byteAt(1);
    const unsigned b2 = byteAt(2);
    if (b0 == 0xC2 && b1 == 0xA0)  // U+00A0 no-break space
        return WideCharacter{2, kDropped};
    // U+2002..U+200A en space to hair space, U+200B zero-width space,
    // U+202F narrow no-break space
    if (b0 == 0xE2 && b1 == 0x80 && ((b2 >= 0x82 && b2 <= 0x8B) || b2 == 0xAF))
        return WideCharacter{3, kDropped};
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80)  // U+3000 ideographic space
        return WideCharacter{3, kDropped};
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x82)  // U+3002 ideographic full stop
        return WideCharacter{3, '.'};
    if (b0 == 0xEF && b1 == 0xBB && b2 == 0xBF)  // U+FEFF byte-order mark
        return WideCharacter{3, kDropped};
    // U+FF01..U+FF5E, the full-width forms of "!" to "~" in order.
    if (b0 == 0xEF && b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF)
        return WideCharacter{3, static_cast<char>(b2 - 0x60)};
    if (b0 == 0xEF && b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E)
        return WideCharacter{3, static_cast<char>(b2 - 0x20)};
    return std::nullopt;
}

// Drops blanks and folds what an input method or a paste brings in into
// ASCII. Stops at the first character that can't belong to a number, since
// the scan would stop there anyway.
std::string NormalizeForScan(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte != ' ' && byte != '\t' && byte != '\n')
                out.push_back(static_cast<char>(byte));
            ++i;
            continue;
        }
        const std::optional<WideCharacter> wide = ReadWideCharacter(text.substr(i));
        if (!wide)
            break;
        if (wide->ascii != kDropped)
            out.push_back(wide->ascii);
        i += wide->length;
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "&H" / "&O" forms: an unsigned integer reinterpreted as a two's-complement
// 16-bit number up to FFFF and as a 32-bit number up to FFFFFFFF.
double ParseRadix(std::string_view digits, int radix)
{
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0 || digit >= radix)
            break;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFF'FFFFull)
            return kInfinity;
    }
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double ParseDecimal(std::string_view s)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }

    // Keep only the significant digits, d1 d2 ... dn, and the order of
    // magnitude: the value is 0.d1d2...dn x 10^order.
    std::string significant;
    long long order = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        anyDigit = true;
        if (significant.empty() && c == '0') {
            if (seenPoint)
                --order;
            continue;
        }
        significant.push_back(c);
        if (!seenPoint)
            ++order;
    }
    if (!anyDigit)
        return 0.0;

    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd')) {
        std::size_t p = pos + 1;
        bool negativeExponent = false;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
            negativeExponent = s[p] == '-';
            ++p;
        }
        long long exponent = 0;
        for (; p < s.size() && IsDigit(s[p]); ++p) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (s[p] - '0');
        }
        order += negativeExponent ? -exponent : exponent;
    }

    const double zero = negative ? -0.0 : 0.0;
    while (!significant.empty() && significant.back() == '0')
        significant.pop_back();
    if (significant.empty())
        return zero;
    if (order > kOrderBeyondOverflow)
        return negative ? -kInfinity : kInfinity;
    if (order < kOrderBeyondUnderflow)
        return zero;

    // Canonical form "d1.d2...dnE(order-1)" for a correctly rounded conversion.
    std::string canonical;
    canonical.reserve(significant.size() + 8);
    canonical.push_back(significant[0]);
    if (significant.size() > 1) {
        canonical.push_back('.');
        canonical.append(significant, 1);
    }
    canonical.push_back('e');
    char exponentText[24];
    const auto written = std::to_chars(exponentText, exponentText + sizeof exponentText, order - 1);
    canonical.append(exponentText, written.ptr);

    double value = 0.0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value,
                                        std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range)
        value = order > 0 ? kInfinity : 0.0;
    return negative ? -value : value;
}

bool IsBlankOrWide(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || static_cast<unsigned char>(c) >= 0x80;
}

// Field texts are nearly always plain numbers that std::from_chars reads as
// they stand, in one scan. Returns nothing when the text needs the full
// treatment: a blank, a wide character or an exponent letter where the number
// stops (they could join more of it), a leading "+", a radix prefix, a text
// that does not start like a number, or a result outside the double range.
std::optional<double> ParsePlain(std::string_view s)
{
    // Up to this length fast_float's exponent handling cannot saturate.
    constexpr std::ptrdiff_t kMaxPlainLength = 64;
    if (s.empty())
        return 0.0;
    const std::size_t first = s[0] == '-' ? 1 : 0;
    // Also keeps out "inf" and "nan", which from_chars would accept.
    if (first >= s.size() || !(IsDigit(s[first]) || s[first] == '.'))
        return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr - s.data() > kMaxPlainLength)
        return std::nullopt;
    if (result.ptr != s.data() + s.size()) {
        const char stop = *result.ptr;
        if (IsBlankOrWide(stop) || stop == 'E' || stop == 'e' || stop == 'D' || stop == 'd')
            return std::nullopt;
    }
    return value;
}

}  // namespace

double ParseFieldValue(std::string_view text)
{
    if (const std::optional<double> plain = ParsePlain(text))
        return *plain;
    const std::string s = NormalizeForScan(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return ParseRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return ParseRadix(std::string_view(s).substr(2), 8);
    }
    return ParseDecimal(s);
}

}  // namespace zentrova
