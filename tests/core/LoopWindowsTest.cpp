#include "support/WindowRun.h"

namespace zentrova::test {
namespace {

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

class CurrentLoopTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(CurrentLoopTest, Computes) { ExpectWindowCase("dlbch", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrentLoopTest,
    ::testing::Values(
        WindowCase{"initial_texts",
                   {},
                   {{"Text5", "5.096"}, {"Text6", "15.9235668789809"}, {"Text8", "19.8744"},
                    {"Text9", "503.159843819184"}, {"Text10", "80.1209942387236"}}},
        // Steps 2 and 3 use the displayed gain; the unrounded one would give
        // Text8 «11.1428571428571».
        WindowCase{"read_back_gain",
                   {{"Text1", "0.3"}, {"Text2", "50"}, {"Text3", "385"}, {"Text4", "1500"}, {"Text7", "3.3"}},
                   {{"Text5", "3.37662337662338"}, {"Text6", "7.96178343949045"}, {"Text8", "11.1428571428572"},
                    {"Text9", "1794.87179487178"}, {"Text10", "285.807610648373"}}},
        WindowCase{"zero_rmo",
                   {{"Text7", "0"}},
                   {{"Text5", "5.096"}, {"Text6", "15.9235668789809"}, {"Text8", "0"}, {"Text9", ""}, {"Text10", ""}},
                   4},
        WindowCase{"empty_frequency",
                   {{"Text2", ""}},
                   {{"Text5", ""}, {"Text6", ""}, {"Text8", ""}, {"Text9", ""}, {"Text10", ""}},
                   1},
        WindowCase{"zero_frequency_text", {{"Text2", "0"}}, {{"Text5", ""}}, 1},
        WindowCase{"non_numeric_frequency", {{"Text2", "abc"}}, {{"Text5", ""}}, 1},
        WindowCase{"zero_sense_resistor", {{"Text1", "0"}}, {{"Text5", ""}}, 1},
        WindowCase{"negative_rmo",
                   {{"Text7", "-3.9"}},
                   {{"Text5", "5.096"}, {"Text6", "15.9235668789809"}, {"Text8", "-19.8744"},
                    {"Text9", "-503.159843819184"}, {"Text10", "-80.1209942387236"}}}),
    CaseName);

class VoltageLoopTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(VoltageLoopTest, Computes) { ExpectWindowCase("dybch", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, VoltageLoopTest,
    ::testing::Values(
        WindowCase{"initial_texts",
                   {},
                   {{"Text6", "2.38853503184713"}, {"Text7", "0.02512"}, {"Text8", "35.1164987345048"},
                    {"Text9", "96.4786660136388"}, {"Text10", "0.696593357553234"}}},
        // The gain is read back in its exponent form; Text8 and Text9 ignore
        // the capacitance typed in.
        WindowCase{"capacitance_470",
                   {{"Text3", "470"}},
                   {{"Text6", "1.2704973573655"}, {"Text7", "4.72255999999999E-02"}, {"Text8", "35.1164987345048"},
                    {"Text9", "96.4786660136388"}, {"Text10", "0.370528381677253"}}},
        // The root of the unrounded base would give «19.8430978752491».
        WindowCase{"base_through_text",
                   {{"Text1", "100"}, {"Text2", "50"}, {"Text3", "250"}, {"Text4", "380"}, {"Text5", "200"}},
                   {{"Text6", "1.67616493462957"}, {"Text7", "3.57959999999999E-02"}, {"Text8", "19.843097875249"},
                    {"Text9", "170.739114138051"}, {"Text10", "0.222421036973139"}}},
        WindowCase{"line_60_hertz",
                   {{"Text2", "60"}},
                   {{"Text6", "1.99044585987261"}, {"Text7", "0.030144"}, {"Text8", "35.1164987345048"},
                    {"Text9", "96.4786660136388"}, {"Text10", "0.483745387189746"}}},
        WindowCase{"zero_power",
                   {{"Text1", "0"}},
                   {{"Text6", "0"}, {"Text7", ""}, {"Text8", ""}, {"Text9", ""}, {"Text10", ""}},
                   2},
        WindowCase{"negative_rin",
                   {{"Text5", "-91"}},
                   {{"Text6", "2.38853503184713"}, {"Text7", "0.02512"}, {"Text8", ""}, {"Text9", ""}, {"Text10", ""}},
                   3,
                   FaultKind::Invalid},
        WindowCase{"zero_rin", {{"Text5", "0"}}, {{"Text7", "0.02512"}, {"Text8", ""}}, 3},
        WindowCase{"empty_capacitance",
                   {{"Text3", ""}},
                   {{"Text6", ""}, {"Text7", ""}, {"Text8", ""}, {"Text9", ""}, {"Text10", ""}},
                   1}),
    CaseName);

}  // namespace
}  // namespace zentrova::test
