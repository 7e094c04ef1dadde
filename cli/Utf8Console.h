#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

// The program's arguments, without its name, as UTF-8. On Windows they are
// read from the wide command line: argv carries them in the ANSI code page,
// which loses every Chinese text a user types.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Writes UTF-8 text to standard output or standard error byte for byte: no
// locale conversion, and on Windows no "\r" before each "\n" in a pipe or
// file; a Windows console is given the text as UTF-16 so that it shows
// the Chinese captions whatever its code page.
void WriteUtf8(std::FILE* stream, std::string_view text);

}  // namespace zentrova
