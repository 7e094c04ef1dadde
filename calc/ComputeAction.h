#pragma once

#include "ArithmeticFault.h"

#include <optional>
#include <string_view>

namespace zentrova {

class FieldTexts;
struct WindowDescription;

// Where a compute action stopped: the 1-based step number, its target field
// and what went wrong.
struct ComputeFault {
    int step;
    std::string_view target;
    FaultKind kind;
};

// Runs the window's steps in order on its texts. At the first faulting step
// the run stops: that step's target and every later one keep their texts,
// the earlier steps' results stay written.
std::optional<ComputeFault> RunComputeAction(const WindowDescription& window, FieldTexts& texts);

}  // namespace zentrova
