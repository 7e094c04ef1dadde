#include "FieldToolTip.h"

#include "calc/WindowDescription.h"
#include "calc/Working.h"

namespace zentrova {
namespace {

std::string Heading(const FieldDescription& field)
{
    std::string heading = std::string(field.symbol) + "：" + std::string(field.meaning);
    if (!field.unit.symbol.empty())
        heading += "，单位 " + std::string(field.unit.symbol);
    return heading + "\n";
}

// The step whose result the field shows: the last one writing it.
const ComputeStep* StepWriting(const WindowDescription& window, std::string_view control)
{
    const ComputeStep* found = nullptr;
    for (const ComputeStep& step : window.steps) {
        if (step.target == control)
            found = &step;
    }
    return found;
}

const StepWorking* WorkingOf(const ComputeWorking* last, const ComputeStep* step)
{
    if (!last)
        return nullptr;
    for (const StepWorking& working : last->steps) {
        if (working.description == step)
            return &working;
    }
    return nullptr;
}

}  // namespace

std::string FieldToolTip(const WindowDescription& window, const FieldDescription& field, const ComputeWorking* last,
                         std::string_view staleReason)
{
    std::string text;
    if (!staleReason.empty())
        text += std::string(staleReason) + "\n";
    text += Heading(field);
    const ComputeStep* step = field.role == FieldRole::Output ? StepWriting(window, field.control) : nullptr;
    if (!step)
        return text;
    if (const StepWorking* working = WorkingOf(last, step))
        text += StepWorkingText(*working);
    else
        text += StepFormulaText(window, *step) + "\n";
    // No trailing line break under the tip.
    if (text.ends_with('\n'))
        text.pop_back();
    return text;
}

}  // namespace zentrova
