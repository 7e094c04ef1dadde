#include "BodeOutput.h"

#include "JsonText.h"
#include "calc/WindowDescription.h"

#include <charconv>
#include <cmath>

namespace zentrova {
namespace {

// Shortest text that reads back to the same double, whatever the locale.
std::string NumberText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// JSON has no infinities: a gain beyond the double range is null.
std::string JsonNumber(std::optional<double> value)
{
    return value && std::isfinite(*value) ? NumberText(*value) : "null";
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
    if (!figures_)
        return {};
    std::string csv = "frequency_hz,gain_db,phase_deg\n";
    for (const LoopPoint& point : figures_->points)
        csv += NumberText(point.frequencyHz) + "," + NumberText(point.gainDb) + "," + NumberText(point.phaseDeg) + "\n";
    return csv;
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
