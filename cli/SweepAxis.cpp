#include "SweepAxis.h"

#include "LineText.h"
#include "calc/FormatResult.h"
#include "calc/WindowDescription.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zentrova {
namespace {

constexpr double kReachTolerance = 1e-9;  // of a step
// Beyond this the count no longer fits the points' index arithmetic; it is
// far above any limit a sweep may run to.
constexpr double kMaxCount = 1e18;

// A plain decimal number as a C program writes it, a leading "+" allowed.
std::optional<double> ReadBound(std::string_view text)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos)
            return parts;
        from = at + 1;
    }
}

}  // namespace

SweepAxis::SweepAxis(int field, std::vector<std::string> list)
    : field_(field), list_(std::move(list)), size_(list_.size())
{
}

SweepAxis::SweepAxis(int field, double start, double stop, double step, std::uint64_t size, bool endsAtStop)
    : field_(field), start_(start), stop_(stop), step_(step), size_(size), endsAtStop_(endsAtStop)
{
}

std::optional<SweepAxis> SweepAxis::Parse(const WindowDescription& window, std::string_view argument,
                                          std::string& error)
{
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        error = "bad sweep " + QuotedArgument(argument) + " (expected CONTROL=START:STOP:STEP or CONTROL=V1,V2,...)";
        return std::nullopt;
    }
    const std::string_view control = argument.substr(0, equals);
    const std::string_view values = argument.substr(equals + 1);
    const int field = window.FieldIndex(control);
    if (field < 0) {
        error = "window " + std::string(window.name) + " has no field " + QuotedArgument(control) + " (see " +
                std::string(window.name) + " --fields)";
        return std::nullopt;
    }
    if (values.find(':') == std::string_view::npos) {
        std::vector<std::string> list;
        for (std::string_view value : Split(values, ','))
            list.emplace_back(value);
        return SweepAxis(field, std::move(list));
    }

    const std::vector<std::string_view> parts = Split(values, ':');
    std::optional<double> start;
    std::optional<double> stop;
    std::optional<double> step;
    if (parts.size() == 3) {
        start = ReadBound(parts[0]);
        stop = ReadBound(parts[1]);
        step = ReadBound(parts[2]);
    }
    if (!start || !stop || !step) {
        error = "bad sweep " + QuotedArgument(argument) + " (expected START:STOP:STEP as three numbers)";
        return std::nullopt;
    }
    if (*step == 0) {
        error = "sweep " + QuotedArgument(argument) + " has a step of 0";
        return std::nullopt;
    }
    const double steps = (*stop - *start) / *step;
    if (steps < 0) {
        error = "sweep " + QuotedArgument(argument) + " steps away from its stop (the step's sign is wrong)";
        return std::nullopt;
    }
    if (!(steps < kMaxCount))
        return SweepAxis(field, *start, *stop, *step, std::numeric_limits<std::uint64_t>::max(), false);
    const double nearest = std::round(steps);
    const bool reaches = std::fabs(steps - nearest) <= kReachTolerance;
    const double last = reaches ? nearest : std::floor(steps);
    return SweepAxis(field, *start, *stop, *step, static_cast<std::uint64_t>(last) + 1, reaches);
}

std::string SweepAxis::Text(std::uint64_t i) const
{
    if (!list_.empty())
        return list_[i];
    if (endsAtStop_ && i + 1 == size_)
        return FormatResult(stop_);
    return FormatResult(start_ + static_cast<double>(i) * step_);
}

}  // namespace zentrova
