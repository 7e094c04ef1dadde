#include "DesignProblem.h"

#include "DesignFile.h"
#include "DesignFormat.h"

namespace zentrova {
namespace {

const std::string kMaxMegabytes = std::to_string(kMaxDesignFileBytes >> 20);

std::string ChineseReason(const DesignProblem& problem)
{
    const std::string& detail = problem.detail;
    switch (problem.kind) {
    case DesignProblemKind::NotFound:
        return "文件不存在。";
    case DesignProblemKind::IsDirectory:
        return "这是一个文件夹，不是设计文件。";
    case DesignProblemKind::NoReadPermission:
        return "没有读取权限。";
    case DesignProblemKind::ReadFailed:
        return "读取失败（" + detail + "）。";
    case DesignProblemKind::TooLarge:
        return "文件太大" + (detail.empty() ? std::string() : "（" + detail + " 字节）") + "，设计文件最多 " +
               kMaxMegabytes + " MB。";
    case DesignProblemKind::NotJson:
        return detail.empty() ? "文件是空的，不是 JSON。" : "不是 JSON 文件（第 " + detail + " 字节有错）。";
    case DesignProblemKind::Truncated:
        return "文件不完整，在第 " + detail + " 字节后中断。";
    case DesignProblemKind::NumberOutOfRange:
        return "文件里有一个超出范围的数，不是有效的设计文件。";
    case DesignProblemKind::NotDesign:
        return "不是 Zentrova 设计文件" + (detail.empty() ? std::string() : "（“" + detail + "”不对）") + "。";
    case DesignProblemKind::LaterVersion:
        return "文件是更新的版本 " + detail + " 写的，这个版本只能打开版本 " +
               std::to_string(kDesignFormatVersion) + " 的设计。";
    case DesignProblemKind::BadVersion:
        return "设计文件的版本号无效。";
    case DesignProblemKind::NotAText:
        return "“" + detail + "”的值不是文本。";
    }
    return {};
}

std::string EnglishReason(const DesignProblem& problem)
{
    const std::string& detail = problem.detail;
    switch (problem.kind) {
    case DesignProblemKind::NotFound:
        return "no such file";
    case DesignProblemKind::IsDirectory:
        return "it is a directory";
    case DesignProblemKind::NoReadPermission:
        return "no permission to read it";
    case DesignProblemKind::ReadFailed:
        return "read failed (" + detail + ")";
    case DesignProblemKind::TooLarge:
        return "too large" + (detail.empty() ? std::string() : " (" + detail + " bytes)") + "; a design file has at most " +
               kMaxMegabytes + " MB";
    case DesignProblemKind::NotJson:
        return detail.empty() ? "empty file, not JSON" : "not JSON (error at byte " + detail + ")";
    case DesignProblemKind::Truncated:
        return "truncated (breaks off after byte " + detail + ")";
    case DesignProblemKind::NumberOutOfRange:
        return "a number in it is out of range; not a valid design";
    case DesignProblemKind::NotDesign:
        return "not a Zentrova design" + (detail.empty() ? std::string() : " (bad \"" + detail + "\")");
    case DesignProblemKind::LaterVersion:
        return "written by a later release (version " + detail + "); this release opens version " +
               std::to_string(kDesignFormatVersion);
    case DesignProblemKind::BadVersion:
        return "invalid design version";
    case DesignProblemKind::NotAText:
        return "the value of " + detail + " is not a text";
    }
    return {};
}

}  // namespace

std::string DesignProblemChinese(std::string_view file, const DesignProblem& problem)
{
    return "无法打开设计文件 “" + std::string(file) + "”：" + ChineseReason(problem);
}

std::string DesignProblemEnglish(std::string_view file, const DesignProblem& problem)
{
    return "cannot open design " + std::string(file) + ": " + EnglishReason(problem);
}

}  // namespace zentrova
