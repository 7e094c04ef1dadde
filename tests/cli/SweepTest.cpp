#include "cli/CalcCli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zentrova {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args)
{
    CliRun run{0, {}, {}};
    run.status = RunCalcCli(args, run.out, run.err);
    return run;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The cells of one CSV line whose texts hold no comma and no quote.
std::vector<std::string> PlainCells(const std::string& line)
{
    std::vector<std::string> cells(1);
    for (const char c : line) {
        if (c == ',')
            cells.emplace_back();
        else
            cells.back().push_back(c);
    }
    return cells;
}

// The texts of one column below the header, row by row.
std::vector<std::string> Column(const std::string& csv, const std::string& control)
{
    const std::vector<std::string> lines = Lines(csv);
    if (lines.empty())
        return {};
    const std::vector<std::string> header = PlainCells(lines[0]);
    std::size_t column = 0;
    while (column < header.size() && header[column] != control)
        ++column;
    std::vector<std::string> texts;
    for (std::size_t i = 1; i < lines.size(); ++i)
        texts.push_back(PlainCells(lines[i]).at(column));
    return texts;
}

constexpr const char* kGlHeader =
    "Text1,Text2,Text11,Text3,Text4,Text5,Text6,Text7,Text8,Text9,Text10,fault_step,fault_target,fault_kind";

// gl's switching frequency Text4 enters none of its formulas, so every
// point computes and the column shows the point texts alone.
struct PointCase {
    const char* name;
    std::string sweep;
    std::vector<std::string> points;
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << c.name; }

class SweepPointsTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(SweepPointsTest, WritesEachPointAsAResultText)
{
    const CliRun run = RunCli({"gl", "--sweep", GetParam().sweep});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Lines(run.out).at(0), kGlHeader);
    EXPECT_EQ(Column(run.out, "Text4"), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SweepPointsTest,
    ::testing::Values(
        // 3 × 0.1 is 0.30000000000000004 in binary; 15 digits show 0.3.
        PointCase{"tenths", "Text4=0:1:0.1", {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
        PointCase{"nano_steps", "Text4=1e-9:5e-9:1e-9",
                  {"0.000000001", "0.000000002", "0.000000003", "0.000000004", "0.000000005"}},
        PointCase{"negative_step", "Text4=1:-0.5:-0.25", {"1", "0.75", "0.5", "0.25", "0", "-0.25", "-0.5"}},
        // 3.33 steps: the last point is the third, short of STOP.
        PointCase{"stop_not_reached", "Text4=0:1:0.3", {"0", "0.3", "0.6", "0.9"}},
        // 10.0000000001 steps: within 1e-9 of a step, so STOP itself ends it.
        PointCase{"stop_within_tolerance", "Text4=0:1.00000000001:0.1",
                  {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.00000000001"}},
        // 10.0000001 steps is beyond it: ten steps, the last at 1.
        PointCase{"stop_beyond_tolerance", "Text4=0:1.00000001:0.1",
                  {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
        PointCase{"start_is_stop", "Text4=5:5:-1", {"5"}},
        PointCase{"plus_and_exponent", "Text4=+2E3:3e3:500", {"2000", "2500", "3000"}},
        PointCase{"list_as_given", "Text4=1.50,,abc,1e3", {"1.50", "", "abc", "1e3"}},
        PointCase{"one_text", "Text4=7", {"7"}}),
    [](const auto& info) { return std::string(info.param.name); });

// START + i × STEP, not a running sum: 1000 additions of 0.1 drift to
// 99.9999999999986, which 15 digits would show.
TEST(Sweep, ComputesEachPointFromItsIndex)
{
    const CliRun run = RunCli({"gl", "--sweep", "Text4=0:100:0.1"});
    ASSERT_EQ(run.status, kExitOk);
    const std::vector<std::string> points = Column(run.out, "Text4");
    ASSERT_EQ(points.size(), 1001u);
    for (int i = 0; i <= 1000; ++i) {
        const std::string tenths = std::to_string(i / 10) + (i % 10 ? "." + std::to_string(i % 10) : "");
        EXPECT_EQ(points[static_cast<std::size_t>(i)], tenths) << "point " << i;
    }
}

// gl: Text6 = Text1 × 1.414 ÷ Text2, Text7 = Text6 ÷ 5, Text10 = 1.7 × Text1.
TEST(Sweep, NestsTheFirstSweepSlowestWithTheAssignmentsApplied)
{
    const CliRun run = RunCli({"gl", "Text1=100", "--sweep", "Text2=80,40", "--sweep", "Text4=1:3:1"});
    ASSERT_EQ(run.status, kExitOk);
    EXPECT_EQ(Column(run.out, "Text2"), (std::vector<std::string>{"80", "80", "80", "40", "40", "40"}));
    EXPECT_EQ(Column(run.out, "Text4"), (std::vector<std::string>{"1", "2", "3", "1", "2", "3"}));
    EXPECT_EQ(Column(run.out, "Text6"),
              (std::vector<std::string>{"1.7675", "1.7675", "1.7675", "3.535", "3.535", "3.535"}));
    EXPECT_EQ(Column(run.out, "Text7"),
              (std::vector<std::string>{"0.3535", "0.3535", "0.3535", "0.707", "0.707", "0.707"}));
    EXPECT_EQ(Column(run.out, "Text10"), std::vector<std::string>(6, "170"));
}

// A point that faults is a row with its fault columns filled, and the
// outputs from its faulting step on are empty, as on fresh texts; the
// points after it compute as ever.
TEST(Sweep, AFaultInTheMiddleIsARowAndTheSweepGoesOn)
{
    const CliRun run = RunCli({"gl", "--sweep", "Text2=-1:1:1"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "250,0,260,60,100,400,,,,,,1,Text6,division-by-zero");
    // 250 × 1.414 ÷ 1 = 353.5; (260 − 1.4) ÷ 260 = 0.99461538461538...
    EXPECT_EQ(PlainCells(lines[3]).at(6), "353.5");
    EXPECT_EQ(PlainCells(lines[3]).at(8), "0.994615384615385");
    EXPECT_EQ(lines[3].substr(lines[3].size() - 3), ",,,");
}

TEST(Sweep, JsonLinesHaveTheSchemaOfASingleRun)
{
    const CliRun run = RunCli({"--json", "gl", "--sweep", "Text2=0,80"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out,
              "{\"window\": \"gl\", \"fields\": {\"Text1\": \"250\", \"Text2\": \"0\", \"Text11\": \"260\", "
              "\"Text3\": \"60\", \"Text4\": \"100\", \"Text5\": \"400\", \"Text6\": \"\", \"Text7\": \"\", "
              "\"Text8\": \"\", \"Text9\": \"\", \"Text10\": \"\"}, "
              "\"fault\": {\"step\": 1, \"target\": \"Text6\", \"kind\": \"division-by-zero\"}}\n"
              "{\"window\": \"gl\", \"fields\": {\"Text1\": \"250\", \"Text2\": \"80\", \"Text11\": \"260\", "
              "\"Text3\": \"60\", \"Text4\": \"100\", \"Text5\": \"400\", \"Text6\": \"4.41875\", \"Text7\": "
              "\"0.88375\", \"Text8\": \"0.569230769230769\", \"Text9\": \"180.35034272658\", \"Text10\": \"425\"}, "
              "\"fault\": null}\n");
}

// Text3 (the line frequency) enters none of gl's formulas.
struct QuotingCase {
    const char* name;
    std::string text;
    std::string cell;
};

void PrintTo(const QuotingCase& c, std::ostream* os) { *os << c.name; }

class SweepCsvQuotingTest : public ::testing::TestWithParam<QuotingCase> {};

TEST_P(SweepCsvQuotingTest, QuotesTheCellAsRfc4180Asks)
{
    const CliRun run = RunCli({"gl", "Text3=" + GetParam().text, "--sweep", "Text4=1"});
    ASSERT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, std::string(kGlHeader) + "\n250,80,260," + GetParam().cell +
                           ",1,400,4.41875,0.88375,0.569230769230769,180.35034272658,425,,,\n");
}

INSTANTIATE_TEST_SUITE_P(Texts, SweepCsvQuotingTest,
                         ::testing::Values(QuotingCase{"comma_and_quote", "a,\"b", "\"a,\"\"b\""},
                                           QuotingCase{"line_break", "1\r\n2", "\"1\r\n2\""},
                                           QuotingCase{"quote_alone", "\"", "\"\"\"\""},
                                           QuotingCase{"spaces_stay_bare", " 6 0 ", " 6 0 "},
                                           QuotingCase{"chinese_stays_bare", "六十", "六十"},
                                           QuotingCase{"invalid_utf8", "6\xFF", "6\xEF\xBF\xBD"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SweepUsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

void PrintTo(const SweepUsageCase& c, std::ostream* os) { *os << c.name; }

class SweepUsageTest : public ::testing::TestWithParam<SweepUsageCase> {};

TEST_P(SweepUsageTest, ReportsOneLinePrintsNothingAndExitsWithTwo)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zentrova-calc: " + std::string(GetParam().message) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SweepUsageTest,
    ::testing::Values(
        SweepUsageCase{"two_parts", {"gl", "--sweep", "Text4=1:2"},
                       "bad sweep 'Text4=1:2' (expected START:STOP:STEP as three numbers)"},
        SweepUsageCase{"not_a_number", {"gl", "--sweep", "Text4=1:x:1"},
                       "bad sweep 'Text4=1:x:1' (expected START:STOP:STEP as three numbers)"},
        SweepUsageCase{"no_equals", {"gl", "--sweep", "Text4"},
                       "bad sweep 'Text4' (expected CONTROL=START:STOP:STEP or CONTROL=V1,V2,...)"},
        SweepUsageCase{"step_zero", {"gl", "--sweep", "Text4=1:2:0"}, "sweep 'Text4=1:2:0' has a step of 0"},
        SweepUsageCase{"wrong_sign", {"gl", "--sweep", "Text4=1:2:-0.5"},
                       "sweep 'Text4=1:2:-0.5' steps away from its stop (the step's sign is wrong)"},
        SweepUsageCase{"unknown_control", {"gl", "--sweep", "Text99=1,2"},
                       "window gl has no field 'Text99' (see gl --fields)"},
        SweepUsageCase{"swept_twice", {"gl", "--sweep", "Text4=1,2", "--sweep", "Text4=3"},
                       "sweep 'Text4=3' sweeps a field swept before"},
        // 0..1e7 in halves: 20 000 001 points.
        SweepUsageCase{"too_many_points", {"gl", "--sweep", "Text4=0:1e7:0.5"},
                       "the sweeps give 20000001 points, more than 10000000 (allow more with --max-points N)"},
        SweepUsageCase{"too_many_in_product", {"gl", "--sweep", "Text4=1:5000:1", "--sweep", "Text3=1:2001:1"},
                       "the sweeps give 10005000 points, more than 10000000 (allow more with --max-points N)"},
        SweepUsageCase{"beyond_counting", {"gl", "--sweep", "Text4=0:1e300:1e-300"},
                       "the sweeps give over 10^18 points, more than 10000000 (allow more with --max-points N)"},
        SweepUsageCase{"below_max_points", {"gl", "--max-points", "5", "--sweep", "Text4=1:6:1"},
                       "the sweeps give 6 points, more than 5 (--max-points)"},
        SweepUsageCase{"max_points_zero", {"gl", "--max-points", "0", "--sweep", "Text4=1"},
                       "--max-points needs a whole number above 0, not '0'"},
        SweepUsageCase{"sweep_without_value", {"gl", "--sweep"},
                       "--sweep needs CONTROL=START:STOP:STEP or CONTROL=V1,V2,..."},
        SweepUsageCase{"no_window", {"--sweep", "Text4=1"}, "no window given (see --list and --help)"},
        SweepUsageCase{"csv_and_json", {"gl", "--csv", "--json", "--sweep", "Text4=1"},
                       "--csv and --json exclude each other"},
        SweepUsageCase{"with_explain", {"gl", "--explain", "--sweep", "Text4=1"},
                       "--sweep and --batch take no --explain, --fields or --list"},
        SweepUsageCase{"csv_alone", {"gl", "--csv"}, "--csv, --csv-in and --max-points need --sweep or --batch"},
        SweepUsageCase{"sweep_and_batch", {"--batch", "gl", "--sweep", "Text4=1"},
                       "--sweep and --batch exclude each other"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sweep, MaxPointsAllowsUpToItsNumber)
{
    const CliRun run = RunCli({"gl", "--max-points", "6", "--sweep", "Text4=1:6:1", "--csv"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(Column(run.out, "Text4"), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
}

}  // namespace
}  // namespace zentrova
