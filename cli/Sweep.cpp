#include "Sweep.h"

#include "ChunkedOutput.h"
#include "ResultCsv.h"
#include "ResultJson.h"
#include "SweepAxis.h"
#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zentrova {

void RunSweep(const FieldTexts& base, std::span<const SweepAxis> axes, ResultFormat format, ChunkedOutput& output)
{
    if (format == ResultFormat::Csv)
        AppendCsvHeader(output.Buffer(), base.window(), false);

    // The point's index on every axis and its text, which changes only when
    // that index does.
    std::vector<std::uint64_t> index(axes.size(), 0);
    std::vector<std::string> text;
    text.reserve(axes.size());
    for (const SweepAxis& axis : axes)
        text.push_back(axis.Text(0));

    // Moves to the next point, the last axis fastest; false after the last point.
    const auto advance = [&] {
        for (std::size_t a = axes.size(); a-- > 0;) {
            if (++index[a] < axes[a].size()) {
                text[a] = axes[a].Text(index[a]);
                return true;
            }
            index[a] = 0;
            text[a] = axes[a].Text(0);
        }
        return false;
    };

    // One set of texts for the whole sweep: assigning keeps every string's
    // storage, so a point allocates nothing for the fields it resets.
    FieldTexts texts = base;
    do {
        texts = base;
        for (std::size_t a = 0; a < axes.size(); ++a)
            texts.SetAt(axes[a].field(), text[a]);
        const std::optional<ComputeFault> fault = RunComputeAction(base.window(), texts);
        if (format == ResultFormat::Csv)
            AppendCsvResult(output.Buffer(), texts, fault, false);
        else
            AppendJsonResult(output.Buffer(), texts, fault);
        output.FlushIfFull();
        if (output.Failed())
            return;
    } while (advance());
    output.Flush();
}

}  // namespace zentrova
