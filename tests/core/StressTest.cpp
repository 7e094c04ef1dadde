#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"
#include "support/ComputeRunCheck.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Every compute action of every window on random texts, as an engineer who
// types anything at all and presses the compute button over and over: each
// run completes or stops at one step, writes only result texts, and leaves
// the targets of the faulting step and all later ones as they were.
namespace zentrova {
namespace {

constexpr int kRunsPerWindow = 4000;

// Texts that are not ordinary numbers, as far as the field-text rules go.
constexpr std::array<std::string_view, 30> kSpecialTexts = {
    "0",        "",          "-0",        "1e308",        "-1e308",      "1e-320",
    "1e400",    "-1e400",    "1e-400",    "&HFFFFFFFFF",  "&HFFFF",      "&O17777777777",
    "&H",       "1.79769313486232E+308", "4.94065645841247E-324", "abc", "inf", "nan",
    "-",        ".",         "1e",        "--5",          "1,5",         "\xEF\xBC\x91\xEF\xBC\x92",
    "\xEF\xBC", "\xE3\x80\x80" "7",       "1D2",          "\xFF\xFE",    std::string_view("5\0" "9", 3),
    "12abc",
};

class RandomTexts {
public:
    explicit RandomTexts(std::uint64_t seed) : engine_(seed) {}

    // An ordinary positive design value between 10^-4 and 10^4, written
    // with a varying number of digits.
    std::string Ordinary()
    {
        std::uniform_real_distribution<double> exponent(-4.0, 4.0);
        std::uniform_int_distribution<int> precision(1, 17);
        const double value = std::pow(10.0, exponent(engine_));
        char buffer[40];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                       precision(engine_)).ptr;
        return std::string(buffer, end);
    }

    std::string Negative() { return "-" + Ordinary(); }

    std::string Garbage()
    {
        static constexpr std::string_view kBytes = "0123456789+-.eEdD&HhOo ,abcxyz\t\n\x80\xBC\xEF\xE3\xFF";
        std::uniform_int_distribution<std::size_t> length(0, 12);
        std::uniform_int_distribution<std::size_t> pick(0, kBytes.size() - 1);
        std::string text(length(engine_), ' ');
        for (char& c : text)
            c = kBytes[pick(engine_)];
        return text;
    }

    // Mostly ordinary numbers, so that runs get past their first steps; the
    // share of other texts varies from run to run.
    std::string Any(double specialShare)
    {
        if (!Chance(specialShare))
            return Ordinary();
        std::uniform_int_distribution<int> kind(0, 2);
        switch (kind(engine_)) {
        case 0:
            return Negative();
        case 1:
            return Garbage();
        default: {
            std::uniform_int_distribution<std::size_t> pick(0, kSpecialTexts.size() - 1);
            return std::string(kSpecialTexts[pick(engine_)]);
        }
        }
    }

    bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }

    double SpecialShare()
    {
        static constexpr std::array<double, 4> kShares = {0.0, 0.05, 0.2, 0.6};
        std::uniform_int_distribution<std::size_t> pick(0, kShares.size() - 1);
        return kShares[pick(engine_)];
    }

private:
    std::mt19937_64 engine_;
};

std::vector<std::string> WindowNames()
{
    std::vector<std::string> names;
    for (const WindowDescription* window : CalculationWindows())
        names.emplace_back(window->name);
    return names;
}

class StressTest : public ::testing::TestWithParam<std::string> {};

TEST_P(StressTest, EveryRunCompletesOrStopsCleanlyAtOneStep)
{
    const WindowDescription& window = *FindCalculationWindow(GetParam());
    RandomTexts random(0x5A454E54524F5641ull);  // fixed, so that a failure repeats
    // One window's texts carry over from run to run, like the real window's,
    // so a faulting run meets targets that hold earlier results.
    FieldTexts texts = FieldTexts::Initial(window);
    int completedRuns = 0;
    int faultedRuns = 0;

    for (int run = 0; run < kRunsPerWindow; ++run) {
        const double specialShare = random.SpecialShare();
        for (const FieldDescription& field : window.fields) {
            // Now and then the engineer types into a result field too.
            if (field.role == FieldRole::Input || random.Chance(0.1))
                texts.Set(field.control, random.Any(specialShare));
        }
        const FieldTexts before = texts;
        const auto fault = RunComputeAction(window, texts);
        const std::string problem = fuzz::ComputeRunProblem(window, before, texts, fault);
        ASSERT_EQ(problem, "") << window.name << ", run " << run;
        ++(fault ? faultedRuns : completedRuns);
    }

    // The texts must reach both outcomes, or the runs above prove little.
    EXPECT_GT(completedRuns, 10) << window.name;
    EXPECT_GT(faultedRuns, 10) << window.name;
}

INSTANTIATE_TEST_SUITE_P(AllWindows, StressTest, ::testing::ValuesIn(WindowNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace zentrova
