#include "BodeOutput.h"

#include "JsonText.h"
#include "calc/WindowDescription.h"
#include "loops/LoopPointsCsv.h"

#include <cmath>

namespace zentrova {
namespace {

// JSON has no infinities: a gain beyond the double range is null.
std::string JsonNumber(std::optional<double> value)
{
    return value && std::isfinite(*value) ? RoundTripText(*value) : "null";
}

}  // namespace

BodeOutput::BodeOutput(const WindowDescription& window, const FieldTexts& texts,
                       const std::optional<ComputeFault>& fault)
{
    if (fault)
        return;
    auto analysed = AnalyseLoop(window.name, texts);
    if (auto* reason = std::get_if<std::string>(&analysed))
        problem_ = std::string(window.name) + ": no loop to plot: " + *reason;
    else
        figures_ = std::get<LoopFigures>(std::move(analysed));
}

std::string BodeOutput::Csv() const
{
    return figures_ ? LoopPointsCsv(figures_->points) : std::string();
}

std::string BodeOutput::JsonMember() const
{
    if (!figures_)
        return ", \"loop\": null";
    const LoopFigures& f = *figures_;
    std::string json = ", \"loop\": {\"crossover_hz\": " + JsonNumber(f.crossoverHz) +
                       ", \"phase_margin_deg\": " + JsonNumber(f.phaseMarginDeg) +
                       ", \"ripple_gain_db\": " + JsonNumber(f.rippleGainDb) + ", \"flags\": [";
    for (std::size_t i = 0; i < f.flags.size(); ++i)
        json += (i ? ", " : "") + JsonString(f.flags[i]);
    json += "], \"points\": [";
    for (std::size_t i = 0; i < f.points.size(); ++i) {
        const LoopPoint& p = f.points[i];
        json += std::string(i ? ", " : "") + "[" + JsonNumber(p.frequencyHz) + ", " + JsonNumber(p.gainDb) + ", " +
                JsonNumber(p.phaseDeg) + "]";
    }
    return json + "]}";
}

}  // namespace zentrova
