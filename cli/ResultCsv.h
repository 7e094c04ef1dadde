#pragma once

#include "calc/ComputeAction.h"

#include <optional>
#include <string>

namespace zentrova {

class FieldTexts;
struct WindowDescription;

// The CSV form of results, one row per compute action: every field of the
// window in visual order, then where the action faulted. A batch adds an
// `error` column for the input lines it could not read.
void AppendCsvHeader(std::string& out, const WindowDescription& window, bool errorColumn);

// The fault columns stay empty for an action that ran through.
void AppendCsvResult(std::string& out, const FieldTexts& texts, const std::optional<ComputeFault>& fault,
                     bool errorColumn);

// A row in place of a result: every column empty but the error.
void AppendCsvError(std::string& out, const WindowDescription& window, std::string_view error);

}  // namespace zentrova
