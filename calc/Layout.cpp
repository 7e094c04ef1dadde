#include "Layout.h"

#include "WindowDescription.h"

#include <algorithm>

namespace zentrova {
namespace {

constexpr int kMarginPx = 8;
constexpr int kCellGapPx = 4;
constexpr int kFieldHeightPx = 21;
constexpr int kButtonHeightPx = 25;
constexpr int kButtonWidthPx = 75;

// Lays out the cells of one row, left to right, in pixels.
class RowPlacer {
public:
    RowPlacer(int usableWidth, int rowCentre, std::vector<ControlPlace>& places)
        : usable_(usableWidth), centre_(rowCentre), places_(places)
    {
    }

    void Field(const FieldDescription& field, int labelUnits, int units)
    {
        Place(field.labelControl, ControlKind::Label, field.labelText, labelUnits, kFieldHeightPx, false);
        Place(field.control, ControlKind::Field, field.initialText, units, kFieldHeightPx, false);
    }

    void Button(std::string_view control, std::string_view caption, int units)
    {
        Place(control, ControlKind::Button, caption, units, kButtonHeightPx, true);
    }

private:
    void Place(std::string_view control, ControlKind kind, std::string_view text, int units, int height,
               bool centred)
    {
        const int start = unit_;
        unit_ += units;
        int left = kMarginPx + usable_ * start / kGridUnits + (start > 0 ? kCellGapPx / 2 : 0);
        int right = kMarginPx + usable_ * unit_ / kGridUnits - (unit_ < kGridUnits ? kCellGapPx / 2 : 0);
        if (centred) {
            const int width = std::min(right - left, kButtonWidthPx);
            left += (right - left - width) / 2;
            right = left + width;
        }
        places_.push_back({control, kind, text, left * kTwipsPerPixel, (centre_ - height / 2) * kTwipsPerPixel,
                           (right - left) * kTwipsPerPixel, height * kTwipsPerPixel});
    }

    int usable_;
    int centre_;
    int unit_ = 0;
    std::vector<ControlPlace>& places_;
};

}  // namespace

std::vector<ControlPlace> LayOutWindow(const WindowDescription& window)
{
    const int width = window.clientWidthTwips / kTwipsPerPixel;
    const int height = window.clientHeightTwips / kTwipsPerPixel;
    const int rowCount = static_cast<int>(window.rows.size());
    const int pitch = rowCount > 0 ? (height - 2 * kMarginPx) / rowCount : 0;

    std::vector<ControlPlace> places;
    for (int r = 0; r < rowCount; ++r) {
        RowPlacer row(width - 2 * kMarginPx, kMarginPx + pitch * r + pitch / 2, places);
        for (const Cell& cell : window.rows[static_cast<std::size_t>(r)].cells) {
            if (cell.control.empty())
                continue;
            if (const FieldDescription* field = window.FindField(cell.control))
                row.Field(*field, cell.labelUnits, cell.units);
            else
                row.Button(cell.control, cell.control == window.computeButton ? kComputeCaption : kReturnCaption,
                           cell.units);
        }
    }
    return places;
}

}  // namespace zentrova
