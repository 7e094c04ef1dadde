#include "LoopFigures.h"

#include "CurrentLoopGain.h"
#include "LoopWindows.h"
#include "VoltageLoopGain.h"
#include "calc/FieldTexts.h"
#include "calc/ParseFieldValue.h"

#include <cmath>

namespace zentrova {
namespace {

constexpr std::string_view kCurrentWindow = "dlbch";
constexpr std::string_view kVoltageWindow = "dybch";

// The current loop's plot starts at 10 Hz and ends at fs; the voltage loop's
// spans 0.01 Hz to 100 times the line frequency.
constexpr double kCurrentLowHz = 10;
constexpr double kVoltageLowHz = 0.01;
constexpr double kVoltageHighPerLine = 100;

constexpr double kMinimumMarginDeg = 45;

const char* const kLowMarginFlag = "相位裕量小于 45°，环路阻尼不足，扰动后会振荡。";
const char* const kNoCrossoverFlag = "在绘图的频率范围内环路增益没有穿过 0 dB，找不到穿越频率。";
const char* const kAboveHalfSwitchingFlag = "穿越频率高于开关频率的一半（fs/2），平均模型在此已不成立。";
const char* const kAtRippleFlag = "穿越频率达到或高于纹波频率 2f，输出纹波不经衰减地通过电压环。";

std::string RangeReason(const WindowDescription& window, std::string_view control, std::string_view why)
{
    return "「" + std::string(window.FindField(control)->labelText) + "」" + std::string(why) + "，无法构成环路。";
}

// A window's own result as a frequency, when its text is a positive number.
std::optional<double> WindowFrequency(const FieldTexts& texts, std::string_view control, double scale)
{
    const double hz = ParseFieldValue(texts.Get(control)) * scale;
    if (!std::isfinite(hz) || hz <= 0)
        return std::nullopt;
    return hz;
}

LoopFigures Figures(std::string_view window, LoopResponse response, LoopMark limit)
{
    LoopFigures figures{.title = std::string(LoopTitle(window)),
                        .response = std::move(response),
                        .crossoverHz = std::nullopt,
                        .phaseMarginDeg = std::nullopt,
                        .rippleGainDb = std::nullopt,
                        .limit = std::move(limit),
                        .windowFigure = std::nullopt,
                        .flags = {},
                        .points = {}};
    figures.crossoverHz = figures.response.CrossoverHz();
    if (figures.crossoverHz) {
        figures.phaseMarginDeg = figures.response.PhaseMarginDeg(*figures.crossoverHz);
        if (*figures.phaseMarginDeg < kMinimumMarginDeg)
            figures.flags.emplace_back(kLowMarginFlag);
    } else {
        figures.flags.emplace_back(kNoCrossoverFlag);
    }
    figures.points = figures.response.Sweep();
    return figures;
}

std::variant<LoopFigures, std::string> CurrentLoop(const FieldTexts& texts)
{
    auto made = CurrentLoopGain::FromTexts(texts);
    if (auto* reason = std::get_if<std::string>(&made))
        return std::move(*reason);
    const CurrentLoopGain gain = std::get<CurrentLoopGain>(made);
    const double fs = gain.parts().switchingHz;
    if (fs <= kCurrentLowHz)
        return RangeReason(kCurrentLoopWindow, "Text2", "不高于绘图的下限 10 Hz");
    LoopFigures figures = Figures(kCurrentWindow, LoopResponse([gain](double hz) { return gain.At(hz); }, kCurrentLowHz, fs),
                                  LoopMark{fs / 2, "fs/2"});
    if (figures.crossoverHz && *figures.crossoverHz > fs / 2)
        figures.flags.emplace_back(kAboveHalfSwitchingFlag);
    if (const auto hz = WindowFrequency(texts, "Text6", 1e3))
        figures.windowFigure = LoopMark{*hz, "窗口的穿越频率", "Text6"};
    return figures;
}

std::variant<LoopFigures, std::string> VoltageLoop(const FieldTexts& texts)
{
    auto made = VoltageLoopGain::FromTexts(texts);
    if (auto* reason = std::get_if<std::string>(&made))
        return std::move(*reason);
    const VoltageLoopGain gain = std::get<VoltageLoopGain>(made);
    const double highHz = kVoltageHighPerLine * gain.parts().lineHz;
    if (!std::isfinite(highHz) || highHz <= kVoltageLowHz)
        return RangeReason(kVoltageLoopWindow, "Text2", "超出绘图的频率范围");
    const double ripple = gain.rippleHz();
    LoopFigures figures = Figures(kVoltageWindow, LoopResponse([gain](double hz) { return gain.At(hz); }, kVoltageLowHz, highHz),
                                  LoopMark{ripple, "2f"});
    figures.rippleGainDb = figures.response.At(ripple).gainDb;
    if (figures.crossoverHz && *figures.crossoverHz >= ripple)
        figures.flags.emplace_back(kAtRippleFlag);
    if (const auto hz = WindowFrequency(texts, "Text8", 1))
        figures.windowFigure = LoopMark{*hz, "窗口的极点频率", "Text8"};
    return figures;
}

}  // namespace

bool HasLoopFigures(std::string_view window)
{
    return window == kCurrentWindow || window == kVoltageWindow;
}

std::string_view LoopTitle(std::string_view window)
{
    return window == kCurrentWindow ? "电流环波特图" : "电压环波特图";
}

std::variant<LoopFigures, std::string> AnalyseLoop(std::string_view window, const FieldTexts& texts)
{
    if (window == kCurrentWindow)
        return CurrentLoop(texts);
    if (window == kVoltageWindow)
        return VoltageLoop(texts);
    return "窗口 " + std::string(window) + " 没有环路模型。";
}

}  // namespace zentrova
