#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "calc/FormatResult.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "cli/CalcCli.h"
#include "cli/OutputSink.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <fcntl.h>

// A sweep of a million points through the command line's own code, CSV
// written to /dev/null, against the floor: as many bare compute actions on
// texts prepared before the timing starts.
namespace {

constexpr int kPoints = 1'000'000;

struct SweptWindow {
    const char* name;
    const char* control;  // an input that every point of 1..kPoints computes with
};

void SweepToCsv(benchmark::State& state, SweptWindow swept)
{
    const std::vector<std::string> args{swept.name, "--sweep",
                                        std::string(swept.control) + "=1:" + std::to_string(kPoints) + ":1"};
    for (auto _ : state) {
        zentrova::OutputSink sink(::open("/dev/null", O_WRONLY | O_CLOEXEC));
        std::string out;
        std::string err;
        if (zentrova::RunCalcCli(args, out, err, {&sink, -1}) != zentrova::kExitOk || sink.Close() != 0)
            state.SkipWithError(err.c_str());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void BareComputeActions(benchmark::State& state, SweptWindow swept)
{
    const zentrova::WindowDescription& window = *zentrova::FindCalculationWindow(swept.name);
    // A thousand distinct points, each computed a thousand times: texts
    // that stay in the cache, as the sweep's single set does.
    std::vector<zentrova::FieldTexts> prepared;
    for (int i = 1; i <= 1000; ++i) {
        prepared.push_back(zentrova::FieldTexts::Initial(window));
        prepared.back().Set(swept.control, zentrova::FormatResult(i));
    }
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i)
            benchmark::DoNotOptimize(zentrova::RunComputeAction(window, prepared[static_cast<std::size_t>(i % 1000)]));
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

BENCHMARK_CAPTURE(SweepToCsv, gl, SweptWindow{"gl", "Text1"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SweepToCsv, dybch, SweptWindow{"dybch", "Text3"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareComputeActions, gl, SweptWindow{"gl", "Text1"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareComputeActions, dybch, SweptWindow{"dybch", "Text3"})->Unit(benchmark::kMillisecond);

}  // namespace
