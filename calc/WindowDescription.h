#pragma once

#include "ComputeStep.h"
#include "Quantity.h"
#include "Unit.h"

#include <array>
#include <span>
#include <string_view>

namespace zentrova {

inline constexpr std::string_view kComputeCaption = "计算";
inline constexpr std::string_view kReturnCaption = "返回";

enum class FieldRole { Input, Output };

// One field with its label. The label is the window's own text; symbol,
// unit and meaning say what the number really is where the label's unit
// disagrees with the formula's scaling.
struct FieldDescription {
    std::string_view control;       // "Text1"
    std::string_view labelControl;  // "Label1"
    std::string_view labelText;
    std::string_view initialText;   // empty for outputs
    FieldRole role;
    std::string_view symbol;        // "Pout"
    Unit unit;
    std::string_view meaning;       // short, in Chinese
    Quantity quantity = Quantity::None;
};

constexpr FieldDescription Input(std::string_view control, std::string_view labelControl, std::string_view labelText,
                                 std::string_view initialText, std::string_view symbol, Unit unit,
                                 std::string_view meaning, Quantity quantity = Quantity::None)
{
    return {control, labelControl, labelText, initialText, FieldRole::Input, symbol, unit, meaning, quantity};
}

constexpr FieldDescription Output(std::string_view control, std::string_view labelControl, std::string_view labelText,
                                  std::string_view symbol, Unit unit, std::string_view meaning,
                                  Quantity quantity = Quantity::None)
{
    return {control, labelControl, labelText, {}, FieldRole::Output, symbol, unit, meaning, quantity};
}

constexpr Formula Formula::Read(std::span<const FieldDescription> fields, std::string_view control)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].control == control)
            return Leaf({Operation::Field, control, 0, {}, static_cast<int>(i)});
    }
    throw "the window has no such field";
}

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

// Everything a calculation window is: the GUI, the command-line twin and
// every explanation are built from this, so a window is described exactly once.
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
    // The index of the field in `fields`, or -1.
    int FieldIndex(std::string_view control) const;
};

}  // namespace zentrova
