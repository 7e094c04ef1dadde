#include "cli/CalcCli.h"
#include "cli/JsonText.h"

#include <gtest/gtest.h>

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

TEST(CalcCli, PrintsEveryFieldInVisualOrder)
{
    const CliRun run = RunCli({"gl"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out,
              "Text1=250\nText2=80\nText11=260\nText3=60\nText4=100\nText5=400\n"
              "Text6=4.41875\nText7=0.88375\nText8=0.569230769230769\nText9=180.35034272658\nText10=425\n");
    EXPECT_EQ(run.err, "");
}

TEST(CalcCli, AppliesAssignmentsInOrderIncludingEmptyTexts)
{
    const CliRun run = RunCli({"gl", "Text1=7", "Text1=100", "Text11=265", "Text3="});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_NE(run.out.find("Text1=100\n"), std::string::npos);
    EXPECT_NE(run.out.find("Text3=\n"), std::string::npos);
    EXPECT_NE(run.out.find("Text9=457.313655893892\n"), std::string::npos);
}

TEST(CalcCli, FaultPrintsTheFieldsAsTheyStandAndExitsWithThree)
{
    const CliRun run = RunCli({"--json", "gl", "Text1=0"});
    EXPECT_EQ(run.status, kExitFault);
    EXPECT_EQ(run.out,
              "{\"window\": \"gl\", \"fields\": {\"Text1\": \"0\", \"Text2\": \"80\", \"Text11\": \"260\", "
              "\"Text3\": \"60\", \"Text4\": \"100\", \"Text5\": \"400\", \"Text6\": \"0\", \"Text7\": \"0\", "
              "\"Text8\": \"0.569230769230769\", \"Text9\": \"\", \"Text10\": \"\"}, "
              "\"fault\": {\"step\": 4, \"target\": \"Text9\", \"kind\": \"division-by-zero\"}}\n");
    EXPECT_NE(run.err.find("step 4"), std::string::npos);
    EXPECT_NE(run.err.find("Text9"), std::string::npos);
    EXPECT_NE(run.err.find("division-by-zero"), std::string::npos);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line";

    const CliRun plain = RunCli({"gl", "Text2="});
    EXPECT_EQ(plain.status, kExitFault);
    EXPECT_NE(plain.out.find("Text6=\n"), std::string::npos);
}

TEST(CalcCli, JsonWithoutFaultAndEscapedTexts)
{
    const CliRun run = RunCli({"gl", "--json", "Text3=a\"b\\c\n\x01", "Text4=\xFF"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_NE(run.out.find("\"Text3\": \"a\\\"b\\\\c\\n\\u0001\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"Text4\": \"\xEF\xBF\xBD\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"fault\": null}"), std::string::npos);
    EXPECT_EQ(JsonString("功率"), "\"功率\"");
}

// Bytes that are no UTF-8 become U+FFFD each, a lone surrogate's encoding
// included: JSON text must be valid UTF-8.
TEST(JsonString, ReplacesWhatIsNotUtf8)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"" + replacement + replacement + replacement + "\"");
    EXPECT_EQ(JsonString("a\xC0\xAF"), "\"a" + replacement + replacement + "\"");
    EXPECT_EQ(JsonString("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");
    EXPECT_EQ(JsonString("\x7F"), "\"\\u007f\"");
}

TEST(CalcCli, ExplainPrintsTheWorkingAfterTheFields)
{
    const CliRun run = RunCli({"--explain", "xldz"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out,
              "Text1=980\nText2=100\nText3=400\nText4=0.245\n\n"
              "第 1 步：限流电阻(R)（Text4）\n"
              "  电流检测电阻 Rs = L·fs ÷ Vout。\n"
              "  Rs = ((L × fs) ÷ Vout) ÷ 1000\n"
              "      = ((980 × 100) ÷ 400) ÷ 1000\n"
              "      = 0.245 Ω\n"
              "  E96 标准值：最接近 0.243 Ω（-0.82 %）；较小 0.243 Ω（-0.82 %）；较大 0.249 Ω（+1.63 %）\n"
              "  E24 标准值：最接近 0.24 Ω（-2.04 %）；较小 0.24 Ω（-2.04 %）；较大 0.27 Ω（+10.20 %）\n");
}

TEST(CalcCli, JsonExplainAddsTheSteps)
{
    const CliRun run = RunCli({"--json", "--explain", "gl"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out.rfind("{\"window\": \"gl\", \"fields\": {", 0), 0u);
    EXPECT_NE(run.out.find("\"fault\": null, \"steps\": [{\"step\": 1, \"target\": \"Text6\", \"symbol\": \"IL,pk\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"formula\": \"(Pout × 1.414) ÷ Vin,min\", \"values\": \"(250 × 1.414) ÷ 80\", "
                           "\"text\": \"4.41875\", \"unit\": \"A\""),
              std::string::npos);
    // 180.35 µH: E12 180 (−0.19 %), as a number in µH.
    EXPECT_NE(run.out.find("\"part\": \"inductor\", \"standard\": {\"E12\": {\"nearest\": 180, \"lower\": 180, "
                           "\"higher\": 220, \"deviation_percent\": -0.19"),
              std::string::npos);
    EXPECT_NE(run.out.find("\"reference\": {\"symbol\": \"L\""), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 3), "]}\n");
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one line";
}

TEST(CalcCli, ListsWindowsAndFields)
{
    const CliRun list = RunCli({"--list"});
    EXPECT_EQ(list.status, kExitOk);
    EXPECT_NE(list.out.find("gl\t功率元件\n"), std::string::npos);

    const CliRun fields = RunCli({"gl", "--fields"});
    EXPECT_EQ(fields.status, kExitOk);
    EXPECT_NE(fields.out.find("Text1\t输出功率（W）\tinput\t250\n"), std::string::npos);
    EXPECT_NE(fields.out.find("Text10\t所需要电容（uF）\toutput\t\n"), std::string::npos);
}

TEST(CalcCli, ListsEveryCalculationWindow)
{
    const CliRun list = RunCli({"--list"});
    EXPECT_EQ(list.out,
              "gl\t功率元件\nxldz\t限流电阻\nXL\t限流设置 \nqkcf\t前馈乘方\nqkcfq\t前馈乘法器\n"
              "fxxpz\t非线性偏置\ndlbch\t电流补偿环计算\ndybch\t电压补偿环计算算\nzddsdz\tForm1\n"
              "zddsdr\t振荡定时电容\nyl\t器件应力计算\n");
}

struct WindowLineCase {
    const char* name;
    std::vector<std::string> args;
    const char* line;
    int status;
};

void PrintTo(const WindowLineCase& c, std::ostream* os) { *os << c.name; }

class CalcCliWindowsTest : public ::testing::TestWithParam<WindowLineCase> {};

TEST_P(CalcCliWindowsTest, PrintsTheResultLine)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_NE(run.out.find(GetParam().line), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CalcCliWindowsTest,
    ::testing::Values(WindowLineCase{"voltage_loop", {"dybch"}, "Text8=35.1164987345048\n", kExitOk},
                      WindowLineCase{"feed_forward", {"qkcf"}, "Text6=9.68726283284194E-02\n", kExitOk},
                      WindowLineCase{"current_loop_fault", {"dlbch", "Text7=0"}, "Text9=\nText10=\nText8=0\n", kExitFault},
                      WindowLineCase{"negative_root", {"--json", "dybch", "Text5=-91"},
                                     "\"fault\": {\"step\": 3, \"target\": \"Text8\", \"kind\": \"invalid\"}",
                                     kExitFault},
                      WindowLineCase{"peak_limit", {"XL", "Text1=7.5"}, "Text2=1.15384615384615\n", kExitOk},
                      WindowLineCase{"component_stress", {"yl"}, "Text15=1.48567851161712\nText16=2.7051592797784\n",
                                     kExitOk},
                      WindowLineCase{"component_stress_fault", {"--json", "yl", "Text9=400"},
                                     "\"fault\": {\"step\": 8, \"target\": \"Text17\", \"kind\": \"division-by-zero\"}",
                                     kExitFault}),
    [](const auto& info) { return std::string(info.param.name); });

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class CalcCliUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CalcCliUsageTest, ReportsOneLineAndExitsWithTwo)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CalcCliUsageTest,
    ::testing::Values(UsageCase{"no_arguments", {}}, UsageCase{"unknown_window", {"nope"}},
                      UsageCase{"unknown_control", {"gl", "Text99=1"}},
                      UsageCase{"button_is_no_field", {"gl", "Command8=1"}},
                      UsageCase{"not_an_assignment", {"gl", "Text1"}}, UsageCase{"unknown_option", {"gl", "--fast"}},
                      UsageCase{"assignment_without_window", {"Text1=5"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrova
