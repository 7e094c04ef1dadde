#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "in", "3", FieldRole::Input},   {"Text2", "Label2", "a", "", FieldRole::Output},
    {"Text3", "Label3", "b", "", FieldRole::Output},    {"Text4", "Label4", "c", "", FieldRole::Output},
    {"Text5", "Label5", "d", "", FieldRole::Output},    {"Text6", "Label6", "e", "", FieldRole::Output},
};

// Step 2 divides by Text1 minus 3: it faults on the initial text.
constexpr ComputeStep kSteps[] = {
    {"Text2", [](const FieldReader& f) { return Number(1.0) / f["Text1"]; }},
    {"Text3", [](const FieldReader& f) { return f["Text2"] / (f["Text1"] - 3.0); }},
    {"Text4", [](const FieldReader& f) { return f["Text2"] * f["Text1"]; }},
    {"Text5", [](const FieldReader& f) { return f["Text4"] + 1.0; }},
    {"Text6", [](const FieldReader& f) { return f["Text5"] * 2.0; }},
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
    {"Text2", [](const FieldReader& f) { return Number(1.0) / f["Text1"]; }},
    {"Text3", [](const FieldReader& f) { return f["Text2"] * 3.0; }},
};

constexpr WindowDescription kThirdWindow = {
    .name = "third",
    .caption = "third",
    .clientWidthTwips = 3000,
    .clientHeightTwips = 3000,
    .fields = std::span(kFields).first(3),
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
