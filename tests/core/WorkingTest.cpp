#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "calc/Working.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"
#include "support/WindowRun.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova::test {
namespace {

ComputeWorking Explain(std::string_view window, const Assignments& assignments, FieldTexts* left = nullptr)
{
    const WindowDescription& description = *FindCalculationWindow(window);
    FieldTexts texts = FieldTexts::Initial(description);
    for (const auto& [control, text] : assignments)
        texts.Set(control, text);
    ComputeWorking working = ExplainComputeAction(description, texts);
    if (left)
        *left = texts;
    return working;
}

// How one step explains itself: its formula in symbols, with the values of
// the run, and its result with the true unit, as the working panel and
// --explain show them. The formulas are the windows' own, written by hand.
struct ExplanationCase {
    const char* name;
    const char* window;
    Assignments inputs;
    int step;
    const char* formula;
    const char* values;
    const char* text;
    const char* unit;
};

void PrintTo(const ExplanationCase& c, std::ostream* os) { *os << c.name; }

class ExplanationTest : public ::testing::TestWithParam<ExplanationCase> {};

TEST_P(ExplanationTest, ShowsFormulaValuesAndUnit)
{
    const ExplanationCase& c = GetParam();
    const ComputeWorking working = Explain(c.window, c.inputs);
    ASSERT_GE(working.steps.size(), static_cast<std::size_t>(c.step));
    const StepWorking& step = working.steps[static_cast<std::size_t>(c.step - 1)];
    EXPECT_EQ(step.working.formula, c.formula);
    EXPECT_EQ(step.working.values, c.values);
    ASSERT_TRUE(step.text.has_value());
    EXPECT_EQ(*step.text, c.text);
    EXPECT_EQ(step.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ExplanationTest,
    ::testing::Values(
        ExplanationCase{"peak_current", "gl", {}, 1, "(Pout × 1.414) ÷ Vin,min", "(250 × 1.414) ÷ 80", "4.41875", "A"},
        // The displayed duty cycle and ripple current enter the values.
        ExplanationCase{"inductance_reads_back", "gl", {}, 4, "((((Vin,min × 1.4) × Dmax) ÷ ΔIL) ÷ Vout) × 1000",
                        "((((80 × 1.4) × 0.569230769230769) ÷ 0.88375) ÷ 400) × 1000", "180.35034272658", "µH"},
        ExplanationCase{"pole_through_text", "qkcf", {}, 1, "(2 × √r15(THD ÷ 66.2)) × fline",
                        "(2 × √r15(1.5 ÷ 66.2)) × 60", "18.0633326912673", "Hz"},
        // Labelled "(uH)", a capacitance in nF by the formula's scaling.
        ExplanationCase{"timing_capacitor_in_nanofarads", "zddsdr", {}, 1, "(1000 ÷ fs) ÷ RSET", "(1000 ÷ 100) ÷ 15",
                        "0.666666666666667", "nF"},
        ExplanationCase{"crossover_product_constant", "dlbch", {}, 2,
                        "(((Rs × Vout) × Gca) × 1000) ÷ (L × 32.656000000000006)",
                        "(((0.25 × 400) × 5.096) × 1000) ÷ (980 × 32.656000000000006)", "15.9235668789809", "kHz"},
        ExplanationCase{"negative_value_in_parentheses", "xldz", {{"Text1", "-980"}}, 1, "((L × fs) ÷ Vout) ÷ 1000",
                        "(((-980) × 100) ÷ 400) ÷ 1000", "-0.245", "Ω"},
        // "Rff1(uF)" holds a resistance in kΩ.
        ExplanationCase{"second_pole_resistance", "qkcf", {}, 3, "(257.348 ÷ Vin,min) ÷ 1.4", "(257.348 ÷ 80) ÷ 1.4",
                        "2.29775", "kΩ"}),
    [](const auto& info) { return std::string(info.param.name); });

// The standard design procedure's value beside the window's own, worked out
// by hand for the default texts (√2 as 1.414, 2π as the double nearest it).
struct ReferenceCase {
    const char* name;
    const char* window;
    Assignments inputs;
    int step;
    const char* symbol;
    const char* text;  // empty: cannot be computed
    const char* unit;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.name; }

class ReferenceTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceTest, ComputesTheStandardProcedure)
{
    const ReferenceCase& c = GetParam();
    const ComputeWorking working = Explain(c.window, c.inputs);
    ASSERT_GE(working.steps.size(), static_cast<std::size_t>(c.step));
    const std::optional<ReferenceWorking>& reference = working.steps[static_cast<std::size_t>(c.step - 1)].reference;
    ASSERT_TRUE(reference.has_value());
    EXPECT_EQ(reference->symbol, c.symbol);
    EXPECT_EQ(reference->unit, c.unit);
    EXPECT_FALSE(reference->note.empty());
    if (*c.text) {
        ASSERT_TRUE(reference->text.has_value()) << reference->failure;
        EXPECT_EQ(*reference->text, c.text);
    } else {
        EXPECT_FALSE(reference->text.has_value());
        EXPECT_FALSE(reference->failure.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ReferenceTest,
    ::testing::Values(
        // (400 − 1.414 × 80) ÷ 400.
        ReferenceCase{"duty_cycle", "gl", {}, 3, "D", "0.7172", "", },
        // 1.414 × 80 × 0.7172 ÷ (100 000 Hz × 0.88375 A), in µH: about 0.92 mH.
        ReferenceCase{"inductance", "gl", {}, 4, "L", "918.016", "µH"},
        // 1.414 × 80 ÷ 620 kΩ, and 3.75 ÷ (2 × that).
        ReferenceCase{"iac_current", "zddsdz", {}, 2, "IAC", "0.182451612903226", "mA"},
        ReferenceCase{"timing_resistor", "zddsdz", {}, 1, "RSET", "10.2766973125884", "kΩ"},
        // 1.25 ÷ (15 kΩ × 100 kHz).
        ReferenceCase{"timing_capacitor", "zddsdr", {}, 1, "CT", "0.833333333333333", "nF"},
        // From Co = 250 µF and the Cf of the same run, 0.696593357553234 µF.
        ReferenceCase{"voltage_loop_pole", "dybch", {}, 3, "fvi", "12.2412397793687", "Hz"},
        ReferenceCase{"voltage_loop_feedback_resistor", "dybch", {}, 4, "Rf", "18.6644586427431", "kΩ"},
        // Rvac of 0: the window's step faults, and so does the reference.
        ReferenceCase{"zero_rvac", "zddsdz", {{"Text2", "0"}}, 1, "RSET", "", "kΩ"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Working, StandardValuesOnlyForPositiveParts)
{
    const ComputeWorking inductance = Explain("gl", {});
    // 180.35 µH lies between 180 and 220 in E12.
    const std::vector<StandardValues>& e = inductance.steps[3].standard;
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].series, "E12");
    EXPECT_EQ(e[0].lower, 180);
    EXPECT_EQ(e[0].higher, 220);
    EXPECT_EQ(e[0].nearest, 180);
    EXPECT_EQ(e[1].series, "E6");
    EXPECT_TRUE(inductance.steps[0].standard.empty()) << "a current is no part";

    const ComputeWorking negative = Explain("xldz", {{"Text1", "-980"}});
    EXPECT_TRUE(negative.steps[0].standard.empty());
    const ComputeWorking zero = Explain("xldz", {{"Text1", "0"}});
    EXPECT_TRUE(zero.steps[0].standard.empty());
}

TEST(Working, ExplainingWritesTheSameTextsAsComputing)
{
    for (const WindowDescription* window : CalculationWindows()) {
        for (const Assignments& inputs : {Assignments{}, Assignments{{std::string(window->fields[0].control), "0"}}}) {
            FieldTexts explained = FieldTexts::Initial(*window);
            FieldTexts computed = FieldTexts::Initial(*window);
            for (const auto& [control, text] : inputs) {
                explained.Set(control, text);
                computed.Set(control, text);
            }
            const ComputeWorking working = ExplainComputeAction(*window, explained);
            const std::optional<ComputeFault> fault = RunComputeAction(*window, computed);
            EXPECT_EQ(working.fault.has_value(), fault.has_value()) << window->name;
            for (const FieldDescription& field : window->fields)
                EXPECT_EQ(explained.Get(field.control), computed.Get(field.control)) << window->name;
        }
    }
}

// Why a step faulted, naming the divisor that was zero.
struct FaultReasonCase {
    const char* name;
    const char* window;
    Assignments inputs;
    int step;
    const char* reason;
};

void PrintTo(const FaultReasonCase& c, std::ostream* os) { *os << c.name; }

class FaultReasonTest : public ::testing::TestWithParam<FaultReasonCase> {};

TEST_P(FaultReasonTest, NamesTheCause)
{
    const FaultReasonCase& c = GetParam();
    const ComputeWorking working = Explain(c.window, c.inputs);
    ASSERT_TRUE(working.fault.has_value());
    EXPECT_EQ(working.fault->step, c.step);
    EXPECT_EQ(working.steps.back().faultReason, c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultReasonTest,
    ::testing::Values(
        FaultReasonCase{"zero_ripple_field", "gl", {{"Text1", "0"}}, 4,
                        "除数“电感增量电流（A）”为零。请检查输入是否为空或为 0。"},
        FaultReasonCase{"empty_output_voltage", "xldz", {{"Text3", ""}}, 1,
                        "除数“输出电压(V)”为零。请检查输入是否为空或为 0。"},
        FaultReasonCase{"zero_input_in_divisor", "dlbch", {{"Text1", "0"}}, 1,
                        "除数 (((Rs × Vout) ÷ fs) ÷ L) × 1000 为零，因为 “限流电阻(Ω)” 为 0。请检查输入是否为空或为 0。"},
        // No input is 0: the product 1e-200 × 1e-200 underflowed.
        FaultReasonCase{"underflow", "dlbch", {{"Text1", "1e-200"}, {"Text3", "1e-200"}}, 1,
                        "除数 (((Rs × Vout) ÷ fs) ÷ L) × 1000 为零（计算中下溢为零）。"},
        FaultReasonCase{"field_beyond_range", "gl", {{"Text1", "1e400"}}, 1,
                        "“输出功率（W）”的数值溢出，超出了双精度数的范围。"},
        FaultReasonCase{"result_text_beyond_range", "gl", {{"Text1", "1.2713529949521325e+308"}, {"Text2", "1"}}, 1,
                        "结果溢出：它的文本超出了双精度数的范围，无法再读回。"}),
    [](const auto& info) { return std::string(info.param.name); });

// A result whose 15-digit text would read back beyond the double range
// faults on its own target and writes nothing.
TEST(Working, TopOfRangeResultFaultsWhereItIsWritten)
{
    const WindowRun run = RunWindow("gl", {{"Text1", "1.2713529949521325e+308"}, {"Text2", "1"}});
    ASSERT_TRUE(run.fault.has_value());
    EXPECT_EQ(run.fault->step, 1);
    EXPECT_EQ(run.fault->target, "Text6");
    EXPECT_EQ(run.fault->kind, FaultKind::Overflow);
    EXPECT_EQ(run.texts.Get("Text6"), "");
    // One step below the top still computes.
    const WindowRun below = RunWindow("gl", {{"Text1", "1.27e+308"}, {"Text2", "1"}});
    EXPECT_FALSE(below.fault.has_value() && below.fault->step == 1);
    EXPECT_EQ(below.texts.Get("Text6"), "1.79578E+308");
}

// Operands are read and operations applied left to right as each formula
// is written, whatever the compiler: the first fault met in that order is
// the one reported.
struct OrderCase {
    const char* name;
    const char* window;
    Assignments inputs;
    int step;
    FaultKind kind;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class EvaluationOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(EvaluationOrderTest, FirstFaultFromTheLeft)
{
    const OrderCase& c = GetParam();
    const WindowRun run = RunWindow(c.window, c.inputs);
    ASSERT_TRUE(run.fault.has_value());
    EXPECT_EQ(run.fault->step, c.step);
    EXPECT_EQ(run.fault->kind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    LeftToRight, EvaluationOrderTest,
    ::testing::Values(
        // 1000 ÷ fs divides by zero before RSET is read.
        OrderCase{"division_before_the_later_field", "zddsdr", {{"Text1", ""}, {"Text2", "1e400"}}, 1,
                  FaultKind::DivisionByZero},
        // fs is read, and overflows, before RSET's zero is divided by.
        OrderCase{"reading_before_the_later_division", "zddsdr", {{"Text1", "1e400"}, {"Text2", "0"}}, 1,
                  FaultKind::Overflow},
        // ÷ ΔIL (0 after a zero power) comes before Vout is read.
        OrderCase{"read_back_zero_before_vout", "gl", {{"Text1", "abc"}, {"Text5", "&HFFFFFFFFF"}}, 4,
                  FaultKind::DivisionByZero}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Working, ResultsDependOnWhatTheirStepsRead)
{
    const WindowDescription& gl = *FindCalculationWindow("gl");
    EXPECT_TRUE(ResultDependsOn(gl, "Text6", "Text1"));
    // Through the displayed peak current.
    EXPECT_TRUE(ResultDependsOn(gl, "Text7", "Text2"));
    EXPECT_TRUE(ResultDependsOn(gl, "Text9", "Text11"));
    EXPECT_FALSE(ResultDependsOn(gl, "Text10", "Text2"));
    EXPECT_FALSE(ResultDependsOn(gl, "Text9", "Text4")) << "the switching frequency enters no result";
    EXPECT_FALSE(ResultDependsOn(gl, "Text1", "Text1")) << "an input is no result";
}

TEST(Working, TextShowsEveryStepThatRanAndWhy)
{
    const WindowDescription& gl = *FindCalculationWindow("gl");
    const std::string text = ComputeWorkingText(gl, Explain("gl", {{"Text1", "0"}}));
    EXPECT_NE(text.find("第 4 步：所需要电感（uH）（Text9）"), std::string::npos) << text;
    EXPECT_NE(text.find("无法计算：除数“电感增量电流（A）”为零"), std::string::npos) << text;
    EXPECT_NE(text.find("第 5 步没有运行，它的结果保持原来的文本"), std::string::npos) << text;
    EXPECT_EQ(text.find("第 5 步："), std::string::npos) << text;
    EXPECT_EQ(StepFormulaText(gl, gl.steps[0]), "IL,pk = (Pout × 1.414) ÷ Vin,min");
}

}  // namespace
}  // namespace zentrova::test
