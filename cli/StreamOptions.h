#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

class OutputSink;

// What the rest of the command line asked for, as the streaming modes see it.
struct StreamRequest {
    bool json = false;
    bool otherMode = false;  // --explain, --fields or --list
    std::optional<std::string_view> window;
    std::span<const std::string_view> assignments;
};

// The options of the streaming modes, which run many compute actions in one
// process and write their results as they go: --sweep CONTROL=..., --batch,
// --csv, --csv-in and --max-points N.
class StreamOptions {
public:
    // Takes `arg` when it is one of these options or the value one of them
    // waits for.
    bool Take(std::string_view arg);
    bool Requested() const { return requested_; }

    // Runs the sweep or the batch. Results go to `results` as they are
    // ready, or, without a sink, are appended to `out`; the batch reads the
    // file descriptor `input`. Returns the exit status.
    int Run(const StreamRequest& request, OutputSink* results, int input, std::string& out, std::string& err) const;

private:
    enum class Pending { None, Sweep, MaxPoints };

    bool requested_ = false;
    Pending pending_ = Pending::None;
    std::vector<std::string_view> sweeps_;
    bool batch_ = false;
    bool csv_ = false;
    bool csvIn_ = false;
    std::optional<std::string_view> maxPoints_;
};

}  // namespace zentrova
