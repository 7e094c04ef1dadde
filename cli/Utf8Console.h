#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

// The program's arguments, without its name, as UTF-8. On Windows they are
// read from the wide command line: argv carries them in the ANSI code page,
// which loses every Chinese text a user types.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// A Windows console is given UTF-8 text as UTF-16, so that it shows the
// Chinese captions whatever its code page: true when `fd` is a console and
// the text went to it. Always false elsewhere, where every descriptor
// takes the bytes as they are.
bool WriteToConsole(int fd, std::string_view text);

}  // namespace zentrova
