// Expected figures were worked out apart from this code, in Python with
// plain complex arithmetic (cmath): the loop-gain formulas in base SI
// units, and the crossover by 200 halvings of the frequency on a linear
// scale. Tolerances: crossover 0.1 %, phase margin 0.1°, gains 0.01 dB,
// phases 0.01°.
#include "calc/FieldTexts.h"
#include "catalog/WindowCatalog.h"
#include "loops/LoopFigures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace zentrova {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

// The window's initial inputs with the given texts set over them.
FieldTexts WindowTexts(std::string_view window, const Texts& texts)
{
    FieldTexts result = FieldTexts::Initial(*FindCalculationWindow(window));
    for (const auto& [control, text] : texts)
        result.Set(control, text);
    return result;
}

LoopFigures Analysed(std::string_view window, const Texts& texts)
{
    auto analysed = AnalyseLoop(window, WindowTexts(window, texts));
    if (auto* reason = std::get_if<std::string>(&analysed))
        ADD_FAILURE() << "no loop: " << *reason;
    return std::get<LoopFigures>(std::move(analysed));
}

// The current-loop window's own results for its initial inputs.
const Texts kCurrentDefault = {{"Text5", "5.096"}, {"Text6", "15.9235668789809"}, {"Text8", "19.8744"},
                               {"Text9", "503.159843819184"}, {"Text10", "80.1209942387236"}};
// And for the voltage-loop window.
const Texts kVoltageDefault = {{"Text6", "2.38853503184713"}, {"Text7", "0.02512"}, {"Text8", "35.1164987345048"},
                               {"Text9", "96.4786660136388"}, {"Text10", "0.696593357553234"}};

Texts With(Texts texts, const Texts& changes)
{
    for (const auto& change : changes)
        texts.push_back(change);
    return texts;
}

constexpr const char* kLowMargin = "相位裕量小于 45°，环路阻尼不足，扰动后会振荡。";
constexpr const char* kAboveHalfSwitching = "穿越频率高于开关频率的一半（fs/2），平均模型在此已不成立。";
constexpr const char* kAtRipple = "穿越频率达到或高于纹波频率 2f，输出纹波不经衰减地通过电压环。";
constexpr const char* kNoCrossover = "在绘图的频率范围内环路增益没有穿过 0 dB，找不到穿越频率。";

struct DesignCase {
    const char* name;
    const char* window;
    Texts texts;
    double crossoverHz;
    double phaseMarginDeg;
    double rippleGainDb;  // NaN for the current loop
    std::vector<std::string> flags;
};

class LoopDesignTest : public ::testing::TestWithParam<DesignCase> {};

