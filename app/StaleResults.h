#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zentrova {

class FieldTexts;
struct ComputeWorking;
struct WindowDescription;

// Which results of a window no longer belong to its inputs, and the line
// that tells the engineer why: a result that depends on a field edited since
// the last compute, or an old result that a faulting compute left standing.
class StaleResults {
public:
    explicit StaleResults(const WindowDescription& window) : window_(window) {}

    // After a compute action: its results stand; after a fault, the old texts
    // of the faulting step's target and of every later step's do not.
    void Computed(const ComputeWorking& working, const FieldTexts& texts);
    // After the engineer changed a field: every result that depends on it is
    // stale, the field itself holds the engineer's own text.
    void Edited(std::string_view field);

    // Why the output must be computed again; empty while it is current.
    std::string_view Reason(std::string_view output) const;

private:
    const WindowDescription& window_;
    std::map<std::string, std::string, std::less<>> reasons_;
};

}  // namespace zentrova
