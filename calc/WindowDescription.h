#pragma once

#include "ComputeStep.h"

#include <array>
#include <span>
#include <string_view>

namespace zentrova {

inline constexpr std::string_view kComputeCaption = "计算";
inline constexpr std::string_view kReturnCaption = "返回";

enum class FieldRole { Input, Output };

struct FieldDescription {
    std::string_view control;  // "Text1"
    std::string_view labelControl;  // "Label1"
    std::string_view labelText;
    std::string_view initialText;  // empty for outputs
    FieldRole role;
};

// One control of a layout row and its share of the row, in grid units.
struct Cell {
    std::string_view control;
    int units = 0;
};

// Cells from left to right; unused trailing cells stay empty.
struct Row {
    std::array<Cell, 4> cells{};
};

inline constexpr int kGridUnits = 24;

// Everything a calculation window is: the GUI and the command-line twin are
// both built from this, so a window is described exactly once.
struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidthTwips;
    int clientHeightTwips;
    std::span<const FieldDescription> fields;  // in visual order
    std::string_view computeButton;
    std::string_view returnButton;
    std::span<const Row> rows;  // top to bottom
    std::span<const std::string_view> tabOrder;  // its first control takes the focus
    std::span<const ComputeStep> steps;  // run in this order

    const FieldDescription* FindField(std::string_view control) const;
};

}  // namespace zentrova
