#pragma once

#include "cli/CalcCli.h"

#include <string>
#include <vector>

namespace zentrova::test {

// What one run of the command-line twin gave: its exit status and what it
// wrote to standard output and standard error.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunCli(const std::vector<std::string>& args)
{
    CliRun run{0, {}, {}};
    run.status = RunCalcCli(args, run.out, run.err);
    return run;
}

}  // namespace zentrova::test
