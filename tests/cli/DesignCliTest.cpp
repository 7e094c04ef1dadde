#include "cli/CalcCli.h"
#include "calc/ComputeStep.h"
#include "design/DesignFormat.h"
#include "support/DesignTexts.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zentrova {
namespace {

namespace fs = std::filesystem;

class DesignCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("zentrova-design-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    int Run(const std::vector<std::string>& args)
    {
        out_.clear();
        err_.clear();
        return RunCalcCli(args, out_, err_);
    }

    fs::path dir_;
    std::string out_;
    std::string err_;
};

constexpr const char* kMinimal = R"({"format": "zentrova-design", "version": 1, "windows": {"gl": {"Text1": "300"}}})";

TEST_F(DesignCli, PrintsEveryWindowUnderItsHeadingComputedFromTheDesign)
{
    ASSERT_EQ(Run({"--design", Write("d.zpfc", kMinimal)}), kExitOk) << err_;
    // gl by hand: 300 W at 80 V: IL,pk = 300 × 1.414 ÷ 80 = 5.3025 A; Co = 300 × 1.7 = 510 µF.
    EXPECT_TRUE(out_.starts_with("[gl] 功率元件\nText1=300\nText2=80\nText11=260\nText3=60\nText4=100\nText5=400\n"
                                 "Text6=5.3025\nText7=1.0605\n"))
        << out_.substr(0, 300);
    EXPECT_NE(out_.find("\nText10=510\n\n[xldz] 限流电阻\nText1="), std::string::npos);
    // Windows the design leaves out are computed on their initial texts.
    EXPECT_NE(out_.find("\n[dybch] 电压补偿环计算算\n"), std::string::npos);
    EXPECT_NE(out_.find("\nText8=35.1164987345048\n"), std::string::npos);
    EXPECT_EQ(err_, "");
}

// Inputs, and the results no step reached, come back exactly as written;
// the JSON output is parsed by a JSON library, not by hand.
TEST_F(DesignCli, JsonCarriesEveryTextOfEveryWindowByteForByte)
{
    const std::vector<FieldTexts> texts = test::AwkwardDesignTexts();
    const std::string path = Write("awkward.zpfc", WriteDesignJson(Design::FromTexts(texts)));
    const int status = Run({"--design", path, "--json"});
    ASSERT_TRUE(status == kExitOk || status == kExitFault) << err_;

    const nlohmann::json printed = nlohmann::json::parse(out_);
    EXPECT_EQ(printed["design"], path);
    ASSERT_EQ(printed["windows"].size(), texts.size());
    for (const FieldTexts& expected : texts) {
        const WindowDescription& window = expected.window();
        const nlohmann::json& run = printed["windows"][std::string(window.name)];
        const int stepsWritten = run["fault"].is_null() ? static_cast<int>(window.steps.size())
                                                        : run["fault"]["step"].get<int>() - 1;
        for (std::size_t i = 0; i < window.fields.size(); ++i) {
            const std::string_view control = window.fields[i].control;
            bool computed = false;
            for (int s = 0; s < stepsWritten; ++s)
                computed = computed || window.steps[static_cast<std::size_t>(s)].target == control;
            if (!computed) {
                EXPECT_EQ(run["fields"][std::string(control)], expected.At(static_cast<int>(i)))
                    << window.name << "." << control;
            }
        }
    }
}

// A path as a message names it: a backslash (Windows' separator) is
// written as "\\", as every text on a line of zentrova-calc's is.
std::string AsNamed(std::string path)
{
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 2))
        path.insert(at, 1, '\\');
    return path;
}

TEST_F(DesignCli, ADesignThatCannotBeOpenedIsOneLineAndStatus2)
{
    const std::string path = Write("bad.zpfc", R"({"format": "zentrova-design", "version": 2, "windows": {}})");
    EXPECT_EQ(Run({"--design", path}), kExitUsage);
    EXPECT_EQ(out_, "");
    EXPECT_EQ(err_, "zentrova-calc: cannot open design " + AsNamed(path) +
                        ": written by a later release (version 2); this release opens version 1\n");
    EXPECT_EQ(Run({"--design", dir_.string(), "--json"}), kExitUsage);
    EXPECT_EQ(err_, "zentrova-calc: cannot open design " + AsNamed(dir_.string()) + ": it is a directory\n");
}

TEST_F(DesignCli, SkippedNamesAreListedAndTheRestComputed)
{
    const std::string path = Write(
        "future.zpfc", R"({"format": "zentrova-design", "version": 1, "windows": {"bode": {}, "gl": {"Text42": "1"}}})");
    EXPECT_EQ(Run({"--design", path}), kExitOk);
    EXPECT_EQ(err_, "zentrova-calc: skipped bode: no such window or field in this release\n"
                    "zentrova-calc: skipped gl.Text42: no such window or field in this release\n");
    EXPECT_TRUE(out_.starts_with("[gl] 功率元件\nText1=250\n"));
}

TEST_F(DesignCli, ArgumentsThatDoNotFitTheDesignModeAreUsageErrors)
{
    const std::string path = Write("d.zpfc", kMinimal);
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--design"}, "zentrova-calc: --design and --report each need a FILE\n"},
        {{"--design", path, "gl"}, "zentrova-calc: --design takes only --json or --report\n"},
        {{"--design", path, "--explain"}, "zentrova-calc: --design takes only --json or --report\n"},
        {{"gl", "--report", "r.pdf"}, "zentrova-calc: --report needs --design FILE\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), kExitUsage) << c.err;
        EXPECT_EQ(err_, c.err);
    }
}

#ifdef ZENTROVA_REPORT_BUILT
TEST_F(DesignCli, WritesTheReportAsHtmlOrPdfWithoutADisplay)
{
    const std::string design = Write("board.zpfc", kMinimal);
    const std::string html = (dir_ / "board.html").string();
    ASSERT_EQ(Run({"--design", design, "--report", html}), kExitOk) << err_;
    std::stringstream text;
    text << std::ifstream(html, std::ios::binary).rdbuf();
    EXPECT_NE(text.str().find("Zentrova 设计报告：board.zpfc"), std::string::npos);
    EXPECT_NE(text.str().find("nowrap\">5.3025</td>"), std::string::npos);

    const std::string pdf = (dir_ / "board.pdf").string();
    ASSERT_EQ(Run({"--design", design, "--report", pdf}), kExitOk) << err_;
    std::ifstream file(pdf, std::ios::binary);
    char magic[5] = {};
    file.read(magic, 4);
    EXPECT_STREQ(magic, "%PDF");

    EXPECT_EQ(Run({"--design", design, "--report", "board.txt"}), kExitUsage);
    EXPECT_EQ(err_, "zentrova-calc: --report writes a .pdf or an .html file, not 'board.txt'\n");
    // A report that cannot be written is lost output.
    EXPECT_EQ(Run({"--design", design, "--report", (dir_ / "missing" / "board.pdf").string()}), kExitOutput);
    EXPECT_TRUE(err_.starts_with("zentrova-calc: 无法写入报告 “" + (dir_ / "missing" / "board.pdf").string() + "”："))
        << err_;
}
#else
TEST_F(DesignCli, ReportIsNotAvailableWithoutTheGui)
{
    EXPECT_EQ(Run({"--design", Write("d.zpfc", kMinimal), "--report", "r.pdf"}), kExitUsage);
    EXPECT_TRUE(err_.starts_with("zentrova-calc: --report is not available"));
}
#endif

}  // namespace
}  // namespace zentrova
