#pragma once

#include "ComputeAction.h"
#include "ESeries.h"
#include "PartKind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

class FieldTexts;
struct ComputeStep;
struct WindowDescription;

// A symbol that a formula defines for a part of itself ("D", "IAC"), with
// its own formula, values and value.
struct Definition {
    std::string symbol;
    std::string meaning;
    std::string formula;
    std::string values;
    std::string value;  // its value as a result text, or empty when it faults
};

// A formula in symbols and with the values of one run substituted.
struct FormulaWorking {
    std::string formula;
    std::string values;
    std::vector<Definition> where;
    bool roundsThroughText = false;  // uses r15(…), which the legend explains
};

// The standard design procedure's value beside a window's own result.
struct ReferenceWorking {
    std::string_view symbol;
    FormulaWorking working;
    std::optional<std::string> text;  // the value as a result text; none when it cannot be computed
    std::string failure;              // why not, in Chinese
    std::string_view unit;
    std::string_view note;
    PartKind part = PartKind::None;
    std::vector<StandardValues> standard;
};

// How one step of a run came to its result, or where and why it faulted.
struct StepWorking {
    int step = 0;  // 1-based
    const ComputeStep* description = nullptr;
    std::string_view target;
    std::string_view label;
    std::string_view symbol;
    std::string_view unit;
    std::string_view circuit;
    PartKind part = PartKind::None;
    FormulaWorking working;
    std::optional<std::string> text;  // the result written; none when the step faulted
    std::optional<ComputeFault> fault;
    std::string faultReason;  // in Chinese, naming the divisor of a division by zero
    std::vector<StandardValues> standard;  // for a positive result that sizes a part
    std::optional<ReferenceWorking> reference;
};

struct ComputeWorking {
    std::optional<ComputeFault> fault;
    std::vector<StepWorking> steps;  // every step that ran, the faulting one last
};

// Runs the compute action exactly as RunComputeAction does, writing the same
// texts, and records the working of every step that ran. The standard
// procedure's values are computed afterwards from the texts the run left.
ComputeWorking ExplainComputeAction(const WindowDescription& window, FieldTexts& texts);

// A step's formula in symbols alone, "IL,pk = (Pout × 1.414) ÷ Vin,min",
// for a result that has not been computed yet.
std::string StepFormulaText(const WindowDescription& window, const ComputeStep& step);

// The working as text, the same in the working panel, on the command line
// and in reports. A step's lines, and the whole run with its heading lines.
std::string StepWorkingText(const StepWorking& step);
std::string ComputeWorkingText(const WindowDescription& window, const ComputeWorking& working);

// The Chinese sentence saying why a step faulted, naming the divisor that
// was zero for a division by zero, computed from the texts the run left.
std::string FaultReasonText(const WindowDescription& window, const ComputeFault& fault, const FieldTexts& texts);

// Whether the result of `output` depends on the text of `field`, directly
// or through earlier results it reads back: what goes stale when that
// field is edited.
bool ResultDependsOn(const WindowDescription& window, std::string_view output, std::string_view field);

// A value as the working shows it: its result text when that reads back as
// the same double, else its shortest exact form; "∞" beyond the range.
std::string ValueText(double value);

}  // namespace zentrova
