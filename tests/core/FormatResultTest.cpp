#include "calc/ArithmeticFault.h"
#include "calc/FormatResult.h"
#include "calc/ParseFieldValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zentrova {
namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatResultTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, WritesAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(FormatResult(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatResultTest,
    ::testing::Values(
        FormatCase{"zero", 0.0, "0"}, FormatCase{"negative_zero", -0.0, "0"},
        FormatCase{"tenth_sum", 0.1 + 0.2, "0.3"}, FormatCase{"two_thirds", 2.0 / 3.0, "0.666666666666667"},
        FormatCase{"thirtieth", 1.0 / 30.0, "3.33333333333333E-02"}, FormatCase{"five_hundredths", 0.05, "0.05"},
        FormatCase{"ten_thousandth", 0.0001, "0.0001"}, FormatCase{"third", 1.0 / 3.0, "0.333333333333333"},
        FormatCase{"integer", 425.0, "425"}, FormatCase{"decimal", 4.41875, "4.41875"},
        FormatCase{"ten_to_14", 1e14, "100000000000000"}, FormatCase{"ten_to_15", 1e15, "1E+15"},
        FormatCase{"carry_into_new_digit", 999999999999999.9, "1E+15"},
        FormatCase{"carry_below_one", 0.09999999999999999, "0.1"},
        FormatCase{"negative", -2.5, "-2.5"}, FormatCase{"exponent_17", 123456789012345678.0, "1.23456789012346E+17"},
        FormatCase{"exponent_300", 1.5e300, "1.5E+300"},
        FormatCase{"smallest_subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        FormatCase{"largest_double", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        FormatCase{"dropped_fifteenth_zero", 0.0030241935483870967, "3.0241935483871E-03"},
        // Below 0.0001 the fixed form is kept as long as it needs at most
        // 15 digit places.
        FormatCase{"fixed_below_ten_thousandth", 0.00005, "0.00005"},
        FormatCase{"fixed_ten_to_minus_10", 1e-10, "0.0000000001"},
        FormatCase{"exponent_when_too_long", 1.5e-15, "1.5E-15"},
        FormatCase{"exponent_long_fraction", 0.0001234567890123, "1.234567890123E-04"},
        FormatCase{"negative_exponent_form", -4.72255999999999e-02, "-4.72255999999999E-02"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatResultFaults, NonFiniteValuesAreFaultsNotTexts)
{
    try {
        FormatResult(std::numeric_limits<double>::infinity());
        FAIL() << "no fault for infinity";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
    }
    try {
        FormatResult(std::numeric_limits<double>::quiet_NaN());
        FAIL() << "no fault for NaN";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Invalid);
    }
}

TEST(FormatResultRoundTrip, ReadsBackAsTheValueRoundedToFifteenDigits)
{
    // Exact for doubles that stand for a decimal of at most 15 digits.
    for (double x : {0.1, 4.41875, 0.569230769230769, 1e-300, 123456789012345.0, -7.25e-5})
        EXPECT_EQ(ParseFieldValue(FormatResult(x)), x) << FormatResult(x);
    // Otherwise rounded to 15 significant digits.
    EXPECT_EQ(ParseFieldValue(FormatResult(1.0 / 3.0)), 0.333333333333333);
    EXPECT_EQ(FormatResult(ParseFieldValue(FormatResult(1.0 / 3.0)) * 3.0), "0.999999999999999");
    // The largest doubles format beyond the double range.
    EXPECT_TRUE(std::isinf(ParseFieldValue(FormatResult(std::numeric_limits<double>::max()))));
}

}  // namespace
}  // namespace zentrova
