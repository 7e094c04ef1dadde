#include "ResultJson.h"

#include "JsonText.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"

#include <charconv>

namespace zentrova {

void AppendJsonResult(std::string& out, const FieldTexts& texts, const std::optional<ComputeFault>& fault)
{
    const WindowDescription& window = texts.window();
    out += "{\"window\": ";
    AppendJsonString(out, window.name);
    out += ", \"fields\": {";
    const int fields = static_cast<int>(window.fields.size());
    for (int i = 0; i < fields; ++i) {
        if (i > 0)
            out += ", ";
        AppendJsonString(out, window.fields[static_cast<std::size_t>(i)].control);
        out += ": ";
        AppendJsonString(out, texts.At(i));
    }
    out += "}, \"fault\": ";
    if (fault) {
        char step[16];
        out += "{\"step\": ";
        out.append(step, std::to_chars(step, step + sizeof step, fault->step).ptr);
        out += ", \"target\": ";
        AppendJsonString(out, fault->target);
        out += ", \"kind\": ";
        AppendJsonString(out, FaultKindName(fault->kind));
        out += "}";
    } else {
        out += "null";
    }
    out += "}\n";
}

}  // namespace zentrova
