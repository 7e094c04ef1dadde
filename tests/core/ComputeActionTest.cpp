#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "in", "3", "x", kRatio, "input"), Output("Text2", "Label2", "a", "a", kRatio, "a"),
    Output("Text3", "Label3", "b", "b", kRatio, "b"),         Output("Text4", "Label4", "c", "c", kRatio, "c"),
    Output("Text5", "Label5", "d", "d", kRatio, "d"),         Output("Text6", "Label6", "e", "e", kRatio, "e"),
};

constexpr Formula X = Formula::Read(kFields, "Text1");
constexpr Formula A = Formula::Read(kFields, "Text2");
constexpr Formula B = Formula::Read(kFields, "Text3");
constexpr Formula C = Formula::Read(kFields, "Text4");
constexpr Formula D = Formula::Read(kFields, "Text5");
constexpr Formula E = Formula::Read(kFields, "Text6");
constexpr Formula kOne = Constant(1, "one");
constexpr Formula kTwo = Constant(2, "two");
constexpr Formula kThree = Constant(3, "three");

// Step 2 divides by Text1 minus 3: it faults on the initial text.
constexpr ComputeStep kSteps[] = {
    Step(A, kOne / X, ""), Step(B, A / (X - kThree), ""), Step(C, A * X, ""),
    Step(D, C + kOne, ""), Step(E, D * kTwo, ""),
};

constexpr WindowDescription kWindow = {
    .name = "five",
    .caption = "five steps",
    .clientWidthTwips = 3000,
    .clientHeightTwips = 3000,
    .fields = kFields,
    .computeButton = "Command1",
    .returnButton = "Command2",
    .rows = {},
    .tabOrder = {},
    .steps = kSteps,
};

TEST(ComputeAction, AFaultInTheSecondStepKeepsTheLaterTargets)
{
    FieldTexts texts = FieldTexts::Initial(kWindow);
    texts.Set("Text4", "typed");
    const auto fault = RunComputeAction(kWindow, texts);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->step, 2);
    EXPECT_EQ(fault->target, "Text3");
    EXPECT_EQ(fault->kind, FaultKind::DivisionByZero);
    EXPECT_EQ(texts.Get("Text2"), "0.333333333333333");
    EXPECT_EQ(texts.Get("Text3"), "");
    EXPECT_EQ(texts.Get("Text4"), "typed");
    EXPECT_EQ(texts.Get("Text6"), "");
}

constexpr ComputeStep kThirdSteps[] = {
    Step(A, kOne / X, ""),
    Step(B, A * kThree, ""),
};

constexpr WindowDescription kThirdWindow = {
    .name = "third",
    .caption = "third",
    .clientWidthTwips = 3000,
    .clientHeightTwips = 3000,
    .fields = kFields,
    .computeButton = "Command1",
    .returnButton = "Command2",
    .rows = {},
    .tabOrder = {},
    .steps = kThirdSteps,
};

TEST(ComputeAction, ReadBackOfOneThirdTimesThree)
{
    FieldTexts texts = FieldTexts::Initial(kThirdWindow);
    ASSERT_FALSE(RunComputeAction(kThirdWindow, texts).has_value());
    EXPECT_EQ(texts.Get("Text2"), "0.333333333333333");
    EXPECT_EQ(texts.Get("Text3"), "0.999999999999999");
    // Unchanged inputs give the same texts again, whatever the outputs held.
    texts.Set("Text3", "12345");
    ASSERT_FALSE(RunComputeAction(kThirdWindow, texts).has_value());
    EXPECT_EQ(texts.Get("Text3"), "0.999999999999999");
}

}  // namespace
}  // namespace zentrova
