#include "CalcCli.h"
#include "OutputSink.h"

#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string out;
    std::string err;
    int status = zentrova::RunCalcCli(args, out, err);
    // Raw bytes: the texts are UTF-8 and must not pass through any locale.
    // Results that did not all arrive are a failure, whatever the run gave.
    if (!out.empty()) {
        zentrova::OutputSink results(STDOUT_FILENO);
        results.Write(out);
        if (const int error = results.Close()) {
            err += "zentrova-calc: cannot write the results: " + std::string(std::strerror(error)) + "\n";
            status = zentrova::kExitOutput;
        }
    }
    // Standard error stays open for the runtime's own reports at exit, and a
    // failure there has nowhere left to be told.
    zentrova::OutputSink(STDERR_FILENO).Write(err);
    return status;
}
