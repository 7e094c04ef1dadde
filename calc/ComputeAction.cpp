#include "ComputeAction.h"

#include "FieldTexts.h"
#include "FloatBits.h"
#include "FormatResult.h"
#include "FormulaEvaluation.h"
#include "ParseFieldValue.h"
#include "WindowDescription.h"

#include <cmath>
#include <string>

namespace zentrova {
namespace {

// Below this magnitude a 15-digit text always reads back as a finite double;
// only the very largest doubles round up past the top of the range.
constexpr double kReadBackCheckFrom = 1.7976931348623e308;

}  // namespace

void RunStep(const ComputeStep& step, FieldTexts& texts)
{
    const double result = Evaluate(step.formula, texts).value();
    std::string text = FormatResult(result);
    if (std::fabs(result) >= kReadBackCheckFrom && !IsFinite(ParseFieldValue(text)))
        throw ArithmeticFault(FaultKind::Overflow);
    texts.SetAt(step.targetIndex, std::move(text));
}

std::optional<ComputeFault> RunComputeAction(const WindowDescription& window, FieldTexts& texts)
{
    int number = 0;
    for (const ComputeStep& step : window.steps) {
        ++number;
        try {
            RunStep(step, texts);
        } catch (const ArithmeticFault& fault) {
            return ComputeFault{number, step.target, fault.kind(), fault.node()};
        }
    }
    return std::nullopt;
}

}  // namespace zentrova
