#pragma once

#include <string_view>
#include <vector>

namespace zentrova {

struct FieldDescription;
struct WindowDescription;

// A field of another window that holds the same quantity of the design.
struct QuantityHolder {
    const WindowDescription* window;
    const FieldDescription* field;
    bool converted;  // its unit differs, and the value is converted to it
};

// The fields of the other calculation windows that hold the quantity of
// `control` in `window`: same quantity, and a unit of the same dimension.
// Empty for a field whose quantity no other window holds.
std::vector<QuantityHolder> FieldsHoldingTheSameQuantity(const WindowDescription& window, std::string_view control);

}  // namespace zentrova
