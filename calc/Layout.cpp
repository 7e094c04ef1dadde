#include "Layout.h"

#include "WindowDescription.h"

#include <algorithm>
#include <map>
#include <utility>

namespace zentrova {
namespace {

constexpr int kMarginPx = 8;
constexpr int kCellGapPx = 4;
constexpr int kFieldHeightPx = 21;
constexpr int kButtonHeightPx = 25;
constexpr int kButtonWidthPx = 75;

// One control of a row: a label, a field or a button, with its grid units.
struct Slot {
    std::string_view control;
    ControlKind kind;
    std::string_view text;
    int units;
};

std::vector<Slot> SlotsOf(const WindowDescription& window, const Row& row)
{
    std::vector<Slot> slots;
    for (const Cell& cell : row.cells) {
        if (cell.control.empty())
            continue;
        if (const FieldDescription* field = window.FindField(cell.control)) {
            slots.push_back({field->labelControl, ControlKind::Label, field->labelText, cell.labelUnits});
            slots.push_back({field->control, ControlKind::Field, field->initialText, cell.units});
        } else {
            const std::string_view caption = cell.control == window.computeButton  ? kComputeCaption
                                             : cell.control == window.returnButton ? kReturnCaption
                                                                                   : std::string_view{};
            slots.push_back({cell.control, ControlKind::Button, caption, cell.units});
        }
    }
    return slots;
}

// Rows whose slots have the same kinds and units stand in the same columns.
using ColumnKey = std::vector<std::pair<ControlKind, int>>;

ColumnKey KeyOf(const std::vector<Slot>& slots)
{
    ColumnKey key;
    for (const Slot& slot : slots)
        key.emplace_back(slot.kind, slot.units);
    return key;
}

int Need(const Slot& slot, const TextWidths& widths)
{
    switch (slot.kind) {
    case ControlKind::Label:
        return widths.label ? widths.label(slot.text) : 0;
    case ControlKind::Field:
        return widths.field;
    case ControlKind::Button:
        return 0;
    }
    return 0;
}

// The visible width of slot i between edges: the gap between two slots is
// split evenly over their edge.
int VisibleWidth(const std::vector<int>& edges, std::size_t i)
{
    const int left = edges[i] + (i > 0 ? kCellGapPx / 2 : 0);
    const int right = edges[i + 1] - (i + 2 < edges.size() ? kCellGapPx / 2 : 0);
    return right - left;
}

std::vector<int> GridEdges(const ColumnKey& key, int usable)
{
    std::vector<int> edges{kMarginPx};
    int units = 0;
    for (const auto& slot : key) {
        units += slot.second;
        edges.push_back(kMarginPx + usable * units / kGridUnits);
    }
    return edges;
}

// The edges of a group of rows: the grid's where every need fits; else each
// slot gets its need plus its units' share of the room left; the grid's
// again where the row has no room for every need.
std::vector<int> ColumnEdges(const ColumnKey& key, const std::vector<int>& needs, int usable)
{
    std::vector<int> edges = GridEdges(key, usable);
    bool fits = true;
    int needed = 0;
    for (std::size_t i = 0; i < needs.size(); ++i) {
        fits = fits && VisibleWidth(edges, i) >= needs[i];
        needed += needs[i];
    }
    const int spare = usable - kCellGapPx * static_cast<int>(needs.size() - 1) - needed;
    if (fits || spare < 0)
        return edges;
    int units = 0;
    int given = 0;
    for (std::size_t i = 0; i < needs.size(); ++i) {
        units += key[i].second;
        const int share = spare * units / kGridUnits - given;
        given += share;
        const int gaps = (i > 0 ? kCellGapPx / 2 : 0) + (i + 1 < needs.size() ? kCellGapPx / 2 : 0);
        edges[i + 1] = edges[i] + needs[i] + share + gaps;
    }
    return edges;
}

}  // namespace

std::vector<ControlPlace> LayOutWindow(const WindowDescription& window, const TextWidths& widths)
{
    const int width = window.clientWidthTwips / kTwipsPerPixel;
    const int height = window.clientHeightTwips / kTwipsPerPixel;
    const int usable = width - 2 * kMarginPx;
    const int rowCount = static_cast<int>(window.rows.size());
    const int pitch = rowCount > 0 ? (height - 2 * kMarginPx) / rowCount : 0;

    std::vector<std::vector<Slot>> rows;
    std::map<ColumnKey, std::vector<int>> needs;
    for (const Row& row : window.rows) {
        rows.push_back(SlotsOf(window, row));
        std::vector<int>& columnNeeds = needs[KeyOf(rows.back())];
        columnNeeds.resize(rows.back().size());
        for (std::size_t i = 0; i < rows.back().size(); ++i)
            columnNeeds[i] = std::max(columnNeeds[i], Need(rows.back()[i], widths));
    }
    std::map<ColumnKey, std::vector<int>> edges;
    for (const auto& [key, columnNeeds] : needs)
        edges.emplace(key, ColumnEdges(key, columnNeeds, usable));

    std::vector<ControlPlace> places;
    for (int r = 0; r < rowCount; ++r) {
        const int centre = kMarginPx + pitch * r + pitch / 2;
        const std::vector<Slot>& slots = rows[static_cast<std::size_t>(r)];
        const std::vector<int>& rowEdges = edges.at(KeyOf(slots));
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const Slot& slot = slots[i];
            int left = rowEdges[i] + (i > 0 ? kCellGapPx / 2 : 0);
            int slotWidth = VisibleWidth(rowEdges, i);
            int slotHeight = kFieldHeightPx;
            if (slot.kind == ControlKind::Button) {
                // A button stands centred under its share of the row.
                const int buttonWidth = std::min(slotWidth, kButtonWidthPx);
                left += (slotWidth - buttonWidth) / 2;
                slotWidth = buttonWidth;
                slotHeight = kButtonHeightPx;
            }
            places.push_back({slot.control, slot.kind, slot.text, left * kTwipsPerPixel,
                              (centre - slotHeight / 2) * kTwipsPerPixel, slotWidth * kTwipsPerPixel,
                              slotHeight * kTwipsPerPixel});
        }
    }
    return places;
}

}  // namespace zentrova
