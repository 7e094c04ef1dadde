#pragma once

#include "calc/ComputeAction.h"
#include "loops/LoopFigures.h"

#include <optional>
#include <string>

namespace zentrova {

class FieldTexts;
struct WindowDescription;

// What --bode prints: the loop that a window's computed texts make, as CSV
// or as the "loop" member of the JSON object. A faulted compute makes no
// loop: the CSV is empty and the member null, and the fault is reported as
// without --bode.
class BodeOutput {
public:
    BodeOutput(const WindowDescription& window, const FieldTexts& texts, const std::optional<ComputeFault>& fault);

    // A one-line message when the computed texts make no loop; empty otherwise.
    const std::string& problem() const { return problem_; }

    // A header and one line per plotted point.
    std::string Csv() const;
    // `, "loop": {...}` or `, "loop": null`.
    std::string JsonMember() const;

private:
    std::optional<LoopFigures> figures_;
    std::string problem_;
};

}  // namespace zentrova
