#include "support/DesignTexts.h"
#include "design/DesignFile.h"
#include "design/DesignFormat.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>

namespace zentrova {
namespace {

namespace fs = std::filesystem;
using test::kReplacement;

class DesignFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("zentrova-design-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const std::string& name, const std::string& bytes) const
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

void ExpectSameTexts(const Design& design, const std::vector<FieldTexts>& expected)
{
    ASSERT_EQ(design.windows.size(), expected.size());
    for (std::size_t w = 0; w < expected.size(); ++w) {
        const WindowDescription& window = expected[w].window();
        ASSERT_EQ(design.windows[w].window, &window);
        ASSERT_EQ(design.windows[w].texts.size(), window.fields.size()) << window.name;
        for (std::size_t i = 0; i < window.fields.size(); ++i) {
            EXPECT_EQ(design.windows[w].texts[i].control, window.fields[i].control);
            EXPECT_EQ(design.windows[w].texts[i].text, expected[w].At(static_cast<int>(i)))
                << window.name << "." << window.fields[i].control;
        }
    }
}

TEST_F(DesignFileTest, EveryTextOfEveryWindowComesBackByteForByte)
{
    const std::vector<FieldTexts> texts = test::AwkwardDesignTexts();
    const std::string json = WriteDesignJson(Design::FromTexts(texts));
    const auto opened = OpenDesignFile(Write("awkward.zpfc", json));
    ASSERT_TRUE(std::holds_alternative<Design>(opened)) << std::get<DesignProblem>(opened).detail;
    ExpectSameTexts(std::get<Design>(opened), texts);
    EXPECT_TRUE(std::get<Design>(opened).skipped.empty());
}

// What the engineer's file looks like; a version-1 file must open so in
// every later release, so the bytes are pinned here.
TEST_F(DesignFileTest, WritesTheDocumentedLayout)
{
    FieldTexts xl = FieldTexts::Initial(*FindCalculationWindow("XL"));
    xl.Set("Text1", "１０");
    EXPECT_EQ(WriteDesignJson(Design::FromTexts({xl})),
              "{\n"
              "  \"format\": \"zentrova-design\",\n"
              "  \"version\": 1,\n"
              "  \"windows\": {\n"
              "    \"XL\": {\n"
              "      \"Text1\": \"１０\",\n"
              "      \"Text2\": \"\"\n"
              "    }\n"
              "  }\n"
              "}\n");
}

struct Utf8Case {
    const char* name;
    std::string text;
    std::string written;
};

// One U+FFFD per maximal ill-formed subsequence, as Unicode recommends.
TEST_F(DesignFileTest, BytesThatAreNotUtf8AreWrittenAsReplacementCharacters)
{
    const std::vector<Utf8Case> cases = {
        {"stray byte", "a\xFF" "b", "a" + kReplacement + "b"},
        {"sequence cut at the end", "\xE4\xB8", kReplacement},
        {"sequence cut before ASCII", "\xE4\xB8" "A", kReplacement + "A"},
        {"overlong slash", "\xC0\xAF", kReplacement + kReplacement},
        {"UTF-16 surrogate", "\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        {"valid Chinese", "电感", "电感"},
    };
    for (const Utf8Case& c : cases) {
        FieldTexts xl = FieldTexts::Initial(*FindCalculationWindow("XL"));
        xl.Set("Text1", c.text);
        const auto parsed = ParseDesignJson(WriteDesignJson(Design::FromTexts({xl})));
        ASSERT_TRUE(std::holds_alternative<Design>(parsed)) << c.name;
        EXPECT_EQ(std::get<Design>(parsed).windows.at(0).texts.at(0).text, c.written) << c.name;
    }
}

TEST_F(DesignFileTest, UnknownWindowsAndFieldsAreSkippedAndListedTheRestLoads)
{
    const auto parsed = ParseDesignJson(R"({"version": 1, "format": "zentrova-design", "future": true,
        "windows": {"dybch": {"Text1": "7"}, "bode": {"Text1": "1"},
                    "gl": {"Text99": "9", "Label1": "x", "Text1": "300"}}})");
    ASSERT_TRUE(std::holds_alternative<Design>(parsed));
    const Design& design = std::get<Design>(parsed);
    EXPECT_EQ(design.skipped, (std::vector<std::string>{"bode", "gl.Text99", "gl.Label1"}));
    ASSERT_EQ(design.windows.size(), 2u);
    // In catalog order, whatever the file's order.
    EXPECT_EQ(design.windows[0].window->name, "gl");
    EXPECT_EQ(design.windows[0].texts, (std::vector<DesignText>{{"Text1", "300"}}));
    EXPECT_EQ(design.windows[1].window->name, "dybch");
    // Fields the file leaves out keep their initial texts.
    const FieldTexts gl = design.TextsOf(*FindCalculationWindow("gl"));
    EXPECT_EQ(gl.Get("Text1"), "300");
    EXPECT_EQ(gl.Get("Text2"), "80");
}

struct BadFile {
    const char* name;
    std::string bytes;
    std::string reason;  // the Chinese message after "无法打开设计文件 “PATH”："
};

const std::string kHeader = R"({"format": "zentrova-design", "version": 1, )";

TEST_F(DesignFileTest, BadFilesAreRefusedWholeWithTheirReason)
{
    const std::string truncated = kHeader + R"("windows": {"gl": {"Text1": "25)";
    const std::vector<BadFile> cases = {
        {"not_json", "PFC design\n", "不是 JSON 文件（第 1 字节有错）。"},
        {"empty", "", "文件是空的，不是 JSON。"},
        {"truncated", truncated, "文件不完整，在第 " + std::to_string(truncated.size()) + " 字节后中断。"},
        {"bad_utf8", kHeader + "\"windows\": {\"gl\": {\"Text1\": \"\xFF\"}}}", "不是 JSON 文件（第 74 字节有错）。"},
        {"number_overflow", R"({"format": "zentrova-design", "version": 1e999, "windows": {}})",
         "文件里有一个超出范围的数，不是有效的设计文件。"},
        {"array", "[1, 2]", "不是 Zentrova 设计文件。"},
        {"wrong_format", R"({"format": "spreadsheet", "version": 1, "windows": {}})", "不是 Zentrova 设计文件（“format”不对）。"},
        {"no_windows", R"({"format": "zentrova-design", "version": 1})", "不是 Zentrova 设计文件（“windows”不对）。"},
        {"version_2", R"({"format": "zentrova-design", "version": 2, "windows": {}})",
         "文件是更新的版本 2 写的，这个版本只能打开版本 1 的设计。"},
        {"version_text", R"({"format": "zentrova-design", "version": "1", "windows": {}})", "设计文件的版本号无效。"},
        {"version_0", R"({"format": "zentrova-design", "version": 0, "windows": {}})", "设计文件的版本号无效。"},
        {"window_not_object", kHeader + R"("windows": {"gl": ["250"]}})", "不是 Zentrova 设计文件（“windows.gl”不对）。"},
        {"number_text", kHeader + R"("windows": {"xldz": {"Text1": "980"}, "gl": {"Text1": 250}}})",
         "“gl.Text1”的值不是文本。"},
        {"null_text", kHeader + R"("windows": {"gl": {"Text1": null}}})", "“gl.Text1”的值不是文本。"},
    };
    for (const BadFile& c : cases) {
        const fs::path path = Write(std::string(c.name) + ".zpfc", c.bytes);
        const auto opened = OpenDesignFile(path);
        ASSERT_TRUE(std::holds_alternative<DesignProblem>(opened)) << c.name;
        EXPECT_EQ(DesignProblemChinese(path.string(), std::get<DesignProblem>(opened)),
                  "无法打开设计文件 “" + path.string() + "”：" + c.reason)
            << c.name;
    }
}

TEST_F(DesignFileTest, FilesThatAreNoDesignOnDiskAreRefused)
{
    const fs::path large = dir_ / "large.zpfc";
    std::ofstream(large, std::ios::binary).close();
    fs::resize_file(large, 50u << 20);
    const fs::path directory = dir_ / "folder.zpfc";
    fs::create_directory(directory);
    const fs::path missing = dir_ / "missing.zpfc";

    const struct {
        fs::path path;
        std::string english;
    } cases[] = {
        {large, "too large (52428800 bytes); a design file has at most 8 MB"},
        {directory, "it is a directory"},
        {missing, "no such file"},
    };
    for (const auto& c : cases) {
        const auto opened = OpenDesignFile(c.path);
        ASSERT_TRUE(std::holds_alternative<DesignProblem>(opened)) << c.path;
        EXPECT_EQ(DesignProblemEnglish("F", std::get<DesignProblem>(opened)), "cannot open design F: " + c.english);
    }
    // Read a byte past the limit at most: a design of the limit opens.
    const std::string atLimit = kHeader + R"("windows": {}})";
    EXPECT_TRUE(std::holds_alternative<std::string>(ReadDesignFileBytes(Write("small.zpfc", atLimit), atLimit.size())));
    EXPECT_TRUE(std::holds_alternative<DesignProblem>(ReadDesignFileBytes(Write("over.zpfc", atLimit), atLimit.size() - 1)));
}

TEST_F(DesignFileTest, AnUnreadableFileIsRefusedForPermission)
{
#ifdef _WIN32
    GTEST_SKIP() << "[windows] Windows has no POSIX read permission to take away; the injected reader below covers "
                    "the message";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "[root] runs as root, who may read any file; the injected reader below covers the message";
#endif
    const fs::path path = Write("locked.zpfc", kHeader + R"("windows": {}})");
    fs::permissions(path, fs::perms::none);
    const auto opened = OpenDesignFile(path);
    ASSERT_TRUE(std::holds_alternative<DesignProblem>(opened));
    EXPECT_EQ(std::get<DesignProblem>(opened).kind, DesignProblemKind::NoReadPermission);
}

TEST_F(DesignFileTest, APermissionRefusalFromTheReaderIsReported)
{
    const DesignFileReader denied = [](const fs::path&, std::uintmax_t) {
        return std::variant<std::string, DesignProblem>(DesignProblem{DesignProblemKind::NoReadPermission, {}});
    };
    const auto opened = OpenDesignFile("/srv/设计.zpfc", denied);
    ASSERT_TRUE(std::holds_alternative<DesignProblem>(opened));
    EXPECT_EQ(DesignProblemChinese("/srv/设计.zpfc", std::get<DesignProblem>(opened)),
              "无法打开设计文件 “/srv/设计.zpfc”：没有读取权限。");
}

}  // namespace
}  // namespace zentrova
