#include "Batch.h"

#include "CalcCli.h"
#include "ChunkedOutput.h"
#include "CsvRecord.h"
#include "InputLines.h"
#include "JsonCase.h"
#include "JsonText.h"
#include "LineText.h"
#include "ResultCsv.h"
#include "ResultJson.h"
#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace zentrova {
namespace {

// Reads one CSV record, which a quoted line break continues on the next
// lines; `lineNumber` counts every line read. False at the end of the input.
bool NextCsvRecord(InputLines& lines, long& lineNumber, std::vector<std::string>& cells, CsvRecordState& state,
                   std::string& error)
{
    std::string text;
    if (!lines.Next(text))
        return false;
    ++lineNumber;
    state = SplitCsvRecord(text, cells, error);
    std::string more;
    while (state == CsvRecordState::Open && lines.Next(more)) {
        ++lineNumber;
        text += '\n';
        text += more;
        state = SplitCsvRecord(text, cells, error);
    }
    if (state == CsvRecordState::Open) {
        state = CsvRecordState::Malformed;
        error = "a quoted cell is not closed before the end of the input";
    }
    return true;
}

// The field of each column of a CSV header, or an error.
bool ReadCsvHeader(const WindowDescription& window, const std::vector<std::string>& cells, std::vector<int>& columns,
                   std::string& error)
{
    columns.clear();
    for (const std::string& control : cells) {
        const int index = window.FieldIndex(control);
        if (index < 0) {
            error = "window " + std::string(window.name) + " has no field " + QuotedArgument(control);
            return false;
        }
        for (const int earlier : columns) {
            if (earlier == index) {
                error = "column " + QuotedArgument(control) + " stands twice";
                return false;
            }
        }
        columns.push_back(index);
    }
    return true;
}

void AppendError(std::string& out, const BatchSetup& setup, long lineNumber, std::string_view error)
{
    if (setup.format == ResultFormat::Csv) {
        AppendCsvError(out, *setup.window, "line " + std::to_string(lineNumber) + ": " + std::string(error));
    } else {
        out += "{\"line\": " + std::to_string(lineNumber) + ", \"error\": ";
        AppendJsonString(out, error);
        out += "}\n";
    }
}

}  // namespace

int RunBatch(const BatchSetup& setup, int input, ChunkedOutput& output, std::string& err)
{
    if (setup.format == ResultFormat::Csv)
        AppendCsvHeader(output.Buffer(), *setup.window, true);

    // Every window's initial texts, for lines that name their window; a
    // case's window always comes from the catalog.
    std::vector<FieldTexts> initial;
    for (const WindowDescription* window : CalculationWindows())
        initial.push_back(FieldTexts::Initial(*window));
    const auto baseOf = [&](const WindowDescription* window) -> const FieldTexts& {
        if (window == setup.window)
            return *setup.base;
        return *std::find_if(initial.begin(), initial.end(),
                             [window](const FieldTexts& texts) { return &texts.window() == window; });
    };

    InputLines lines(input, [&output] { output.Flush(); });
    long lineNumber = 0;
    long malformed = 0;
    std::string error;
    std::vector<std::string> cells;
    CsvRecordState state = CsvRecordState::Complete;
    std::vector<int> columns;
    if (setup.csvIn && NextCsvRecord(lines, lineNumber, cells, state, error)) {
        if (state != CsvRecordState::Malformed && !ReadCsvHeader(*setup.window, cells, columns, error))
            state = CsvRecordState::Malformed;
        if (state == CsvRecordState::Malformed) {
            output.Flush();
            err += "zentrova-calc: the CSV header in line 1 is malformed: " + error + "\n";
            return kExitUsage;
        }
    }

    std::string line;
    JsonCase jsonCase;
    FieldTexts texts = FieldTexts::Initial(*CalculationWindows().front());
    for (;;) {
        const long first = lineNumber + 1;
        bool read = false;
        if (setup.csvIn) {
            if (!NextCsvRecord(lines, lineNumber, cells, state, error))
                break;
            if (state == CsvRecordState::Complete && cells.size() != columns.size()) {
                error = std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells") +
                        " where the header has " + std::to_string(columns.size());
            } else if (state == CsvRecordState::Complete) {
                texts = *setup.base;
                for (std::size_t c = 0; c < columns.size(); ++c)
                    texts.SetAt(columns[c], std::move(cells[c]));
                read = true;
            }
        } else {
            if (!lines.Next(line))
                break;
            ++lineNumber;
            if (ReadJsonCase(line, setup.window, jsonCase, error)) {
                texts = baseOf(jsonCase.window);
                for (auto& [index, text] : jsonCase.texts)
                    texts.SetAt(index, std::move(text));
                read = true;
            }
        }

        if (read) {
            const std::optional<ComputeFault> fault = RunComputeAction(texts.window(), texts);
            if (setup.format == ResultFormat::Csv)
                AppendCsvResult(output.Buffer(), texts, fault, true);
            else
                AppendJsonResult(output.Buffer(), texts, fault);
        } else {
            ++malformed;
            AppendError(output.Buffer(), setup, first, error);
        }
        output.FlushIfFull();
        if (output.Failed())
            return kExitOk;  // the caller reports the failed output
    }
    output.Flush();

    int status = kExitOk;
    if (lines.error()) {
        err += "zentrova-calc: cannot read the input: " + std::string(std::strerror(lines.error())) + "\n";
        status = kExitUsage;
    }
    if (malformed > 0) {
        err += "zentrova-calc: " + std::to_string(malformed) + (malformed == 1 ? " input line" : " input lines") +
               " could not be read as a case\n";
        status = kExitUsage;
    }
    return status;
}

}  // namespace zentrova
