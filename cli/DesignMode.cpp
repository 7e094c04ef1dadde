#include "DesignMode.h"

#include "CalcCli.h"
#include "JsonText.h"
#include "LineText.h"
#include "ReportOutput.h"
#include "calc/ComputeAction.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "design/DesignFile.h"

#include <charconv>

namespace zentrova {
namespace {

constexpr std::string_view kProgram = "zentrova-calc: ";

struct WindowRun {
    FieldTexts texts;
    std::optional<ComputeFault> fault;
};

std::string IntegerText(int value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::vector<WindowRun> ComputeEveryWindow(const Design& design)
{
    std::vector<WindowRun> runs;
    for (const WindowDescription* window : CalculationWindows()) {
        FieldTexts texts = design.TextsOf(*window);
        std::optional<ComputeFault> fault = RunComputeAction(*window, texts);
        runs.push_back({std::move(texts), fault});
    }
    return runs;
}

void PrintPlain(const std::vector<WindowRun>& runs, std::string& out)
{
    bool first = true;
    for (const WindowRun& run : runs) {
        const WindowDescription& window = run.texts.window();
        out += (first ? "[" : "\n[") + std::string(window.name) + "] " + std::string(window.caption) + "\n";
        first = false;
        for (const FieldDescription& field : window.fields)
            out += std::string(field.control) + "=" + LineText(run.texts.Get(field.control)) + "\n";
    }
}

void PrintJson(std::string_view file, const std::vector<WindowRun>& runs, std::string& out)
{
    out += "{\"design\": " + JsonString(file) + ", \"windows\": {";
    bool firstWindow = true;
    for (const WindowRun& run : runs) {
        const WindowDescription& window = run.texts.window();
        out += (firstWindow ? "" : ", ") + JsonString(window.name) + ": {\"fields\": {";
        firstWindow = false;
        bool firstField = true;
        for (const FieldDescription& field : window.fields) {
            out += (firstField ? "" : ", ") + JsonString(field.control) + ": " + JsonString(run.texts.Get(field.control));
            firstField = false;
        }
        out += "}, \"fault\": ";
        if (run.fault) {
            out += "{\"step\": " + IntegerText(run.fault->step) + ", \"target\": " + JsonString(run.fault->target) +
                   ", \"kind\": " + JsonString(FaultKindName(run.fault->kind)) + "}";
        } else {
            out += "null";
        }
        out += "}";
    }
    out += "}}\n";
}

// One line per window that faulted, as a single window's run reports it.
bool ReportFaults(const std::vector<WindowRun>& runs, std::string& err)
{
    bool faulted = false;
    for (const WindowRun& run : runs) {
        if (!run.fault)
            continue;
        const WindowDescription& window = run.texts.window();
        const FieldDescription* field = window.FindField(run.fault->target);
        err += std::string(kProgram) + std::string(window.name) + ": step " + IntegerText(run.fault->step) +
               " could not compute " + std::string(run.fault->target) + " (" +
               std::string(field ? field->labelText : std::string_view()) +
               "): " + std::string(FaultKindName(run.fault->kind)) + "\n";
        faulted = true;
    }
    return faulted;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size())
        return false;
    const std::string_view end = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        const char c = end[i] >= 'A' && end[i] <= 'Z' ? static_cast<char>(end[i] - 'A' + 'a') : end[i];
        if (c != suffix[i])
            return false;
    }
    return true;
}

}  // namespace

bool IsReportPath(std::string_view path)
{
    return EndsWithIgnoringCase(path, ".pdf") || EndsWithIgnoringCase(path, ".html");
}

int RunDesignMode(std::string_view file, bool json, std::optional<std::string_view> report, std::string& out,
                  std::string& err)
{
    if (report && !ReportAvailable()) {
        err += std::string(kProgram) +
               "--report is not available: this zentrova-calc was built without the Qt libraries "
               "(ZENTROVA_BUILD_GUI=OFF)\n";
        return kExitUsage;
    }
    if (report && !IsReportPath(*report)) {
        err += std::string(kProgram) + "--report writes a .pdf or an .html file, not " + QuotedArgument(*report) + "\n";
        return kExitUsage;
    }
    std::variant<Design, DesignProblem> opened = OpenDesignFile(std::filesystem::path(std::string(file)));
    if (const auto* problem = std::get_if<DesignProblem>(&opened)) {
        err += std::string(kProgram) + DesignProblemEnglish(LineText(file), *problem) + "\n";
        return kExitUsage;
    }
    const Design& design = std::get<Design>(opened);
    for (const std::string& skipped : design.skipped)
        err += std::string(kProgram) + "skipped " + LineText(skipped) + ": no such window or field in this release\n";

    if (report) {
        if (std::optional<std::string> failure = WriteReportFile(design, file, *report)) {
            err += std::string(kProgram) + *failure + "\n";
            return kExitOutput;
        }
        return kExitOk;
    }
    const std::vector<WindowRun> runs = ComputeEveryWindow(design);
    if (json)
        PrintJson(file, runs, out);
    else
        PrintPlain(runs, out);
    return ReportFaults(runs, err) ? kExitFault : kExitOk;
}

}  // namespace zentrova
