#pragma once

#include "calc/ArithmeticFault.h"
#include "calc/ComputeAction.h"
#include "calc/FormulaEvaluation.h"
#include "calc/FieldTexts.h"
#include "calc/FormatResult.h"
#include "calc/ParseFieldValue.h"
#include "calc/FloatBits.h"
#include "calc/WindowDescription.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What must hold after any compute action, whatever the texts were: shared
// by the compute-action fuzz target and the stress test of the core suite.
namespace zentrova::fuzz {

// True when the text is exactly what a step writes for some finite result,
// so it can be neither "inf" nor "nan" nor anything FormatResult never makes.
inline bool IsResultText(std::string_view text)
{
    const double value = ParseFieldValue(text);
    return IsFinite(value) && FormatResult(value) == text;
}

inline std::string StepName(std::size_t index)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, index + 1).ptr;
    return "step " + std::string(digits, end);
}

// Empty when the run from `before` to `after` (with `fault` as returned) is
// one the program may produce; otherwise what is wrong with it.
inline std::string ComputeRunProblem(const WindowDescription& window, const FieldTexts& before,
                                     const FieldTexts& after, const std::optional<ComputeFault>& fault)
{
    const std::span<const ComputeStep> steps = window.steps;
    std::size_t completed = steps.size();
    if (fault) {
        if (fault->step < 1 || static_cast<std::size_t>(fault->step) > steps.size())
            return "the fault names a step the window does not have";
        completed = static_cast<std::size_t>(fault->step) - 1;
        if (fault->target != steps[completed].target)
            return "the fault of " + StepName(completed) + " names the target " + std::string(fault->target);
    }
    // Whether one of the completed steps first..completed-1 writes the field.
    const auto writtenFrom = [&](std::size_t first, std::string_view control) {
        for (std::size_t i = first; i < completed; ++i) {
            if (steps[i].target == control)
                return true;
        }
        return false;
    };

    for (const FieldDescription& field : window.fields) {
        const std::string& text = after.Get(field.control);
        if (writtenFrom(0, field.control)) {
            if (!IsResultText(text))
                return std::string(field.control) + " holds «" + text + "», which is no result text";
        } else if (text != before.Get(field.control)) {
            return std::string(field.control) + " changed from «" + before.Get(field.control) + "» to «" + text +
                   "» although no completed step writes it";
        }
    }

    if (fault) {
        // The texts stand as the faulting step saw them, so it faults again
        // in the same way.
        try {
            Evaluate(steps[completed].formula, after);
            return StepName(completed) + " reported a fault but computes on the texts it left";
        } catch (const ArithmeticFault& again) {
            if (again.kind() != fault->kind)
                return StepName(completed) + " faults as " + std::string(FaultKindName(again.kind())) +
                       " on the texts it left, but reported " + std::string(FaultKindName(fault->kind));
        }
    }

    // A result whose inputs and target no later step rewrote must be what its
    // formula gives on the texts as they now stand.
    for (std::size_t i = 0; i < completed; ++i) {
        std::string recomputed;
        try {
            recomputed = FormatResult(Evaluate(steps[i].formula, after).value());
        } catch (const ArithmeticFault& again) {
            recomputed = "a fault (" + std::string(FaultKindName(again.kind())) + ")";
        }
        bool settled = !writtenFrom(i + 1, steps[i].target);
        for (const FormulaNode& node : steps[i].formula.nodes()) {
            if (node.operation == Operation::Field)
                settled = settled && !writtenFrom(i, node.name);
        }
        if (settled && recomputed != after.Get(steps[i].target))
            return StepName(i) + " wrote «" + after.Get(steps[i].target) + "» to " + std::string(steps[i].target) +
                   " but its formula now gives " + recomputed;
    }
    return {};
}

}  // namespace zentrova::fuzz
