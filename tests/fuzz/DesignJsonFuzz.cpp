#include "FuzzCheck.h"
#include "design/DesignFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

// Any bytes at all may be handed to the program as a design file: reading
// them must return a design or a problem and never throw, and a design it
// returns must write and read back as the same design.
namespace {

using zentrova::Design;
using zentrova::DesignProblem;
using zentrova::fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto parsed = zentrova::ParseDesignJson(bytes);
    const auto* design = std::get_if<Design>(&parsed);
    if (!design)
        return 0;
    const std::string written = zentrova::WriteDesignJson(*design);
    const auto again = zentrova::ParseDesignJson(written);
    const auto* reread = std::get_if<Design>(&again);
    Check(reread != nullptr, "a design that was read writes as a design");
    Check(reread->skipped.empty(), "a written design names only known windows and fields");
    Check(reread->windows.size() == design->windows.size(), "every window comes back");
    for (std::size_t w = 0; w < design->windows.size(); ++w) {
        Check(reread->windows[w].window == design->windows[w].window, "windows come back in order");
        Check(reread->windows[w].texts == design->windows[w].texts, "every text comes back byte for byte");
    }
    return 0;
}
