#pragma once

#include "calc/FieldTexts.h"

#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

struct WindowDescription;

// One field's text as a design holds it: exactly what the field showed,
// empty and non-numeric texts included.
struct DesignText {
    std::string_view control;  // the window description's own name
    std::string text;
};

// The texts a design holds for one calculation window, in the order of the
// window's field list. A design read from a file may name only some fields.
struct DesignWindow {
    const WindowDescription* window;
    std::vector<DesignText> texts;
};

// A whole design: the windows it names, in catalog order, and what a file
// named that this program does not know ("xyz", "gl.Text99"), skipped.
struct Design {
    std::vector<DesignWindow> windows;
    std::vector<std::string> skipped;

    // Every field of every window, from the texts given.
    static Design FromTexts(const std::vector<FieldTexts>& windows);

    // nullptr when the design does not name the window.
    const DesignWindow* Find(std::string_view name) const;
    // The window's initial texts with the design's texts set over them.
    FieldTexts TextsOf(const WindowDescription& window) const;
};

bool operator==(const DesignText& a, const DesignText& b);

}  // namespace zentrova
