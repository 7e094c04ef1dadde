#include "StreamOptions.h"

#include "Batch.h"
#include "CalcCli.h"
#include "ChunkedOutput.h"
#include "LineText.h"
#include "Sweep.h"
#include "SweepAxis.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace zentrova {
namespace {

// Beyond this a sweep needs --max-points: ten million rows of CSV are
// a gigabyte or more.
constexpr std::uint64_t kDefaultMaxPoints = 10'000'000;
constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();

int UsageError(std::string& err, std::string_view message)
{
    err += "zentrova-calc: " + std::string(message) + "\n";
    return kExitUsage;
}

std::optional<std::uint64_t> ReadCount(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value == 0)
        return std::nullopt;
    return value;
}

const WindowDescription* FindWindow(std::string_view name, std::string& err)
{
    const WindowDescription* window = FindCalculationWindow(name);
    if (!window)
        UsageError(err, "unknown window " + QuotedArgument(name) + " (see --list)");
    return window;
}

// The command line's CONTROL=TEXT assignments, as a single run applies them.
bool ApplyAssignments(const WindowDescription& window, std::span<const std::string_view> assignments,
                      FieldTexts& texts, std::string& err)
{
    for (std::string_view assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        const std::string_view control = assignment.substr(0, equals);
        if (!window.FindField(control)) {
            UsageError(err, "window " + std::string(window.name) + " has no field " + QuotedArgument(control) +
                                " (see " + std::string(window.name) + " --fields)");
            return false;
        }
        texts.Set(control, std::string(assignment.substr(equals + 1)));
    }
    return true;
}

}  // namespace

bool StreamOptions::Take(std::string_view arg)
{
    if (pending_ == Pending::Sweep) {
        sweeps_.push_back(arg);
    } else if (pending_ == Pending::MaxPoints) {
        maxPoints_ = arg;
    } else if (arg == "--sweep") {
        pending_ = Pending::Sweep;
        requested_ = true;
        return true;
    } else if (arg == "--max-points") {
        pending_ = Pending::MaxPoints;
        requested_ = true;
        return true;
    } else if (arg == "--batch") {
        batch_ = true;
    } else if (arg == "--csv") {
        csv_ = true;
    } else if (arg == "--csv-in") {
        csvIn_ = true;
    } else {
        return false;
    }
    pending_ = Pending::None;
    requested_ = true;
    return true;
}

int StreamOptions::Run(const StreamRequest& request, OutputSink* results, int input, std::string& out,
                       std::string& err) const
{
    if (pending_ == Pending::Sweep)
        return UsageError(err, "--sweep needs CONTROL=START:STOP:STEP or CONTROL=V1,V2,...");
    if (pending_ == Pending::MaxPoints)
        return UsageError(err, "--max-points needs a number of points");
    if (sweeps_.empty() && !batch_)
        return UsageError(err, "--csv, --csv-in and --max-points need --sweep or --batch");
    if (request.otherMode)
        return UsageError(err, "--sweep and --batch take no --explain, --fields or --list");
    if (!sweeps_.empty() && batch_)
        return UsageError(err, "--sweep and --batch exclude each other");
    if (csv_ && request.json)
        return UsageError(err, "--csv and --json exclude each other");
    if (csvIn_ && !batch_)
        return UsageError(err, "--csv-in needs --batch");
    if (maxPoints_ && batch_)
        return UsageError(err, "--max-points needs --sweep");
    if (maxPoints_ && !ReadCount(*maxPoints_))
        return UsageError(err, "--max-points needs a whole number above 0, not " + QuotedArgument(*maxPoints_));
    const ResultFormat format = request.json ? ResultFormat::Json : ResultFormat::Csv;

    const WindowDescription* window = nullptr;
    std::optional<FieldTexts> base;
    if (request.window) {
        window = FindWindow(*request.window, err);
        if (!window)
            return kExitUsage;
        base = FieldTexts::Initial(*window);
        if (!ApplyAssignments(*window, request.assignments, *base, err))
            return kExitUsage;
    }

    if (batch_) {
        if (!window && csvIn_)
            return UsageError(err, "--csv-in needs a WINDOW, whose fields the header names");
        if (!window && format == ResultFormat::Csv)
            return UsageError(err, "--batch writes CSV for one WINDOW only: name it, or use --json");
        ChunkedOutput output(results, out);
        return RunBatch({window, base ? &*base : nullptr, csvIn_, format}, input, output, err);
    }

    if (!window)
        return UsageError(err, "no window given (see --list and --help)");
    const std::uint64_t limit = maxPoints_ ? *ReadCount(*maxPoints_) : kDefaultMaxPoints;
    std::vector<SweepAxis> axes;
    std::uint64_t points = 1;
    for (std::string_view sweep : sweeps_) {
        std::string error;
        std::optional<SweepAxis> axis = SweepAxis::Parse(*window, sweep, error);
        if (!axis)
            return UsageError(err, error);
        for (const SweepAxis& earlier : axes) {
            if (earlier.field() == axis->field())
                return UsageError(err, "sweep " + QuotedArgument(sweep) + " sweeps a field swept before");
        }
        // Saturating: only the comparison with the limit needs the product.
        points = axis->size() > kNoLimit / points ? kNoLimit : points * axis->size();
        axes.push_back(std::move(*axis));
    }
    if (points > limit) {
        const std::string count = points == kNoLimit ? "over 10^18" : std::to_string(points);
        return UsageError(err, "the sweeps give " + count + " points, more than " + std::to_string(limit) +
                                   (maxPoints_ ? " (--max-points)" : " (allow more with --max-points N)"));
    }
    ChunkedOutput output(results, out);
    RunSweep(*base, axes, format, output);
    return kExitOk;
}

}  // namespace zentrova
