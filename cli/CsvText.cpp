#include "CsvText.h"

#include "Utf8Sequence.h"

#include <algorithm>

namespace zentrova {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Appends the text with invalid UTF-8 replaced and every quote doubled.
void AppendCleaned(std::string& out, std::string_view text, bool doubleQuotes)
{
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            out.push_back(c);
            if (c == '"' && doubleQuotes)
                out.push_back('"');
            ++i;
        } else if (const std::size_t length = Utf8SequenceLength(text, i)) {
            out.append(text, i, length);
            i += length;
        } else {
            out += kReplacementCharacter;
            ++i;
        }
    }
}

}  // namespace

void AppendCsvCell(std::string& out, std::string_view text)
{
    const auto quoted = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    // Nearly every text is a plain number: one scan, one append.
    if (std::none_of(text.begin(), text.end(),
                     [&](char c) { return quoted(c) || static_cast<unsigned char>(c) >= 0x80; })) {
        out += text;
        return;
    }
    const bool quote = std::any_of(text.begin(), text.end(), quoted);
    if (quote)
        out.push_back('"');
    AppendCleaned(out, text, quote);
    if (quote)
        out.push_back('"');
}

}  // namespace zentrova
