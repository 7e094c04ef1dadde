#pragma once

#include <string>
#include <string_view>

namespace zentrova {

struct ComputeWorking;
struct FieldDescription;
struct WindowDescription;

// A field's hover text: its symbol, meaning and unit; for a result also its
// working in the last compute (formula, values, result and standard values),
// or its formula in symbols before that compute reached it; and first, for a
// result that no longer belongs to the inputs, why to compute again.
std::string FieldToolTip(const WindowDescription& window, const FieldDescription& field, const ComputeWorking* last,
                         std::string_view staleReason);

}  // namespace zentrova
