#include "calc/ParseFieldValue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace zentrova {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
    const char* name;
    std::string text;
    double expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseFieldValueTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseFieldValueTest, ReadsTheLongestNumericPrefix)
{
    const ParseCase& c = GetParam();
    const double value = ParseFieldValue(c.text);
    EXPECT_EQ(value, c.expected) << "text «" << c.text << "»";
    EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << "text «" << c.text << "»";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFieldValueTest,
    ::testing::Values(
        ParseCase{"empty", "", 0.0}, ParseCase{"letters", "abc", 0.0}, ParseCase{"lone_minus", "-", 0.0},
        ParseCase{"lone_point", ".", 0.0}, ParseCase{"dollar", "$5", 0.0},
        ParseCase{"blanks_inside", " 2 45 7", 2457.0}, ParseCase{"blanks_around_point", " 1 2.5 ", 12.5},
        ParseCase{"tab_and_linefeed", "\t1\n2", 12.0}, ParseCase{"negative", "-0.25", -0.25},
        ParseCase{"plus", "+5", 5.0}, ParseCase{"sign_then_blank", "- 5", -5.0}, ParseCase{"comma", "1,5", 1.0},
        ParseCase{"unit_suffix", "3.9abc", 3.9}, ParseCase{"volt_suffix", "3.9V", 3.9},
        ParseCase{"exponent", "1e3", 1000.0}, ParseCase{"exponent_d", "2.5D2", 250.0},
        ParseCase{"exponent_upper", "1.5E3", 1500.0}, ParseCase{"exponent_lower_d", "1.5d3", 1500.0},
        ParseCase{"negative_exponent", "25e-1", 2.5}, ParseCase{"bare_exponent", "1e", 1.0},
        ParseCase{"exponent_sign_only", "1e+", 1.0}, ParseCase{"two_points", "1.2.3", 1.2},
        ParseCase{"leading_point", ".5", 0.5}, ParseCase{"trailing_point", "5.", 5.0},
        ParseCase{"minus_inside", "5-3", 5.0}, ParseCase{"negative_zero", "-0", -0.0},
        ParseCase{"hex", "&H10", 16.0}, ParseCase{"hex_lower", "&hff", 255.0},
        ParseCase{"hex_16bit_negative", "&HFFFF", -1.0}, ParseCase{"hex_17bit", "&H10000", 65536.0},
        ParseCase{"hex_32bit_negative", "&HFFFFFFFF", -1.0}, ParseCase{"hex_32bit_min", "&H80000000", -2147483648.0},
        ParseCase{"hex_stops", "&H1G", 1.0}, ParseCase{"hex_leading_zeros", "&H000000000010", 16.0},
        ParseCase{"octal", "&O17", 15.0}, ParseCase{"octal_lower", "&o777", 511.0}, ParseCase{"octal_stops_at_8", "&O78", 7.0},
        ParseCase{"hex_prefix_only", "&H", 0.0}, ParseCase{"octal_prefix_only", "&O", 0.0},
        ParseCase{"hex_with_blank", "& H 1 0", 16.0}, ParseCase{"ampersand_other", "&X5", 0.0},
        ParseCase{"many_digits", "0.1000000000000000055511151231257827", 0.1},
        ParseCase{"halfway_rounds_to_even", "9007199254740993", 9007199254740992.0},
        ParseCase{"largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ParseCase{"smallest_subnormal", "4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
        ParseCase{"underflow_to_zero", "1e-400", 0.0}, ParseCase{"negative_underflow", "-1e-400", -0.0},
        ParseCase{"overflow", "1e400", kInf}, ParseCase{"negative_overflow", "-1e400", -kInf},
        ParseCase{"largest_read_back", "1.79769313486232E+308", kInf},
        ParseCase{"huge_exponent_digits", "1e99999999999999999999999999", kInf},
        ParseCase{"zero_with_huge_exponent", "0e99999999999999999999999999", 0.0},
        ParseCase{"hex_above_32_bits", "&H100000000", kInf}, ParseCase{"octal_above_32_bits", "&O40000000000", kInf},
        ParseCase{"fullwidth_digits", "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x8E\xEF\xBC\x95", 12.5},
        ParseCase{"fullwidth_minus", "\xEF\xBC\x8D\xEF\xBC\x93", -3.0},
        ParseCase{"fullwidth_plus", "\xEF\xBC\x8B\xEF\xBC\x97", 7.0},
        ParseCase{"ideographic_space", "\xE3\x80\x80" "4\xE3\x80\x80" "2", 42.0},
        ParseCase{"other_cjk_ends_scan", "4伏2", 4.0},
        ParseCase{"cut_fullwidth_digit", "7\xEF\xBC", 7.0}, ParseCase{"invalid_utf8", "8\xFF" "9", 8.0},
        ParseCase{"nul_ends_scan", std::string("6\0" "5", 3), 6.0}),
    [](const auto& info) { return std::string(info.param.name); });

// What a Chinese input method types in full-width mode or in Chinese
// punctuation mode, and the spaces that text pasted from web pages and
// spreadsheets carries.
INSTANTIATE_TEST_SUITE_P(
    InputMethodAndPaste, ParseFieldValueTest,
    ::testing::Values(
        // 1.5 x 10^-3
        ParseCase{"fullwidth_exponent", "１．５ｅ－３", 0.0015},
        ParseCase{"fullwidth_exponent_upper", "２Ｅ＋３", 2000.0},
        ParseCase{"fullwidth_exponent_d", "２．５Ｄ２", 250.0},
        // 1F hexadecimal = 16 + 15
        ParseCase{"fullwidth_hex", "＆Ｈ１Ｆ", 31.0}, ParseCase{"fullwidth_hex_lower", "＆ｈｆｆ", 255.0},
        // 17 octal = 8 + 7
        ParseCase{"fullwidth_octal", "＆Ｏ１７", 15.0},
        ParseCase{"fullwidth_unit_suffix", "３．９Ｖ", 3.9}, ParseCase{"fullwidth_comma_ends", "１，５", 1.0},
        ParseCase{"fullwidth_tilde_ends", "5～1", 5.0},
        ParseCase{"above_fullwidth_block_ends", "5\xEF\xBD\x9F" "1", 5.0},
        ParseCase{"below_fullwidth_block_ends", "5\xEF\xBC\x80" "1", 5.0},
        ParseCase{"ideographic_full_stop", "1。5", 1.5}, ParseCase{"second_full_stop_ends", "1。5。3", 1.5},
        ParseCase{"fullwidth_with_full_stop", "１２。５", 12.5}, ParseCase{"leading_full_stop", "。25", 0.25},
        ParseCase{"nbsp_thousands", "40\xC2\xA0" "000", 40000.0}, ParseCase{"leading_nbsp", "\xC2\xA0" "7", 7.0},
        ParseCase{"en_space", "1\xE2\x80\x82" "2", 12.0}, ParseCase{"em_space", "1\xE2\x80\x83" "2", 12.0},
        ParseCase{"figure_space", "1\xE2\x80\x87" "000", 1000.0},
        ParseCase{"thin_space", "2\xE2\x80\x89" "500.5", 2500.5},
        ParseCase{"hair_space", "1\xE2\x80\x8A" "2", 12.0},
        ParseCase{"zero_width_space", "-\xE2\x80\x8B" "8", -8.0},
        ParseCase{"narrow_nbsp", "1\xE2\x80\xAF" "234", 1234.0},
        ParseCase{"byte_order_mark", "\xEF\xBB\xBF" "3.5", 3.5},
        ParseCase{"spaces_inside_exponent", "１ｅ\xE3\x80\x80－\xC2\xA0" "２", 0.01},
        ParseCase{"zero_width_non_joiner_ends", "1\xE2\x80\x8C" "2", 1.0},
        ParseCase{"em_quad_ends", "1\xE2\x80\x81" "2", 1.0}, ParseCase{"cut_nbsp", "7\xC2", 7.0},
        ParseCase{"carriage_return_ends", "4\r2", 4.0}, ParseCase{"vertical_tab_ends", "4\v2", 4.0},
        ParseCase{"form_feed_ends", "4\f2", 4.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseFieldValueLongTexts, AMegabyteOfDigitsOverflowsAndItsFractionIsExact)
{
    EXPECT_EQ(ParseFieldValue(std::string(1'000'000, '9')), kInf);
    EXPECT_EQ(ParseFieldValue("0." + std::string(1'000'000, '0') + "1e1000001"), 1.0);
    EXPECT_EQ(ParseFieldValue("1" + std::string(1'000'000, '0') + "e-1000000"), 1.0);
}

}  // namespace
}  // namespace zentrova

namespace zentrova {
namespace {

// The text as an input method in full-width mode types it: every printable
// ASCII character in its full-width form, the space as U+3000, the point
// as "．" or "。" in turn.
std::string FullWidth(std::string_view text)
{
    std::string out;
    bool ideographicStop = false;
    for (char c : text) {
        if (c == ' ') {
            out += "\xE3\x80\x80";
        } else if (c == '.') {
            out += ideographicStop ? "。" : "．";
            ideographicStop = !ideographicStop;
        } else if (c > ' ' && c <= '~') {
            const char32_t wide = U'\uFF01' + static_cast<char32_t>(c - '!');
            out.push_back(static_cast<char>(0xE0 | (wide >> 12)));
            out.push_back(static_cast<char>(0x80 | ((wide >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (wide & 0x3F)));
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Any blank in front changes no value but sends the text through the
// folding path, and so does writing it in full-width forms: both paths must
// agree on every text.
TEST(ParseFieldValuePaths, PlainTextsReadAsAfterFolding)
{
    constexpr std::string_view kAlphabet = "0123456789..--++eEdD&Hho x9\t";
    constexpr std::string_view kBlanks[] = {"\xE3\x80\x80", "\xC2\xA0", "\xE2\x80\x82", "\xE2\x80\x83",
                                            "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\x8B", "\xE2\x80\xAF",
                                            "\xEF\xBB\xBF"};
    std::mt19937 random(20261210);
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        for (std::size_t k = length(random); k > 0; --k)
            text.push_back(kAlphabet[pick(random)]);
        const std::uint64_t plain = std::bit_cast<std::uint64_t>(ParseFieldValue(text));
        const std::string blankFirst = std::string(kBlanks[i % std::size(kBlanks)]) + text;
        ASSERT_EQ(plain, std::bit_cast<std::uint64_t>(ParseFieldValue(blankFirst))) << "«" << blankFirst << "»";
        const std::string wide = FullWidth(text);
        ASSERT_EQ(plain, std::bit_cast<std::uint64_t>(ParseFieldValue(wide))) << "«" << wide << "»";
    }
}

}  // namespace
}  // namespace zentrova
