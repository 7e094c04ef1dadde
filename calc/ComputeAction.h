#pragma once

#include "ArithmeticFault.h"

#include <optional>
#include <string_view>

namespace zentrova {

class FieldTexts;
struct ComputeStep;
struct WindowDescription;

// Where a compute action stopped: the 1-based step number, its target field
// and what went wrong. `node` is the formula node whose operation failed,
// -1 when the result itself could not be written.
struct ComputeFault {
    int step;
    std::string_view target;
    FaultKind kind;
    int node = -1;
};

// One step: evaluates its formula on the texts and writes the result's text
// into its target. On a fault nothing is written and ArithmeticFault is
// raised; a result whose 15-digit text would read back beyond the double
// range faults as an overflow there too.
void RunStep(const ComputeStep& step, FieldTexts& texts);

// Runs the window's steps in order on its texts. At the first faulting step
// the run stops: that step's target and every later one keep their texts,
// the earlier steps' results stay written.
std::optional<ComputeFault> RunComputeAction(const WindowDescription& window, FieldTexts& texts);

}  // namespace zentrova
