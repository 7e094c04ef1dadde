#pragma once

#include "calc/ComputeAction.h"

#include <optional>
#include <string>

namespace zentrova {

class FieldTexts;

// The JSON form of one compute action's results, on one line:
// {"window": ..., "fields": {CONTROL: TEXT, ...}, "fault": null or
// {"step": ..., "target": ..., "kind": ...}}, the fields in visual order.
void AppendJsonResult(std::string& out, const FieldTexts& texts, const std::optional<ComputeFault>& fault);

}  // namespace zentrova
