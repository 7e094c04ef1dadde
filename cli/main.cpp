#include "CalcCli.h"
#include "OutputSink.h"
#include "Utf8Console.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Standard input, output and error: descriptors 0, 1 and 2 on every system.
constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;
constexpr int kStandardError = 2;

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args = zentrova::Utf8Arguments(argc, argv);
    std::string out;
    std::string err;
    // Raw bytes: the texts are UTF-8 and must not pass through any locale.
    // Sweeps and batches write to `results` as they go, the rest at the end.
    zentrova::OutputSink results(kStandardOutput);
    int status = zentrova::RunCalcCli(args, out, err, {&results, kStandardInput});
    // Results that did not all arrive are a failure, whatever the run gave.
    results.Write(out);
    if (results.Used()) {
        if (const int error = results.Close()) {
            err += "zentrova-calc: cannot write the results: " + std::string(std::strerror(error)) + "\n";
            status = zentrova::kExitOutput;
        }
    }
    // Standard error stays open for the runtime's own reports at exit, and a
    // failure there has nowhere left to be told.
    zentrova::OutputSink(kStandardError).Write(err);
    return status;
}
