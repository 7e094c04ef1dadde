#include "cli/CalcCli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace zentrova {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// A batch reading `input` through a pipe; the input fits the pipe's buffer.
CliRun RunBatch(const std::vector<std::string>& args, const std::string& input)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0 || ::write(pipeEnds[1], input.data(), input.size()) != static_cast<ssize_t>(input.size()))
        throw std::runtime_error("cannot fill the input pipe");
    ::close(pipeEnds[1]);
    CliRun run{0, {}, {}};
    run.status = RunCalcCli(args, run.out, run.err, {nullptr, pipeEnds[0]});
    ::close(pipeEnds[0]);
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

constexpr const char* kGlHeader = "Text1,Text2,Text11,Text3,Text4,Text5,Text6,Text7,Text8,Text9,Text10,"
                                  "fault_step,fault_target,fault_kind,error";
// gl's outputs on its initial inputs (Text1 = 250 W, 80..260 V, 400 V);
// Text3 and Text4 enter none of its formulas.
constexpr const char* kGlOutputs = "400,4.41875,0.88375,0.569230769230769,180.35034272658,425,,,,";

// Each output line holds its fragment: a whole line for an error, the
// telling part of a result.
struct BatchCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::vector<std::string> lines;
    int status;
    std::string err;
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class BatchTest : public ::testing::TestWithParam<BatchCase> {};

TEST_P(BatchTest, WritesOneResultOrErrorPerCaseInOrder)
{
    const BatchCase& c = GetParam();
    const CliRun run = RunBatch(c.args, c.input);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), c.lines.size()) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_NE(lines[i].find(c.lines[i]), std::string::npos) << "line " << i + 1 << ": " << lines[i];
}

