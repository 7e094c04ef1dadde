#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

struct WindowDescription;

// One field's values in a sweep: either a range START:STOP:STEP, whose point
// i is START + i × STEP written as a step writes its result (so 0.1 steps
// give "0.3", not 0.30000000000000004), or a list of texts V1,V2,... taken
// as they stand.
class SweepAxis {
public:
    // CONTROL=START:STOP:STEP or CONTROL=V1,V2,...; nullopt with `error` set
    // when the argument is none of these, the window has no such field, the
    // step is 0 or leads away from STOP.
    static std::optional<SweepAxis> Parse(const WindowDescription& window, std::string_view argument,
                                          std::string& error);

    int field() const { return field_; }
    // The number of points, saturated at the largest std::uint64_t.
    std::uint64_t size() const { return size_; }
    // The text of point `i` < size(). The last point of a range is STOP
    // itself when the steps reach it within 1e-9 of a step.
    std::string Text(std::uint64_t i) const;

private:
    SweepAxis(int field, std::vector<std::string> list);
    SweepAxis(int field, double start, double stop, double step, std::uint64_t size, bool endsAtStop);

    int field_;
    std::vector<std::string> list_;  // empty for a range
    double start_ = 0;
    double stop_ = 0;
    double step_ = 0;
    std::uint64_t size_;
    bool endsAtStop_ = false;
};

}  // namespace zentrova
