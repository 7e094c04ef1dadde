#include "calc/ParseFieldValue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <limits>
#include <string>

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

// A leading ideographic space changes no value but sends the text through
// the blank-removing path: both paths must agree on every text.
TEST(ParseFieldValuePaths, PlainTextsReadAsAfterBlankRemoval)
{
    constexpr std::string_view kAlphabet = "0123456789..--++eEdD&Hho x9\t";
    std::mt19937 random(20261210);
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        for (std::size_t k = length(random); k > 0; --k)
            text.push_back(kAlphabet[pick(random)]);
        const double plain = ParseFieldValue(text);
        const double normalized = ParseFieldValue("\xE3\x80\x80" + text);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(plain), std::bit_cast<std::uint64_t>(normalized)) << "«" << text << "»";
    }
}

}  // namespace
}  // namespace zentrova
