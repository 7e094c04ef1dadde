#include "ResultCsv.h"

#include "CsvText.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"

#include <charconv>

namespace zentrova {

void AppendCsvHeader(std::string& out, const WindowDescription& window, bool errorColumn)
{
    for (const FieldDescription& field : window.fields) {
        AppendCsvCell(out, field.control);
        out.push_back(',');
    }
    out += errorColumn ? "fault_step,fault_target,fault_kind,error\n" : "fault_step,fault_target,fault_kind\n";
}

void AppendCsvResult(std::string& out, const FieldTexts& texts, const std::optional<ComputeFault>& fault,
                     bool errorColumn)
{
    const int fields = static_cast<int>(texts.window().fields.size());
    for (int i = 0; i < fields; ++i) {
        AppendCsvCell(out, texts.At(i));
        out.push_back(',');
    }
    if (fault) {
        char step[16];
        out.append(step, std::to_chars(step, step + sizeof step, fault->step).ptr);
        out.push_back(',');
        AppendCsvCell(out, fault->target);
        out.push_back(',');
        AppendCsvCell(out, FaultKindName(fault->kind));
    } else {
        out += ",,";
    }
    out += errorColumn ? ",\n" : "\n";
}

void AppendCsvError(std::string& out, const WindowDescription& window, std::string_view error)
{
    out.append(window.fields.size() + 3, ',');
    AppendCsvCell(out, error);
    out.push_back('\n');
}

}  // namespace zentrova
