#include "cli/CalcCli.h"

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

TEST(CommandLineConventions, HelpGoesToStandardOutputWithOptionsExitStatusesAndAnExample)
{
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with("usage: zentrova-calc ")) << help.out;
    for (const char* expected : {"--json", "--fields", "--list", "-h, --help", "--version", "\"--\" ends them",
                                 "Exit status: 0 computed", "2 bad usage", "3 an arithmetic fault",
                                 "Example: zentrova-calc gl "})
        EXPECT_NE(help.out.find(expected), std::string::npos) << expected;

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-h"}, {"gl", "--help"}, {"gl", "Text1=5", "-h"}, {"--list", "--help"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, kExitOk) << args.front();
        EXPECT_EQ(run.out, help.out) << args.front();
    }
}

TEST(CommandLineConventions, VersionIsNameAndProjectVersion)
{
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    EXPECT_EQ(version.out, "zentrova-calc 1.2\n");
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(RunCli({"gl", "--version"}).out, version.out);
}

TEST(CommandLineConventions, DoubleDashEndsTheOptions)
{
    const CliRun plain = RunCli({"gl", "Text1=100"});
    const CliRun dashed = RunCli({"--", "gl", "Text1=100"});
    EXPECT_EQ(dashed.status, kExitOk);
    EXPECT_EQ(dashed.out, plain.out);
    EXPECT_EQ(RunCli({"--json", "gl", "--", "Text1=100"}).out, RunCli({"--json", "gl", "Text1=100"}).out);

    // A text that looks like an option is a text after "--".
    const CliRun help = RunCli({"gl", "--", "--help"});
    EXPECT_EQ(help.status, kExitUsage);
    EXPECT_EQ(help.out, "");
    EXPECT_EQ(help.err, "zentrova-calc: unexpected argument '--help' (expected WINDOW or CONTROL=TEXT; see --help)\n");

    const CliRun list = RunCli({"--", "--list"});
    EXPECT_EQ(list.status, kExitUsage);
    EXPECT_EQ(list.err, "zentrova-calc: unknown window '--list' (see --list)\n");

    const CliRun second = RunCli({"--", "gl", "--"});
    EXPECT_EQ(second.status, kExitUsage) << "only the first \"--\" ends the options";
}

}  // namespace
}  // namespace zentrova
