#include "LoopPartReader.h"

#include "calc/ParseFieldValue.h"
#include "calc/WindowDescription.h"

#include <cmath>

namespace zentrova {
namespace {

// Nothing but the blanks that ParseFieldValue drops: ASCII blanks and the
// ideographic space.
bool IsBlank(std::string_view text)
{
    constexpr std::string_view kIdeographicSpace = "\u3000";
    while (!text.empty()) {
        if (text.front() == ' ' || text.front() == '\t' || text.front() == '\n')
            text.remove_prefix(1);
        else if (text.starts_with(kIdeographicSpace))
            text.remove_prefix(kIdeographicSpace.size());
        else
            return false;
    }
    return true;
}

}  // namespace

std::optional<double> LoopPartReader::Read(std::string_view control, double scale)
{
    if (!ok())
        return std::nullopt;
    const FieldDescription* field = window_.FindField(control);
    const std::string label = field ? std::string(field->labelText) : std::string(control);
    const auto fail = [&](std::string_view why) {
        reason_ = "「" + label + "」" + std::string(why) + "，无法构成环路。";
        return std::nullopt;
    };
    if (IsBlank(texts_.Get(control)))
        return fail("没有数值");
    const double value = ParseFieldValue(texts_.Get(control));
    if (value < 0)
        return fail("为负值");
    // Scaled, so that a part too small or too large for its base unit counts too.
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return fail("超出数值范围");
    if (scaled == 0)
        return fail(value == 0 ? "为 0" : "小到无法计算");
    return scaled;
}

}  // namespace zentrova
