#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zentrova::fuzz {

// A property of a fuzz target does not hold: says which one and aborts,
// which libFuzzer records as a crash together with its input and a replay
// run reports as a failure.
[[noreturn]] inline void Fail(std::string_view what)
{
    constexpr std::string_view prefix = "fuzz property broken: ";
    std::fwrite(prefix.data(), 1, prefix.size(), stderr);
    std::fwrite(what.data(), 1, what.size(), stderr);
    std::fputc('\n', stderr);
    std::abort();
}

inline void Check(bool holds, std::string_view what)
{
    if (!holds)
        Fail(what);
}

}  // namespace zentrova::fuzz
