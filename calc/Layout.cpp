#include "Layout.h"

#include "WindowDescription.h"

#include <algorithm>

namespace zentrova {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMarginPx = 8;
constexpr int kCellGapPx = 4;
constexpr int kFieldHeightPx = 21;
constexpr int kButtonHeightPx = 25;
constexpr int kButtonWidthPx = 75;

ControlKind KindOf(const WindowDescription& window, std::string_view control)
{
    if (control == window.computeButton || control == window.returnButton)
        return ControlKind::Button;
    for (const FieldDescription& field : window.fields) {
        if (field.control == control)
            return ControlKind::Field;
    }
    return ControlKind::Label;
}

}  // namespace

std::vector<ControlPlace> LayOutWindow(const WindowDescription& window)
{
    const int width = window.clientWidthTwips / kTwipsPerPixel;
    const int height = window.clientHeightTwips / kTwipsPerPixel;
    const int usable = width - 2 * kMarginPx;
    const int rowCount = static_cast<int>(window.rows.size());
    const int pitch = rowCount > 0 ? (height - 2 * kMarginPx) / rowCount : 0;

    std::vector<ControlPlace> places;
    for (int r = 0; r < rowCount; ++r) {
        const int rowCentre = kMarginPx + pitch * r + pitch / 2;
        int unit = 0;
        for (const Cell& cell : window.rows[static_cast<std::size_t>(r)].cells) {
            if (cell.control.empty())
                continue;
            const int start = unit;
            unit += cell.units;
            int left = kMarginPx + usable * start / kGridUnits + (start > 0 ? kCellGapPx / 2 : 0);
            int right = kMarginPx + usable * unit / kGridUnits - (unit < kGridUnits ? kCellGapPx / 2 : 0);
            const ControlKind kind = KindOf(window, cell.control);
            int h = kFieldHeightPx;
            if (kind == ControlKind::Button) {
                h = kButtonHeightPx;
                const int w = std::min(right - left, kButtonWidthPx);
                left += (right - left - w) / 2;
                right = left + w;
            }
            places.push_back({cell.control, kind, left * kTwipsPerPixel, (rowCentre - h / 2) * kTwipsPerPixel,
                              (right - left) * kTwipsPerPixel, h * kTwipsPerPixel});
        }
    }
    return places;
}

}  // namespace zentrova