TEST_P(LoopDesignTest, CrossoverMarginAndFlags)
{
    const DesignCase& c = GetParam();
    const LoopFigures figures = Analysed(c.window, c.texts);
    ASSERT_TRUE(figures.crossoverHz);
    EXPECT_NEAR(*figures.crossoverHz, c.crossoverHz, c.crossoverHz * 1e-3);
    EXPECT_NEAR(*figures.phaseMarginDeg, c.phaseMarginDeg, 0.1);
    if (std::isnan(c.rippleGainDb)) {
        EXPECT_FALSE(figures.rippleGainDb);
    } else {
        ASSERT_TRUE(figures.rippleGainDb);
        EXPECT_NEAR(*figures.rippleGainDb, c.rippleGainDb, 0.01);
    }
    EXPECT_EQ(figures.flags, c.flags);
}

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Designs, LoopDesignTest,
    ::testing::Values(
        // Cp is 0.16 of Cz: the curve crosses near 18 kHz, not at Text6's 15.9 kHz.
        DesignCase{"current_initial", "dlbch", kCurrentDefault, 18074.65019, 39.768165, kNone, {kLowMargin}},
        DesignCase{"current_read_back_example",
                   "dlbch",
                   {{"Text1", "0.3"}, {"Text2", "50"}, {"Text3", "385"}, {"Text4", "1500"}, {"Text7", "3.3"},
                    {"Text5", "3.37662337662338"}, {"Text6", "7.96178343949045"}, {"Text8", "11.1428571428572"},
                    {"Text9", "1794.87179487178"}, {"Text10", "285.807610648373"}},
                   9037.325094, 39.768165, kNone, {kLowMargin}},
        // Cz a hundred times, Cp a hundredth of the window's.
        DesignCase{"current_small_pole_capacitor", "dlbch",
                   With(kCurrentDefault, {{"Text9", "50315.9843819184"}, {"Text10", "0.801209942387236"}}),
                   15916.01639, 89.335843, kNone, {}},
        DesignCase{"current_above_half_switching", "dlbch",
                   With(kCurrentDefault, {{"Text8", "80"}, {"Text9", "50"}, {"Text10", "5"}}), 66965.74876,
                   50.583717, kNone, {kAboveHalfSwitching}},
        DesignCase{"voltage_initial", "dybch", kVoltageDefault, 12.12724676, 11.049404, -36.48941871, {kLowMargin}},
        DesignCase{"voltage_470uF",
                   "dybch",
                   {{"Text3", "470"}, {"Text6", "1.2704973573655"}, {"Text7", "4.72255999999999E-02"},
                    {"Text8", "35.1164987345048"}, {"Text9", "96.4786660136388"}, {"Text10", "0.370528381677253"}},
                   11.84333669, 20.602151, -36.49558362, {kLowMargin}},
        DesignCase{"voltage_10nF_feedback", "dybch", With(kVoltageDefault, {{"Text10", "0.01"}}), 59.52053353,
                   70.160074, -5.334353282, {}},
        DesignCase{"voltage_above_ripple", "dybch",
                   With(kVoltageDefault, {{"Text1", "1000"}, {"Text3", "100"}, {"Text5", "20"}, {"Text10", "0.047"}}),
                   409.6397049, 4.8972487, 24.02330912, {kLowMargin, kAtRipple}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoopFiguresTest, SmallPoleCapacitorCrossesAtTheWindowsFigure)
{
    // With Cp ≪ Cz the loop crosses where the window's Text6 says, but for
    // the window's 6.28 standing for 2π.
    const double windowHz = 15923.5668789809;
    const LoopFigures figures = Analysed(
        "dlbch", With(kCurrentDefault, {{"Text9", "50315.9843819184"}, {"Text10", "0.801209942387236"}}));
    ASSERT_TRUE(figures.crossoverHz);
    EXPECT_NEAR(*figures.crossoverHz, windowHz, windowHz * (1 - 6.28 / (2 * std::numbers::pi)));
    ASSERT_TRUE(figures.windowFigure);
    EXPECT_DOUBLE_EQ(figures.windowFigure->frequencyHz, windowHz);
}

TEST(LoopFiguresTest, CurrentLoopSweepsTenHertzToTheSwitchingFrequency)
{
    const LoopFigures figures = Analysed("dlbch", kCurrentDefault);
    // Four decades at 50 points each, both ends included.
    ASSERT_EQ(figures.points.size(), 201u);
    EXPECT_DOUBLE_EQ(figures.points.front().frequencyHz, 10);
    EXPECT_NEAR(figures.points[100].frequencyHz, 1000, 1e-9);
    EXPECT_DOUBLE_EQ(figures.points.back().frequencyHz, 100000);
    EXPECT_NEAR(figures.points.front().gainDb, 126.789372236, 0.01);
    EXPECT_NEAR(figures.points.front().phaseDeg, -179.96894506, 0.01);
    EXPECT_NEAR(figures.points[100].gainDb, 46.8061585653, 0.01);
    EXPECT_NEAR(figures.points[100].phaseDeg, -176.899219437, 0.01);
    EXPECT_NEAR(figures.points.back().gainDb, -19.5560953538, 0.01);
    EXPECT_NEAR(figures.points.back().phaseDeg, -139.839713916, 0.01);
    EXPECT_DOUBLE_EQ(figures.limit.frequencyHz, 50000);
    EXPECT_EQ(figures.title, "电流环波特图");
}

TEST(LoopFiguresTest, VoltageLoopSweepsToAHundredTimesTheLineFrequency)
{
    const LoopFigures figures = Analysed("dybch", kVoltageDefault);
    // 0.01 Hz × 10^(k/50) for k = 0 to 284, then 5 kHz itself.
    ASSERT_EQ(figures.points.size(), 286u);
    EXPECT_NEAR(figures.points[100].frequencyHz, 1, 1e-12);
    EXPECT_NEAR(figures.points.front().gainDb, 76.0247485008, 0.01);
    EXPECT_NEAR(figures.points.front().phaseDeg, -90.2419415944, 0.01);
    EXPECT_NEAR(figures.points[100].gainDb, 35.3122223241, 0.01);
    EXPECT_NEAR(figures.points[100].phaseDeg, -112.892887148, 0.01);
    EXPECT_DOUBLE_EQ(figures.points.back().frequencyHz, 5000);
    EXPECT_NEAR(figures.points.back().gainDb, -104.445784951, 0.01);
    EXPECT_NEAR(figures.points.back().phaseDeg, -179.972862983, 0.01);
    EXPECT_DOUBLE_EQ(figures.limit.frequencyHz, 100);
    ASSERT_TRUE(figures.windowFigure);
    EXPECT_DOUBLE_EQ(figures.windowFigure->frequencyHz, 35.1164987345048);
    EXPECT_EQ(figures.title, "电压环波特图");
}

TEST(LoopFiguresTest, NoCrossoverInRangeIsSaid)
{
    // A microwatt leaves the gain at 0.01 Hz at 4.2e-5, below 0 dB already.
    const LoopFigures figures = Analysed("dybch", With(kVoltageDefault, {{"Text1", "0.000001"}}));
    EXPECT_FALSE(figures.crossoverHz);
    EXPECT_FALSE(figures.phaseMarginDeg);
    EXPECT_EQ(figures.flags, std::vector<std::string>{kNoCrossover});
    EXPECT_FALSE(figures.points.empty());
}

struct InvalidCase {
    const char* name;
    const char* window;
    Texts texts;
    const char* reason;
};

class LoopInvalidTest : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(LoopInvalidTest, NamesTheFieldAndWhy)
{
    const InvalidCase& c = GetParam();
    const auto analysed = AnalyseLoop(c.window, WindowTexts(c.window, c.texts));
    ASSERT_TRUE(std::holds_alternative<std::string>(analysed));
    EXPECT_EQ(std::get<std::string>(analysed), c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, LoopInvalidTest,
    ::testing::Values(
        // The initial texts leave the outputs empty: nothing computed yet.
        InvalidCase{"current_not_computed", "dlbch", {}, "「增益补偿电阻(K)」没有数值，无法构成环路。"},
        InvalidCase{"current_zero_capacitor", "dlbch", With(kCurrentDefault, {{"Text9", "0"}}),
                    "「零点补偿电容(PF)」为 0，无法构成环路。"},
        InvalidCase{"current_blank_capacitor", "dlbch", With(kCurrentDefault, {{"Text10", " \t\u3000"}}),
                    "「极点补偿电容(PF)」没有数值，无法构成环路。"},
        InvalidCase{"current_negative_rmo", "dlbch", With(kCurrentDefault, {{"Text7", "-3.9"}}),
                    "「Rmo(K)」为负值，无法构成环路。"},
        InvalidCase{"current_text_reads_as_zero", "dlbch", With(kCurrentDefault, {{"Text1", "abc"}}),
                    "「限流电阻(Ω)」为 0，无法构成环路。"},
        InvalidCase{"current_switching_below_plot", "dlbch", With(kCurrentDefault, {{"Text2", "0.005"}}),
                    "「开关频率(KHZ)」不高于绘图的下限 10 Hz，无法构成环路。"},
        InvalidCase{"voltage_infinite_capacitor", "dybch", With(kVoltageDefault, {{"Text10", "1e400"}}),
                    "「反馈补偿电容(uF)」超出数值范围，无法构成环路。"},
        InvalidCase{"voltage_zero_output_capacitor", "dybch", With(kVoltageDefault, {{"Text3", "0"}}),
                    "「输出滤波电容(uF)」为 0，无法构成环路。"},
        InvalidCase{"voltage_underflowing_capacitor", "dybch", With(kVoltageDefault, {{"Text10", "1e-320"}}),
                    "「反馈补偿电容(uF)」小到无法计算，无法构成环路。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoopFiguresTest, OnlyTheTwoLoopWindowsHaveFigures)
{
    EXPECT_TRUE(HasLoopFigures("dlbch"));
    EXPECT_TRUE(HasLoopFigures("dybch"));
    EXPECT_FALSE(HasLoopFigures("gl"));
}

}  // namespace
}  // namespace zentrova
