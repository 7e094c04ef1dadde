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
#include <utility>

// Any bytes at all are a field text: ParseFieldValue must return, never give
// NaN, ignore blanks and full-width forms, and agree with std::from_chars on
// the plain decimal and radix forms that a model of the folding makes of the
// text.
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

constexpr std::string_view kBlanks[] = {
    " ", "\t", "\n", "\xC2\xA0", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85",
    "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\x8B",
    "\xE2\x80\xAF", "\xE3\x80\x80", "\xEF\xBB\xBF",
};

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

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The text as an input method in full-width mode types it: every printable
// ASCII character as its form in U+FF01..U+FF5E, the point either as that
// or as the ideographic full stop, as the bytes choose.
std::string WithFullWidthForms(std::string_view text)
{
    std::string out;
    unsigned pick = 0;
    for (char c : text) {
        pick = pick * 3 + static_cast<unsigned char>(c);
        if (c == '.' && pick % 2 == 0)
            AppendUtf8(out, U'\u3002');
        else if (c >= '!' && c <= '~')
            AppendUtf8(out, U'\uFF01' + static_cast<char32_t>(c - '!'));
        else
            out.push_back(c);
    }
    return out;
}

// The code point of the well-formed UTF-8 sequence at the start of `rest`
// and its length; nothing for a malformed, overlong or cut one.
std::optional<std::pair<char32_t, std::size_t>> DecodeUtf8(std::string_view rest)
{
    const auto lead = static_cast<unsigned char>(rest[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xC0 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 0;
    if (length == 0 || length > rest.size())
        return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(rest[k]);
        if ((byte & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (byte & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length])
        return std::nullopt;
    return std::pair{c, length};
}

bool IsBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\u00A0' || (c >= U'\u2002' && c <= U'\u200B') ||
           c == U'\u202F' || c == U'\u3000' || c == U'\uFEFF';
}

// The text as the number's scan sees it, character by character: blanks
// dropped, full-width forms and the ideographic full stop as ASCII, cut at
// the first other character outside ASCII.
std::string FoldedAscii(std::string_view text)
{
    std::string out;
    while (!text.empty()) {
        const auto decoded = DecodeUtf8(text);
        if (!decoded)
            break;
        const auto [c, length] = *decoded;
        text.remove_prefix(length);
        if (IsBlank(c))
            continue;
        if (c < 0x80)
            out.push_back(static_cast<char>(c));
        else if (c == U'\u3002')
            out.push_back('.');
        else if (c >= U'\uFF01' && c <= U'\uFF5E')
            out.push_back(static_cast<char>(U'!' + (c - U'\uFF01')));
        else
            break;
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

    const std::string s = FoldedAscii(text);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o'))
        CheckRadix(s, value);
    else
        CheckDecimal(s, value);
    return 0;
}
