#include "CalcCli.h"

#include "BodeOutput.h"
#include "JsonText.h"
#include "DesignMode.h"
#include "ExplainOutput.h"
#include "LineText.h"
#include "ResultJson.h"
#include "StreamOptions.h"
#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"

#include "ZentrovaVersion.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace zentrova {
namespace {

constexpr std::string_view kProgram = "zentrova-calc";

constexpr std::string_view kUsage =
    "usage: zentrova-calc [--json] [--explain] WINDOW [CONTROL=TEXT ...]\n"
    "       zentrova-calc [--json] --bode dlbch|dybch [CONTROL=TEXT ...]\n"
    "       zentrova-calc WINDOW --fields\n"
    "       zentrova-calc --list\n"
    "       zentrova-calc [--csv|--json] WINDOW [CONTROL=TEXT ...] --sweep CONTROL=START:STOP:STEP\n"
    "                     [--sweep CONTROL=V1,V2,...] [--max-points N]\n"
    "       zentrova-calc --batch [--csv-in] [--csv|--json] [WINDOW [CONTROL=TEXT ...]] < CASES\n"
    "       zentrova-calc [--json] --design FILE [--report OUT.pdf|OUT.html]\n"
    "Runs the compute action of a calculation window on its initial texts, with\n"
    "the assignments applied in order, and prints every field as CONTROL=TEXT.\n"
    "\n"
    "Options (before or after WINDOW; \"--\" ends them):\n"
    "  --json         print one JSON object: the window, its fields and the fault\n"
    "  --explain      add the working of every step that ran: formula, values,\n"
    "                 result with its unit, standard part values, and the standard\n"
    "                 design procedure's value where the window's formula departs\n"
    "                 from it (with --json, a \"steps\" array)\n"
    "  --bode         dlbch and dybch: print the loop gain of the computed texts\n"
    "                 instead, as CSV (frequency_hz,gain_db,phase_deg), or with\n"
    "                 --json the loop's figures\n"
    "  --sweep CONTROL=START:STOP:STEP, --sweep CONTROL=V1,V2,...\n"
    "                 one compute action per point of the sweeps' product (the\n"
    "                 first varies slowest), as CSV, or JSON Lines with --json;\n"
    "                 --max-points N allows more than 10 million points\n"
    "  --batch        one compute action per line of standard input: JSON Lines,\n"
    "                 or CSV with a header of control names with --csv-in\n"
    "  --design FILE  compute every window from a design file's texts and print\n"
    "                 them all; with --report OUT.pdf or OUT.html write the\n"
    "                 design's report instead\n"
    "  --fields       list the window's fields: control, label, role, initial text\n"
    "  --list         list the calculation windows with their captions\n"
    "  -h, --help     print this help\n"
    "  --version      print the program's name and version\n"
    "\n"
    "Exit status: 0 computed, 1 the results could not be written, 2 bad usage\n"
    "or a batch line that was no case, 3 an arithmetic fault stopped a step\n"
    "(sweeps and batches: faults are results, not errors).\n"
    "\n"
    "Example: zentrova-calc gl Text1=100 Text11=265\n";

constexpr std::string_view kVersion = "zentrova-calc " ZENTROVA_VERSION "\n";

int UsageError(std::string& err, std::string_view message)
{
    err += std::string(kProgram) + ": " + std::string(message) + "\n";
    return kExitUsage;
}

std::string IntegerText(int value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string_view RoleName(FieldRole role)
{
    return role == FieldRole::Input ? "input" : "output";
}

void ListWindows(std::string& out)
{
    for (const WindowDescription* window : CalculationWindows())
        out += std::string(window->name) + "\t" + std::string(window->caption) + "\n";
}

void ListFields(const WindowDescription& window, std::string& out)
{
    for (const FieldDescription& field : window.fields) {
        out += std::string(field.control) + "\t" + std::string(field.labelText) + "\t" +
               std::string(RoleName(field.role)) + "\t" + std::string(field.initialText) + "\n";
    }
}

void PrintPlain(const WindowDescription& window, const FieldTexts& texts, std::string& out)
{
    for (const FieldDescription& field : window.fields)
        out += std::string(field.control) + "=" + LineText(texts.Get(field.control)) + "\n";
}

// One run as one JSON object, with the members a mode adds after "fault".
void PrintJson(const FieldTexts& texts, const std::optional<ComputeFault>& fault, const std::string& moreMembers,
               std::string& out)
{
    AppendJsonResult(out, texts, fault);
    if (!moreMembers.empty()) {
        out.resize(out.size() - 2);
        out += moreMembers + "}\n";
    }
}

std::string_view LabelOf(const WindowDescription& window, std::string_view control)
{
    const FieldDescription* field = window.FindField(control);
    return field ? field->labelText : std::string_view();
}

}  // namespace

int RunCalcCli(const std::vector<std::string>& args, std::string& out, std::string& err, const CliStreams& streams)
{
    bool json = false;
    bool explain = false;
    bool bode = false;
    bool listFields = false;
    bool listWindows = false;
    std::optional<std::string_view> windowName;
    std::vector<std::string_view> assignments;
    StreamOptions stream;
    std::optional<std::string_view> designFile;
    std::optional<std::string_view> reportFile;
    std::optional<std::string_view>* valueOf = nullptr;

    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (valueOf) {
            *valueOf = arg;
            valueOf = nullptr;
            continue;
        }
        // After "--" every argument is WINDOW or CONTROL=TEXT, whatever it starts with.
        const std::string_view option = optionsEnded ? std::string_view() : std::string_view(arg);
        if (!optionsEnded && stream.Take(arg))
            continue;
        if (option == "--") {
            optionsEnded = true;
            continue;
        }
        if (option == "--help" || option == "-h") {
            out += kUsage;
            return kExitOk;
        }
        if (option == "--version") {
            out += kVersion;
            return kExitOk;
        }
        if (option == "--json") {
            json = true;
        } else if (option == "--explain") {
            explain = true;
        } else if (option == "--bode") {
            bode = true;
        } else if (option == "--fields") {
            listFields = true;
        } else if (option == "--list") {
            listWindows = true;
        } else if (option == "--design") {
            valueOf = &designFile;
        } else if (option == "--report") {
            valueOf = &reportFile;
        } else if (!windowName && arg.find('=') == std::string::npos && !option.starts_with("-")) {
            windowName = arg;
        } else if (windowName && arg.find('=') != std::string::npos) {
            assignments.push_back(arg);
        } else {
            return UsageError(err, "unexpected argument " + QuotedArgument(arg) +
                                       " (expected WINDOW or CONTROL=TEXT; see --help)");
        }
    }

