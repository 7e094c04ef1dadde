#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// A JSON string literal, quotes included, for any bytes: control characters
// are escaped, bytes that are not valid UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);
// The same literal appended to `out`, which a long run reuses for every line.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace zentrova
