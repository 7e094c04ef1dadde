#pragma once

#include "LoopPoint.h"
#include "LoopResponse.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zentrova {

class FieldTexts;

// A frequency the plot marks, with the name it is labelled by and, for a
// figure of the window, the field it comes from.
struct LoopMark {
    double frequencyHz;
    std::string name;
    std::string_view control = {};
};

// Everything a loop's Bode plot shows: the curve, crossover and phase margin,
// the frequency where the loop's own caveat begins (fs/2 or 2f), the figure
// that the window itself computed, and the warnings as plain sentences.
struct LoopFigures {
    std::string title;
    LoopResponse response;
    std::optional<double> crossoverHz;
    std::optional<double> phaseMarginDeg;  // with the crossover
    std::optional<double> rippleGainDb;  // the voltage loop's gain at 2f
    LoopMark limit;
    std::optional<LoopMark> windowFigure;  // when its text is a positive number
    std::vector<std::string> flags;
    std::vector<LoopPoint> points;
};

// The windows that have a loop plot: dlbch and dybch.
bool HasLoopFigures(std::string_view window);
// The plot's title for such a window.
std::string_view LoopTitle(std::string_view window);

// The figures of the loop that the window's texts make, or why they make
// none: a Chinese sentence naming the field.
std::variant<LoopFigures, std::string> AnalyseLoop(std::string_view window, const FieldTexts& texts);

}  // namespace zentrova