const std::string kReplacement = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchTest,
    ::testing::Values(
        // Text6 = Text1 × 1.414 ÷ 80, Text10 = 1.7 × Text1.
        BatchCase{"json_malformed_lines_in_the_middle",
                  {"--batch", "--json", "gl"},
                  "{\"fields\": {\"Text1\": \"100\"}}\n"
                  "{\"fields\": {\"Text1\": 100}}\n"
                  "{\"window\": \"gl\", \"fields\": {\"Text99\": \"1\"}}\n"
                  "{\"window\": \"dybch\"}\n"
                  "[1]\n"
                  "{\"fields\": {\"Text1\": \"200\"}, \"extra\": 1}\n"
                  "{\"fields\": {\"Text1\": \"200\"}}\n",
                  {"\"Text6\": \"1.7675\", \"Text7\": \"0.3535\"",
                   "{\"line\": 2, \"error\": \"the text of Text1 is not a JSON string\"}",
                   "{\"line\": 3, \"error\": \"window gl has no field 'Text99'\"}",
                   "{\"line\": 4, \"error\": \"window 'dybch' is not the batch's window gl\"}",
                   "{\"line\": 5, \"error\": \"not a JSON object\"}",
                   "{\"line\": 6, \"error\": \"unknown member 'extra' (expected \\\"window\\\" and \\\"fields\\\")\"}",
                   "\"Text6\": \"3.535\", \"Text7\": \"0.707\""},
                  kExitUsage,
                  "zentrova-calc: 5 input lines could not be read as a case\n"},
        BatchCase{"json_each_line_names_its_window",
                  {"--batch", "--json"},
                  "{\"window\": \"xldz\"}\n{\"window\": \"gl\", \"fields\": {\"Text2\": \"0\"}}\n{\"fields\": {}}\n"
                  "{\"window\": \"nope\"}\n",
                  {"{\"window\": \"xldz\", \"fields\": {\"Text1\": \"980\", \"Text2\": \"100\", \"Text3\": \"400\", "
                   "\"Text4\": \"0.245\"}, \"fault\": null}",
                   "\"fault\": {\"step\": 1, \"target\": \"Text6\", \"kind\": \"division-by-zero\"}}",
                   "{\"line\": 3, \"error\": \"no window given\"}",
                   "{\"line\": 4, \"error\": \"unknown window 'nope'\"}"},
                  kExitUsage,
                  "zentrova-calc: 2 input lines could not be read as a case\n"},
        BatchCase{"json_command_line_assignments_and_invalid_utf8",
                  {"--batch", "--json", "gl", "Text1=100"},
                  "{}\n{\"fields\": {\"Text3\": \"6\xFF\"}}\r\n",
                  {"\"Text6\": \"1.7675\"", "\"Text3\": \"6" + kReplacement + "\", \"Text4\": \"100\""},
                  kExitOk,
                  ""},
        BatchCase{"json_in_csv_out",
                  {"--batch", "gl"},
                  "{\"fields\": {\"Text3\": \"a,\\\"b\"}}\n[]\n{\"fields\": {\"Text4\": \"6\xFF\"}}",
                  {kGlHeader, "250,80,260,\"a,\"\"b\",100," + std::string(kGlOutputs),
                   ",,,,,,,,,,,,,,line 2: not a JSON object", "250,80,260,60,6" + kReplacement + "," + kGlOutputs},
                  kExitUsage,
                  "zentrova-calc: 1 input line could not be read as a case\n"},
        BatchCase{"csv_in_quoted_cells_and_malformed_rows",
                  {"--batch", "--csv-in", "gl"},
                  "Text4,Text3\n1,\"a,\"\"b\"\n2,\"x\ny\"\n3\n\"1\"2,5\n4,5\n",
                  {kGlHeader, "250,80,260,\"a,\"\"b\",1," + std::string(kGlOutputs), "250,80,260,\"x",
                   "y\",2," + std::string(kGlOutputs), ",,,,,,,,,,,,,,line 5: 1 cell where the header has 2",
                   ",,,,,,,,,,,,,,line 6: column 1: text after the closing quote",
                   "250,80,260,5,4," + std::string(kGlOutputs)},
                  kExitUsage,
                  "zentrova-calc: 2 input lines could not be read as a case\n"},
        BatchCase{"csv_in_crlf_and_empty_cells",
                  {"--batch", "--csv-in", "gl"},
                  "Text4,Text2\r\n7,80\r\n8,\r\n1\"2,80\r\n",
                  {kGlHeader, "250,80,260,60,7," + std::string(kGlOutputs),
                   "250,,260,60,8,400,,,,,,1,Text6,division-by-zero,",
                   ",,,,,,,,,,,,,,line 4: column 1: a quote inside a cell that is not quoted"},
                  kExitUsage,
                  "zentrova-calc: 1 input line could not be read as a case\n"},
        BatchCase{"csv_in_unclosed_quote_at_the_end",
                  {"--batch", "--csv-in", "--json", "gl"},
                  "Text3\n\"abc\n",
                  {"{\"line\": 2, \"error\": \"a quoted cell is not closed before the end of the input\"}"},
                  kExitUsage,
                  "zentrova-calc: 1 input line could not be read as a case\n"},
        BatchCase{"csv_in_bad_header",
                  {"--batch", "--csv-in", "gl"},
                  "Text4,Text99\n1,2\n",
                  {kGlHeader},
                  kExitUsage,
                  "zentrova-calc: the CSV header in line 1 is malformed: window gl has no field 'Text99'\n"},
        BatchCase{"empty_input", {"--batch", "--json"}, "", {}, kExitOk, ""},
        BatchCase{"csv_out_needs_a_window",
                  {"--batch"},
                  "{}\n",
                  {},
                  kExitUsage,
                  "zentrova-calc: --batch writes CSV for one WINDOW only: name it, or use --json\n"},
        BatchCase{"csv_in_needs_a_window",
                  {"--batch", "--csv-in", "--json"},
                  "Text1\n",
                  {},
                  kExitUsage,
                  "zentrova-calc: --csv-in needs a WINDOW, whose fields the header names\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrova
