#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

// How far one CSV record (RFC 4180) could be read from its text.
enum class CsvRecordState {
    Complete,
    Open,  // a quoted cell runs on past the end: the record goes on in the next line
    Malformed,
};

// Splits the text of one record into its cells: separated by commas, a
// cell in double quotes may hold commas, line breaks and doubled quotes.
// Spaces belong to the cells. On Malformed, `error` says what is wrong.
CsvRecordState SplitCsvRecord(std::string_view text, std::vector<std::string>& cells, std::string& error);

}  // namespace zentrova
