#pragma once

#include <string>
#include <vector>

namespace zentrova {

// Exit statuses of zentrova-calc.
inline constexpr int kExitOk = 0;
inline constexpr int kExitOutput = 1;  // the output could not be written
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFault = 3;

class OutputSink;

// Where sweeps and batches, which write their results as they go, write and
// read. Without a sink their results are appended to `out` like any other.
struct CliStreams {
    OutputSink* results = nullptr;
    int input = 0;  // standard input
};

// The command-line twin: runs one window's compute action on its initial
// texts with the given assignments applied. `args` excludes the program name;
// what would go to standard output and standard error is appended to `out`
// and `err`. Returns the exit status.
int RunCalcCli(const std::vector<std::string>& args, std::string& out, std::string& err,
               const CliStreams& streams = {});

}  // namespace zentrova
