#include "calc/Number.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace zentrova {
namespace {

struct FaultCase {
    const char* name;
    std::function<Number()> formula;
    FaultKind kind;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class NumberFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(NumberFaultTest, FaultsAtTheOperationThatBreaks)
{
    try {
        const Number result = GetParam().formula();
        FAIL() << "no fault; result " << result.value();
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), GetParam().kind);
    }
}

const Number kZero = 0.0;
const Number kX = 3.0;
const Number kHuge = 1e308;

INSTANTIATE_TEST_SUITE_P(
    Operations, NumberFaultTest,
    ::testing::Values(
        FaultCase{"divide_by_zero", [] { return kX / kZero; }, FaultKind::DivisionByZero},
        // The last quotient would be 0 = 5.2 / inf: the inner division faults.
        FaultCase{"inner_division", [] { return Number(5.2) / (kX / kZero); }, FaultKind::DivisionByZero},
        FaultCase{"zero_by_zero", [] { return kZero / kZero; }, FaultKind::Invalid},
        FaultCase{"product_overflow", [] { return kHuge * 10.0; }, FaultKind::Overflow},
        FaultCase{"sum_overflow", [] { return kHuge + kHuge; }, FaultKind::Overflow},
        FaultCase{"difference_overflow", [] { return Number(-1e308) - kHuge; }, FaultKind::Overflow},
        FaultCase{"quotient_overflow", [] { return kHuge / 1e-10; }, FaultKind::Overflow},
        FaultCase{"root_of_negative", [] { return Pow(Number(-4.0), 0.5); }, FaultKind::Invalid},
        FaultCase{"field_beyond_range",
                  [] { return Number::FromField(std::numeric_limits<double>::infinity()); }, FaultKind::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberArithmetic, UnderflowAndInexactRoundingAreNoFaults)
{
    EXPECT_EQ((Number(1e-300) * 1e-300).value(), 0.0);
    EXPECT_EQ((Number(1e-310) / 2.0).value(), 1e-310 / 2.0);
    EXPECT_EQ((Number(1.0) / 3.0).value(), 1.0 / 3.0);
}

TEST(NumberArithmetic, PowerHalfIsTheCorrectlyRoundedSquareRoot)
{
    EXPECT_EQ(Pow(Number(0.0226586102719033), 0.5).value(), 0.15052777242722787);
    EXPECT_EQ(Pow(Number(0.0), 0.5).value(), 0.0);
    EXPECT_EQ(Pow(Number(-2.0), 2.0).value(), 4.0);
}

TEST(NumberArithmetic, ThroughTextRoundsToTheDisplayedDigits)
{
    EXPECT_EQ(ThroughText(Number(1.5) / 66.2).value(), 0.0226586102719033);
    EXPECT_THROW(ThroughText(Number(std::numeric_limits<double>::max())), ArithmeticFault);
}

}  // namespace
}  // namespace zentrova
