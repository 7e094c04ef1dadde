#include "support/ComputeRunCheck.h"
#include "FuzzCheck.h"
#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Every window's compute action on texts from the input: the first byte
// picks the window, the rest are texts for its fields in visual order,
// separated by the byte 0xFF (which UTF-8 never uses); fields without a
// text of their own keep their initial ones. Whatever the texts, the run
// completes or stops at one step, and leaves no field with a text that is
// not a result.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto windows = zentrova::CalculationWindows();
    const zentrova::WindowDescription& window = *windows[data[0] % windows.size()];

    zentrova::FieldTexts texts = zentrova::FieldTexts::Initial(window);
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t i = 0; i < window.fields.size() && !rest.empty(); ++i) {
        const std::size_t separator = rest.find('\xFF');
        texts.Set(window.fields[i].control, std::string(rest.substr(0, separator)));
        rest = separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);
    }

    const zentrova::FieldTexts before = texts;
    const auto fault = zentrova::RunComputeAction(window, texts);
    const std::string problem = zentrova::fuzz::ComputeRunProblem(window, before, texts, fault);
    zentrova::fuzz::Check(problem.empty(), std::string(window.name) + ": " + problem);
    return 0;
}
