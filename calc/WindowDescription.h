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

inline constexpr int kGridUnits = 24;

// One field with its label standing to its left, or one button, and their
// shares of a row in grid units.
struct Cell {
    std::string_view control;  // a field or a button
    int labelUnits = 0;  // fields only
    int units = 0;
};

// Cells from left to right; an unused second cell stays empty.
struct Row {
    std::array<Cell, 2> cells{};
};

// A field and its label across the whole row.
constexpr Row FieldRow(std::string_view field, int labelUnits)
{
    return Row{{{Cell{field, labelUnits, kGridUnits - labelUnits}}}};
}

// The compute and return buttons side by side, each under its share of the row.
constexpr Row ButtonRow(std::string_view left, std::string_view right, int leftUnits = kGridUnits / 2)
{
    return Row{{{Cell{left, 0, leftUnits}, Cell{right, 0, kGridUnits - leftUnits}}}};
}

// Everything a calculation window is: the GUI and the command-line twin are
// both built from this, so a window is described exactly once.
struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidthTwips;
    int clientHeightTwips;
    std::span<const FieldDescription> fields;  // in visual order
    std::string_view computeButton = "Command1";
    std::string_view returnButton = "Command2";
    std::span<const Row> rows;  // top to bottom
    std::span<const std::string_view> tabOrder;  // its first control takes the focus
    std::span<const ComputeStep> steps;  // run in this order

    const FieldDescription* FindField(std::string_view control) const;
};

}  // namespace zentrova
