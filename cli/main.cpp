#include "CalcCli.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string out;
    std::string err;
    const int status = zentrova::RunCalcCli(args, out, err);
    // Raw bytes: the texts are UTF-8 and must not pass through any locale.
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return status;
}
