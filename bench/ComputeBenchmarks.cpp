#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"

#include <benchmark/benchmark.h>

#include <string>

// One compute action of each window on its initial texts, as one click of
// its compute button costs without the window toolkit.
namespace {

void ComputeAction(benchmark::State& state, const zentrova::WindowDescription* window)
{
    zentrova::FieldTexts texts = zentrova::FieldTexts::Initial(*window);
    // The outputs are rewritten with the same texts on every run.
    for (auto _ : state)
        benchmark::DoNotOptimize(zentrova::RunComputeAction(*window, texts));
    if (zentrova::RunComputeAction(*window, texts))
        state.SkipWithError("the initial texts fault");
}

const bool kRegistered = [] {
    for (const zentrova::WindowDescription* window : zentrova::CalculationWindows())
        benchmark::RegisterBenchmark(("ComputeAction/" + std::string(window->name)).c_str(), ComputeAction, window);
    return true;
}();

}  // namespace
