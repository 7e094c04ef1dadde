#pragma once

#include "ResultFormat.h"

#include <string>

namespace zentrova {

class ChunkedOutput;
class FieldTexts;
struct WindowDescription;

// What a batch runs on.
struct BatchSetup {
    // The command line's window and its texts with the command line's
    // assignments applied; both nullptr when every JSON line names its own.
    const WindowDescription* window = nullptr;
    const FieldTexts* base = nullptr;
    bool csvIn = false;  // CSV with a header of control names, else JSON Lines
    ResultFormat format = ResultFormat::Csv;
};

// Reads one case per input line from `input` and writes one result per case,
// in order, as it goes; the output is flushed whenever the next read may
// wait. A line that is no case gives, in its place, an error naming its line
// number, and the batch goes on. Returns the exit status: 2 when any line
// was malformed or the input could not be read, each told on `err`, else 0.
int RunBatch(const BatchSetup& setup, int input, ChunkedOutput& output, std::string& err);

}  // namespace zentrova
