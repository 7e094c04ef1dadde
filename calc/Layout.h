#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace zentrova {

struct WindowDescription;

// Positions and sizes are in twips, 1/1440 inch: 15 twips make one pixel at
// 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

enum class ControlKind { Label, Field, Button };

// A control's place in its window's client area, in twips (whole pixels at
// 15 twips per pixel).
struct ControlPlace {
    std::string_view control;
    ControlKind kind;
    std::string_view text;  // a label's text, a field's initial text, a button's caption
    int left;
    int top;
    int width;
    int height;
};

// Widths in pixels that the window toolkit measures in the fonts the window
// shows: what a label needs to show its text whole, and what a field needs
// to show a result's longest text whole.
struct TextWidths {
    std::function<int(std::string_view)> label;
    int field = 0;
};

// Places every control of the window from its rows: rows share the client
// height evenly, cells share a row by their grid units, and each field's
// label stands to its left. Rows of the same cells form columns; where a
// column is narrower than the widths its labels or fields need, the columns
// of those rows are widened to the need and share the rest by their grid
// units, as long as the row has room for every need.
std::vector<ControlPlace> LayOutWindow(const WindowDescription& window, const TextWidths& widths = {});

}  // namespace zentrova
