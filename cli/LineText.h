#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// A text written so that it stays on one line and a line-based reader can
// take it apart again: a control character (U+0000..U+001F, U+007F) becomes
// \n, \r, \t or \xHH, the backslash \\, and a byte that is not part of
// well-formed UTF-8 \xHH. Everything else is written as it stands.
std::string LineText(std::string_view text);

// A command-line argument as a message quotes it: in single quotes, written
// as LineText writes it, cut to at most 60 characters, the last of them "…",
// without splitting an escape or a character.
std::string QuotedArgument(std::string_view argument);

}  // namespace zentrova
