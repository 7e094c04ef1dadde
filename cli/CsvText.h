#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// Appends one CSV cell (RFC 4180): a text holding a comma, a double quote,
// a carriage return or a line feed is put in double quotes with each quote
// doubled; every other text stands as it is. Bytes that are not part of
// well-formed UTF-8 become U+FFFD, so that the file is valid UTF-8.
void AppendCsvCell(std::string& out, std::string_view text);

}  // namespace zentrova
