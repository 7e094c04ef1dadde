#include "calc/FormatResult.h"
#include "calc/ParseFieldValue.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <string_view>

// ParseFieldValue and FormatResult against the standard library's own
// conversions on the same texts and values: field texts as an engineer types
// them and as the steps write them.
namespace {

constexpr std::array<std::string_view, 12> kTexts = {
    "250",    "80",   "0.569230769230769", "180.35034272658", "4.41875", "1.7675E-05",
    "-0.25",  "425",  "100000",            "6.8E+15",          "0.001",   "3.3",
};

std::array<double, kTexts.size()> Values()
{
    std::array<double, kTexts.size()> values{};
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        values[i] = zentrova::ParseFieldValue(kTexts[i]);
    return values;
}

void ParseFieldValue(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::string_view text : kTexts)
            benchmark::DoNotOptimize(zentrova::ParseFieldValue(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(ParseFieldValue);

void StdFromChars(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::string_view text : kTexts) {
            double value = 0.0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(StdFromChars);

void FormatResult(benchmark::State& state)
{
    const auto values = Values();
    for (auto _ : state) {
        for (double value : values)
            benchmark::DoNotOptimize(zentrova::FormatResult(value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(FormatResult);

void StdToChars(benchmark::State& state)
{
    const auto values = Values();
    for (auto _ : state) {
        for (double value : values) {
            char buffer[32];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
            benchmark::DoNotOptimize(end.ptr);
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(StdToChars);

// to_chars plus the std::string a field text needs: what FormatResult costs
// beyond the digits themselves.
void StdToCharsIntoString(benchmark::State& state)
{
    const auto values = Values();
    for (auto _ : state) {
        for (double value : values) {
            char buffer[32];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
            benchmark::DoNotOptimize(std::string(buffer, end.ptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(StdToCharsIntoString);

}  // namespace
