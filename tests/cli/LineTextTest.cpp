#include "cli/CalcCli.h"
#include "cli/LineText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentrova {
namespace {

struct TextCase {
    const char* name;
    std::string text;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class LineTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(LineTextTest, KeepsTheTextOnOneLine)
{
    EXPECT_EQ(LineText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineTextTest,
    ::testing::Values(TextCase{"number", "4.41875", "4.41875"}, TextCase{"empty", "", ""},
                      TextCase{"chinese", "输出功率", "输出功率"}, TextCase{"space_and_tilde", " a~", " a~"},
                      TextCase{"four_byte_character", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                      TextCase{"line_feed", "5\nText4=999", "5\\nText4=999"},
                      TextCase{"carriage_return_and_tab", "a\rb\tc", "a\\rb\\tc"},
                      TextCase{"backslash", "C:\\x41", "C:\\\\x41"}, TextCase{"nul", std::string("6\0" "5", 3), "6\\x005"},
                      TextCase{"escape_sequence", "\x1B[31m", "\\x1B[31m"}, TextCase{"unit_separator", "\x1F", "\\x1F"},
                      TextCase{"delete", "\x7F", "\\x7F"}, TextCase{"invalid_byte", "8\xFF" "9", "8\\xFF9"},
                      TextCase{"cut_character", "1\xE5\x8A", "1\\xE5\\x8A"},
                      TextCase{"overlong_slash", "\xC0\xAF", "\\xC0\\xAF"},
                      TextCase{"surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"}),
    [](const auto& info) { return std::string(info.param.name); });

class QuotedArgumentTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(QuotedArgumentTest, QuotesEscapedAndCut)
{
    EXPECT_EQ(QuotedArgument(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, QuotedArgumentTest,
    ::testing::Values(
        TextCase{"short", "gl", "'gl'"}, TextCase{"line_feed", "a\nb", "'a\\nb'"},
        TextCase{"sixty_characters", std::string(60, 'a'), "'" + std::string(60, 'a') + "'"},
        TextCase{"sixty_one_characters", std::string(61, 'a'), "'" + std::string(59, 'a') + "…'"},
        TextCase{"128_kib", std::string(128 * 1024, 'y'), "'" + std::string(59, 'y') + "…'"},
        TextCase{"escape_fills_sixty", std::string(58, 'a') + "\n", "'" + std::string(58, 'a') + "\\n'"},
        TextCase{"escape_not_split", std::string(58, 'a') + "\nb", "'" + std::string(58, 'a') + "…'"},
        TextCase{"byte_escape_not_split", std::string(57, 'a') + "\xFF" "b", "'" + std::string(57, 'a') + "…'"},
        [] {
            std::string sixty;
            for (int i = 0; i < 60; ++i)
                sixty += "功";
            return TextCase{"sixty_chinese_characters", sixty, "'" + sixty + "'"};
        }(),
        [] {
            std::string sixtyOne;
            std::string fiftyNine;
            for (int i = 0; i < 61; ++i)
                sixtyOne += "功";
            for (int i = 0; i < 59; ++i)
                fiftyNine += "功";
            return TextCase{"sixty_one_chinese_characters", sixtyOne, "'" + fiftyNine + "…'"};
        }()),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcCliLines, AFieldTextWithALineBreakPrintsNoFakeLine)
{
    std::string out;
    std::string err;
    EXPECT_EQ(RunCalcCli({"xldz", "Text1=5\nText4=999"}, out, err), kExitOk) << err;
    EXPECT_EQ(out.substr(0, out.find('\n') + 1), "Text1=5\\nText4=999\n");
    EXPECT_EQ(out.find("\nText4=999"), std::string::npos) << out;
}

struct UsageLineCase {
    const char* name;
    std::vector<std::string> args;
    std::string message;
};

void PrintTo(const UsageLineCase& c, std::ostream* os) { *os << c.name; }

class CalcCliUsageLineTest : public ::testing::TestWithParam<UsageLineCase> {};

TEST_P(CalcCliUsageLineTest, QuotesTheArgumentOnOneLine)
{
    std::string out;
    std::string err;
    EXPECT_EQ(RunCalcCli(GetParam().args, out, err), kExitUsage);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CalcCliUsageLineTest,
    ::testing::Values(
        UsageLineCase{"plain_window_name", {"nope"}, "zentrova-calc: unknown window 'nope' (see --list)\n"},
        UsageLineCase{"window_with_line_feed", {"bad\nname"}, "zentrova-calc: unknown window 'bad\\nname' (see --list)\n"},
        UsageLineCase{"window_invalid_utf8", {"\xFFgl"}, "zentrova-calc: unknown window '\\xFFgl' (see --list)\n"},
        UsageLineCase{"control_with_control_character",
                      {"gl", "Te\x01xt=1"},
                      "zentrova-calc: window gl has no field 'Te\\x01xt' (see gl --fields)\n"},
        UsageLineCase{"argument_of_128_kib",
                      {"gl", std::string(128 * 1024, 'y')},
                      "zentrova-calc: unexpected argument '" + std::string(59, 'y') +
                          "…' (expected WINDOW or CONTROL=TEXT; see --help)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrova
