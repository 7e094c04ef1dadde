#include "support/WindowRun.h"

namespace zentrova::test {
namespace {

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

class FeedForwardTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(FeedForwardTest, Computes) { ExpectWindowCase("qkcf", GetParam()); }

// Both passes through text show: without the cut of step 1 Text5 would end
// in ...674, without the read-back Text6 and Text8 would end in ...191 and ...897.
const Assignments kFeedForwardInitial = {{"Text5", "18.0633326912673"}, {"Text6", "9.68726283284194E-02"},
                                         {"Text7", "2.29775"}, {"Text8", "3.83653973577898"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, FeedForwardTest,
    ::testing::Values(
        WindowCase{"initial_texts", {}, kFeedForwardInitial},
        WindowCase{"unread_rff1", {{"Text2", "910"}}, kFeedForwardInitial},
        WindowCase{"fifty_hertz",
                   {{"Text1", "50"}},
                   {{"Text5", "15.0527772427228"}, {"Text6", "0.116247153994103"}, {"Text7", "2.29775"},
                    {"Text8", "4.60384768293477"}}},
        WindowCase{"three_percent_thd",
                   {{"Text4", "3"}},
                   {{"Text5", "25.5454100736476"}, {"Text6", "6.84992924023892E-02"}, {"Text7", "2.29775"},
                    {"Text8", "2.71284326346096"}}},
        WindowCase{"lowest_input_85",
                   {{"Text9", "85"}},
                   {{"Text5", "18.0633326912673"}, {"Text6", "9.68726283284194E-02"}, {"Text7", "2.16258823529412"},
                    {"Text8", "4.07632346926517"}}},
        WindowCase{"zero_thd",
                   {{"Text4", "0"}},
                   {{"Text5", "0"}, {"Text6", ""}, {"Text7", ""}, {"Text8", ""}},
                   2},
        WindowCase{"negative_thd",
                   {{"Text4", "-1.5"}},
                   {{"Text5", ""}, {"Text6", ""}, {"Text7", ""}, {"Text8", ""}},
                   1,
                   FaultKind::Invalid},
        WindowCase{"zero_rff2", {{"Text3", "0"}}, {{"Text5", "18.0633326912673"}, {"Text6", ""}}, 2},
        WindowCase{"zero_lowest_input",
                   {{"Text9", "0"}},
                   {{"Text5", "18.0633326912673"}, {"Text6", "9.68726283284194E-02"}, {"Text7", ""}, {"Text8", ""}},
                   3}),
    CaseName);

class MultiplierInputTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(MultiplierInputTest, Computes) { ExpectWindowCase("qkcfq", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, MultiplierInputTest,
    ::testing::Values(WindowCase{"initial_texts", {}, {{"Text2", "606.666666666667"}}},
                      WindowCase{"line_264", {{"Text1", "264"}}, {{"Text2", "616"}}},
                      WindowCase{"line_230", {{"Text1", "230"}}, {{"Text2", "536.666666666667"}}},
                      WindowCase{"line_265", {{"Text1", "265"}}, {{"Text2", "618.333333333333"}}},
                      WindowCase{"zero", {{"Text1", "0"}}, {{"Text2", "0"}}},
                      WindowCase{"not_a_number", {{"Text1", "abc"}}, {{"Text2", "0"}}},
                      WindowCase{"negative", {{"Text1", "-260"}}, {{"Text2", "-606.666666666667"}}},
                      WindowCase{"overflow", {{"Text1", "1e307"}}, {{"Text2", ""}}, 1, FaultKind::Overflow}),
    CaseName);

class MultiplierBiasTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(MultiplierBiasTest, Computes) { ExpectWindowCase("fxxpz", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, MultiplierBiasTest,
    ::testing::Values(WindowCase{"initial_texts", {}, {{"Text2", "155"}}},
                      WindowCase{"rvac_910", {{"Text1", "910"}}, {{"Text2", "227.5"}}},
                      WindowCase{"typed_from_qkcfq", {{"Text1", "606.666666666667"}}, {{"Text2", "151.666666666667"}}},
                      WindowCase{"negative", {{"Text1", "-4"}}, {{"Text2", "-1"}}}),
    CaseName);

class TimingResistorTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(TimingResistorTest, Computes) { ExpectWindowCase("zddsdz", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, TimingResistorTest,
    ::testing::Values(
        // Step 2 divides by the displayed 0.0030241935483871; the full double
        // would give 37034.6666666667.
        WindowCase{"initial_texts", {}, {{"Text3", "3.0241935483871E-03"}, {"Text4", "37034.6666666666"}}},
        WindowCase{"lowest_input_85", {{"Text1", "85"}}, {{"Text3", "3.0241935483871E-03"}, {"Text4", "39349.3333333333"}}},
        WindowCase{"rvac_910", {{"Text2", "910"}}, {{"Text3", "2.06043956043956E-03"}, {"Text4", "54357.3333333333"}}},
        WindowCase{"plain_notation", {{"Text1", "90"}, {"Text2", "600"}}, {{"Text3", "0.003125"}, {"Text4", "40320"}}},
        WindowCase{"zero_rvac", {{"Text2", "0"}}, {{"Text3", ""}, {"Text4", ""}}, 1},
        WindowCase{"zero_line", {{"Text1", "0"}}, {{"Text3", "3.0241935483871E-03"}, {"Text4", "0"}}}),
    CaseName);

class TimingCapacitorTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(TimingCapacitorTest, Computes) { ExpectWindowCase("zddsdr", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, TimingCapacitorTest,
    ::testing::Values(WindowCase{"initial_texts", {}, {{"Text3", "0.666666666666667"}}},
                      WindowCase{"fs_50", {{"Text1", "50"}}, {{"Text3", "1.33333333333333"}}},
                      WindowCase{"fs_65", {{"Text1", "65"}}, {{"Text3", "1.02564102564103"}}},
                      WindowCase{"rset_10", {{"Text2", "10"}}, {{"Text3", "1"}}},
                      WindowCase{"rset_12", {{"Text2", "12"}}, {{"Text3", "0.833333333333333"}}},
                      WindowCase{"zero_frequency", {{"Text1", "0"}}, {{"Text3", ""}}, 1},
                      WindowCase{"non_numeric_resistor", {{"Text2", "k"}}, {{"Text3", ""}}, 1}),
    CaseName);

}  // namespace
}  // namespace zentrova::test
