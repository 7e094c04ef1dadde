#include "support/WindowRun.h"

namespace zentrova::test {
namespace {

class MainPowerComponentsTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(MainPowerComponentsTest, Computes) { ExpectWindowCase("gl", GetParam()); }

const Assignments kInitialResults = {{"Text6", "4.41875"}, {"Text7", "0.88375"}, {"Text8", "0.569230769230769"},
                                     {"Text9", "180.35034272658"}, {"Text10", "425"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, MainPowerComponentsTest,
    ::testing::Values(
        WindowCase{"initial_texts", {}, kInitialResults},
        // Step 4 works from the displayed duty cycle, not the full double.
        WindowCase{"read_back_duty_cycle",
                   {{"Text1", "100"}, {"Text11", "265"}},
                   {{"Text6", "1.7675"}, {"Text7", "0.3535"}, {"Text8", "0.577358490566038"},
                    {"Text9", "457.313655893892"}, {"Text10", "170"}}},
        WindowCase{"unread_inputs", {{"Text3", "50"}, {"Text4", "65"}}, kInitialResults},
        WindowCase{"typed_outputs_ignored", {{"Text7", "99"}, {"Text8", "x"}}, kInitialResults},
        WindowCase{"negative_duty_cycle",
                   {{"Text11", "100"}},
                   {{"Text6", "4.41875"}, {"Text7", "0.88375"}, {"Text8", "-0.12"}, {"Text9", "-38.019801980198"},
                    {"Text10", "425"}}},
        WindowCase{"zero_power_faults_at_inductance",
                   {{"Text1", "0"}},
                   {{"Text6", "0"}, {"Text7", "0"}, {"Text8", "0.569230769230769"}, {"Text9", ""}, {"Text10", ""}},
                   4},
        WindowCase{"empty_lower_voltage",
                   {{"Text2", ""}},
                   {{"Text6", ""}, {"Text7", ""}, {"Text8", ""}, {"Text9", ""}, {"Text10", ""}},
                   1},
        WindowCase{"zero_upper_voltage",
                   {{"Text11", "0"}},
                   {{"Text6", "4.41875"}, {"Text7", "0.88375"}, {"Text8", ""}},
                   3},
        WindowCase{"zero_output_voltage",
                   {{"Text5", "0"}},
                   {{"Text6", "4.41875"}, {"Text7", "0.88375"}, {"Text8", "0.569230769230769"}, {"Text9", ""}},
                   4},
        WindowCase{"power_beyond_double_range",
                   {{"Text1", "1e400"}},
                   {{"Text6", ""}},
                   1,
                   FaultKind::Overflow},
        WindowCase{"peak_current_overflows",
                   {{"Text1", "1e308"}, {"Text2", "1e-10"}},
                   {{"Text6", ""}},
                   1,
                   FaultKind::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

class SenseResistorTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(SenseResistorTest, Computes) { ExpectWindowCase("xldz", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, SenseResistorTest,
    ::testing::Values(WindowCase{"initial_texts", {}, {{"Text4", "0.245"}}},
                      WindowCase{"one_millihenry", {{"Text1", "1000"}}, {{"Text4", "0.25"}}},
                      WindowCase{"empty_inductance", {{"Text1", ""}}, {{"Text4", "0"}}},
                      WindowCase{"empty_frequency", {{"Text2", ""}}, {{"Text4", "0"}}},
                      WindowCase{"zero_output_voltage", {{"Text3", "0"}, {"Text4", "old"}}, {{"Text4", "old"}}, 1},
                      WindowCase{"empty_output_voltage", {{"Text3", ""}}, {{"Text4", ""}}, 1},
                      WindowCase{"product_overflows",
                                 {{"Text1", "1e300"}, {"Text2", "1e10"}},
                                 {{"Text4", ""}},
                                 1,
                                 FaultKind::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

class PeakLimitDividerTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(PeakLimitDividerTest, Computes) { ExpectWindowCase("XL", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, PeakLimitDividerTest,
    ::testing::Values(WindowCase{"initial_texts", {}, {{"Text2", "1.53846153846154"}}},
                      WindowCase{"seven_and_a_half", {{"Text1", "7.5"}}, {{"Text2", "1.15384615384615"}}},
                      WindowCase{"empty", {{"Text1", ""}}, {{"Text2", "0"}}},
                      WindowCase{"negative", {{"Text1", "-10"}}, {{"Text2", "-1.53846153846154"}}}),
    [](const auto& info) { return std::string(info.param.name); });

class ComponentStressTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ComponentStressTest, Computes) { ExpectWindowCase("yl", GetParam()); }

// Worked out independently from the classical formulas (√2 and π as the
// nearest doubles, each result rounded to its 15 displayed digits where a
// later result reads it back).
const Assignments kStressInitialResults = {
    {"Text10", "3.28947368421053"}, {"Text11", "5.05770372222916"}, {"Text12", "2.86753752882726"},
    {"Text13", "1.61178957679992"}, {"Text14", "0.625"},            {"Text15", "1.48567851161712"},
    {"Text16", "2.7051592797784"},  {"Text17", "142.857142857143"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ComponentStressTest,
    ::testing::Values(
        // Iin 3.2895 A, IL,pk 5.058 A, IQ 2.868 A, ID 1.612 A, IC 1.486 A, 2.705 W, 142.9 µF.
        WindowCase{"initial_texts", {}, kStressInitialResults},
        WindowCase{"another_design",
                   {{"Text1", "300"}, {"Text3", "90"}, {"Text6", "680"}},
                   {{"Text10", "3.50877192982456"}, {"Text11", "5.60023535494352"}, {"Text12", "2.99770119199317"},
                    {"Text13", "1.82353174336162"}, {"Text14", "0.75"}, {"Text15", "1.66215763965018"},
                    {"Text16", "3.07787011388119"}, {"Text17", "171.428571428571"}}},
        WindowCase{"high_line",
                   {{"Text3", "265"}, {"Text4", "390"}},
                   {{"Text10", "0.99304865938431"}, {"Text11", "1.47757482670104"}, {"Text12", "0.426350853063534"},
                    {"Text13", "0.896867097176038"}, {"Text14", "0.641025641025641"}, {"Text15", "0.62726128331393"},
                    {"Text16", "0.246536409976244"}, {"Text17", "161.030595813205"}}},
        WindowCase{"zero_efficiency", {{"Text2", "0"}}, {{"Text10", ""}, {"Text17", ""}}, 1},
        WindowCase{"zero_output_voltage", {{"Text4", "0"}}, {{"Text10", "3.28947368421053"}, {"Text11", ""}}, 2},
        // Vout² equal to Vhold²: everything but the hold-up capacitance.
        WindowCase{"hold_voltage_equals_output",
                   {{"Text9", "400"}},
                   {{"Text10", "3.28947368421053"}, {"Text16", "2.7051592797784"}, {"Text17", ""}},
                   8},
        // The line peak above Vout·3π/(8√2): the MOSFET's root is negative.
        WindowCase{"negative_root",
                   {{"Text3", "400"}},
                   {{"Text10", "0.657894736842105"}, {"Text11", "-0.241169215797827"}, {"Text12", ""}, {"Text13", ""}},
                   3,
                   FaultKind::Invalid}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainPowerComponents, ComputingTwiceWritesTheSameTexts)
{
    const WindowDescription& gl = *FindCalculationWindow("gl");
    FieldTexts texts = FieldTexts::Initial(gl);
    RunComputeAction(gl, texts);
    const FieldTexts first = texts;
    RunComputeAction(gl, texts);
    for (const FieldDescription& f : gl.fields)
        EXPECT_EQ(texts.Get(f.control), first.Get(f.control)) << f.control;
}

}  // namespace
}  // namespace zentrova::test
