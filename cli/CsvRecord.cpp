#include "CsvRecord.h"

#include <algorithm>

namespace zentrova {

CsvRecordState SplitCsvRecord(std::string_view text, std::vector<std::string>& cells, std::string& error)
{
    cells.assign(1, std::string());
    std::size_t i = 0;
    for (;;) {
        std::string& cell = cells.back();
        if (i < text.size() && text[i] == '"') {
            ++i;
            for (;;) {
                const std::size_t quote = text.find('"', i);
                if (quote == std::string_view::npos)
                    return CsvRecordState::Open;
                cell.append(text, i, quote - i);
                i = quote + 1;
                if (i < text.size() && text[i] == '"') {
                    cell.push_back('"');
                    ++i;
                } else {
                    break;
                }
            }
            if (i < text.size() && text[i] != ',') {
                error = "column " + std::to_string(cells.size()) + ": text after the closing quote";
                return CsvRecordState::Malformed;
            }
        } else {
            const std::size_t end = std::min(text.find(',', i), text.size());
            const std::string_view unquoted = text.substr(i, end - i);
            if (unquoted.find('"') != std::string_view::npos) {
                error = "column " + std::to_string(cells.size()) + ": a quote inside a cell that is not quoted";
                return CsvRecordState::Malformed;
            }
            cell.append(unquoted);
            i = end;
        }
        if (i == text.size())
            return CsvRecordState::Complete;
        ++i;  // the comma
        cells.emplace_back();
    }
}

}  // namespace zentrova