    if (valueOf)
        return UsageError(err, "--design and --report each need a FILE");
    if (designFile) {
        if (windowName || explain || bode || listFields || listWindows || !assignments.empty() || stream.Requested())
            return UsageError(err, "--design takes only --json or --report");
        return RunDesignMode(*designFile, json, reportFile, out, err);
    }
    if (reportFile)
        return UsageError(err, "--report needs --design FILE");

    if (stream.Requested()) {
        return stream.Run({json, explain || bode || listFields || listWindows, windowName, assignments}, streams.results,
                          streams.input, out, err);
    }
    if (listWindows) {
        if (windowName || json || explain || bode || listFields || !assignments.empty())
            return UsageError(err, "--list takes no other argument");
        ListWindows(out);
        return kExitOk;
    }
    if (!windowName)
        return UsageError(err, "no window given (see --list and --help)");

    const WindowDescription* window = FindCalculationWindow(*windowName);
    if (!window)
        return UsageError(err, "unknown window " + QuotedArgument(*windowName) + " (see --list)");

    if (listFields) {
        if (json || explain || bode || !assignments.empty())
            return UsageError(err, "--fields takes only a window name");
        ListFields(*window, out);
        return kExitOk;
    }
    if (bode && !HasLoopFigures(window->name))
        return UsageError(err, "--bode: window " + std::string(window->name) + " has no loop (dlbch and dybch have)");

    FieldTexts texts = FieldTexts::Initial(*window);
    for (std::string_view assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        const std::string_view control = assignment.substr(0, equals);
        if (!window->FindField(control)) {
            return UsageError(err, "window " + std::string(window->name) + " has no field " + QuotedArgument(control) +
                                       " (see " + std::string(window->name) + " --fields)");
        }
        texts.Set(control, std::string(assignment.substr(equals + 1)));
    }

    if (explain && bode)
        return UsageError(err, "--explain and --bode cannot be combined");
    std::optional<ComputeFault> fault;
    std::optional<ComputeWorking> working;
    if (explain) {
        working = ExplainComputeAction(*window, texts);
        fault = working->fault;
    } else {
        fault = RunComputeAction(*window, texts);
    }
    const std::optional<BodeOutput> loop = bode ? std::optional(BodeOutput(*window, texts, fault)) : std::nullopt;
    if (loop && !loop->problem().empty())
        return UsageError(err, loop->problem());
    if (json) {
        const std::string more = loop ? loop->JsonMember() : working ? ", \"steps\": " + StepsJson(*working) : "";
        PrintJson(texts, fault, more, out);
    } else if (loop) {
        out += loop->Csv();
    } else {
        PrintPlain(*window, texts, out);
        if (working)
            out += "\n" + ComputeWorkingText(*window, *working);
    }

    if (fault) {
        err += std::string(kProgram) + ": " + std::string(window->name) + ": step " + IntegerText(fault->step) +
               " could not compute " + std::string(fault->target) + " (" +
               std::string(LabelOf(*window, fault->target)) + "): " + std::string(FaultKindName(fault->kind)) + "\n";
        return kExitFault;
    }
    return kExitOk;
}

}  // namespace zentrova
