#include "ComputeAction.h"

#include "FieldTexts.h"
#include "FormatResult.h"
#include "WindowDescription.h"

#include <string>

namespace zentrova {

std::optional<ComputeFault> RunComputeAction(const WindowDescription& window, FieldTexts& texts)
{
    int number = 0;
    for (const ComputeStep& step : window.steps) {
        ++number;
        try {
            const FieldReader reader(texts);
            std::string text = FormatResult(step.formula(reader).value());
            texts.Set(step.target, std::move(text));
        } catch (const ArithmeticFault& fault) {
            return ComputeFault{number, step.target, fault.kind()};
        }
    }
    return std::nullopt;
}

}  // namespace zentrova
