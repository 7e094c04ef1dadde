// zentrova-calc --bode. Expected loop figures were worked out apart from
// this code, in Python with plain complex arithmetic: crossover within
// 0.1 %, phase margin within 0.1°, gains within 0.01 dB.
#include "cli/CalcCli.h"
#include "support/CliRun.h"
#include "support/CommaDecimalLocale.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace zentrova {
namespace {

using test::CliRun;
using test::RunCli;


double Number(std::string_view text)
{
    double value = NAN;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        ADD_FAILURE() << "not a number: '" << text << "'";
    return value;
}

// The number that follows `key` in a JSON text.
double JsonNumberAfter(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << key;
        return NAN;
    }
    const std::size_t begin = at + key.size() + 4;
    return Number(std::string_view(json).substr(begin, json.find_first_of(",}", begin) - begin));
}

std::vector<std::vector<double>> CsvRows(const std::string& csv)
{
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    std::vector<std::vector<double>> rows;
    while (std::getline(lines, line)) {
        std::vector<double> row;
        std::size_t begin = 0;
        for (std::size_t comma; (comma = line.find(',', begin)) != std::string::npos; begin = comma + 1)
            row.push_back(Number(std::string_view(line).substr(begin, comma - begin)));
        row.push_back(Number(std::string_view(line).substr(begin)));
        rows.push_back(row);
    }
    return rows;
}

TEST(BodeCli, CurrentLoopCsvHasFiftyPointsADecadeFromTenHertzToTheSwitchingFrequency)
{
    const CliRun run = RunCli({"--bode", "dlbch"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(run.out.starts_with("frequency_hz,gain_db,phase_deg\n10,"));
    const auto rows = CsvRows(run.out);
    ASSERT_EQ(rows.size(), 201u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        ASSERT_EQ(rows[k].size(), 3u);
        EXPECT_NEAR(rows[k][0], 10 * std::pow(10.0, k / 50.0), rows[k][0] * 1e-12) << "row " << k;
    }
    EXPECT_NEAR(rows[100][1], 46.8061585653, 0.01);
    EXPECT_NEAR(rows[100][2], -176.899219437, 0.01);
    EXPECT_EQ(rows.back()[0], 100000);
}

TEST(BodeCli, InputsAreAssignedAndComputedAsWithoutBode)
{
    // The read-back example: its loop is the initial one at half the frequency.
    const CliRun run = RunCli({"--json", "--bode", "dlbch", "Text1=0.3", "Text2=50", "Text3=385", "Text4=1500",
                               "Text7=3.3"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find("\"Text8\": \"11.1428571428572\""), std::string::npos);
    EXPECT_NEAR(JsonNumberAfter(run.out, "crossover_hz"), 9037.325094, 9037.325094 * 1e-3);
    EXPECT_NEAR(JsonNumberAfter(run.out, "phase_margin_deg"), 39.768165, 0.1);
    EXPECT_NE(run.out.find("\"ripple_gain_db\": null, "), std::string::npos);
}

TEST(BodeCli, VoltageLoopJsonCarriesTheFieldsAndTheLoop)
{
    const CliRun plain = RunCli({"--json", "dybch"});
    const CliRun run = RunCli({"--json", "--bode", "dybch"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    // The object without --bode, with the loop as its last member.
    const std::string head = plain.out.substr(0, plain.out.size() - 2);
    ASSERT_TRUE(run.out.starts_with(head + ", \"loop\": {\"crossover_hz\": ")) << run.out.substr(0, 400);
    EXPECT_TRUE(run.out.ends_with("]]}}\n"));
    EXPECT_NEAR(JsonNumberAfter(run.out, "crossover_hz"), 12.12724676, 12.12724676 * 1e-3);
    EXPECT_NEAR(JsonNumberAfter(run.out, "phase_margin_deg"), 11.049404, 0.1);
    EXPECT_NEAR(JsonNumberAfter(run.out, "ripple_gain_db"), -36.48941871, 0.01);
    EXPECT_NE(run.out.find("\"flags\": [\"相位裕量小于 45°，环路阻尼不足，扰动后会振荡。\"], "
                           "\"points\": [[0.01, 76.02"),
              std::string::npos);
}

TEST(BodeCli, NumbersIgnoreACommaDecimalLocale)
{
    CliRun run{};
    {
        const test::CommaDecimalLocale locale;
        ASSERT_TRUE(locale.active()) << "no German locale is installed (on Linux the test set-up generates it)";
        run = RunCli({"--bode", "dybch"});
    }
    EXPECT_TRUE(run.out.starts_with("frequency_hz,gain_db,phase_deg\n0.01,76.02")) << run.out.substr(0, 80);
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out;  // standard output as a whole
    const char* err;  // a part of the one line on standard error
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class BodeCliRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BodeCliRefusalTest, OneLineOnStandardError)
{
    const RefusalCase& c = GetParam();
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, BodeCliRefusalTest,
    ::testing::Values(
        RefusalCase{"window_without_loop", {"--bode", "gl"}, kExitUsage, "", "window gl has no loop"},
        // Negative parts compute, but make no loop.
        RefusalCase{"negative_part", {"--bode", "dlbch", "Text7=-3.9"}, kExitUsage, "",
                    "dlbch: no loop to plot: 「Rmo(K)」为负值，无法构成环路。"},
        RefusalCase{"fault_plain", {"--bode", "dlbch", "Text7=0"}, kExitFault, "", "step 4 could not compute Text9"},
        RefusalCase{"fault_json",
                    {"--json", "--bode", "dybch", "Text1=0"},
                    kExitFault,
                    "{\"window\": \"dybch\", \"fields\": {\"Text1\": \"0\", \"Text2\": \"50\", \"Text3\": \"250\", "
                    "\"Text4\": \"400\", \"Text5\": \"91\", \"Text6\": \"0\", \"Text7\": \"\", \"Text8\": \"\", "
                    "\"Text9\": \"\", \"Text10\": \"\"}, \"fault\": {\"step\": 2, \"target\": \"Text7\", "
                    "\"kind\": \"division-by-zero\"}, \"loop\": null}\n",
                    "step 2 could not compute Text7"},
        RefusalCase{"with_fields", {"--bode", "dlbch", "--fields"}, kExitUsage, "", "--fields takes only"},
        RefusalCase{"with_list", {"--bode", "--list"}, kExitUsage, "", "--list takes no other argument"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrova
