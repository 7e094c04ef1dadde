#pragma once

#include "calc/FieldTexts.h"

#include <optional>
#include <string>
#include <string_view>

namespace zentrova {

struct WindowDescription;

// Reads the part values a loop model is built from. A loop needs every part
// to be a positive, finite number: the first field that is not sets the
// reason, a Chinese sentence naming the field by its label, and every later
// read gives nothing.
class LoopPartReader {
public:
    LoopPartReader(const WindowDescription& window, const FieldTexts& texts) : window_(window), texts_(texts) {}

    // The field's number times `scale`, which turns the field's unit into
    // the base SI unit; nothing when the field gives no usable value.
    std::optional<double> Read(std::string_view control, double scale = 1);

    bool ok() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }

private:
    const WindowDescription& window_;
    const FieldTexts& texts_;
    std::string reason_;
};

}  // namespace zentrova
