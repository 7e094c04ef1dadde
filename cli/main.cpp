#include "CalcCli.h"
#include "Utf8Console.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args = zentrova::Utf8Arguments(argc, argv);
    std::string out;
    std::string err;
    const int status = zentrova::RunCalcCli(args, out, err);
    // Raw bytes: the texts are UTF-8 and must not pass through any locale.
    zentrova::WriteUtf8(stdout, out);
    zentrova::WriteUtf8(stderr, err);
    return status;
}
