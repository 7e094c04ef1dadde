#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// Why a design file could not be opened. Opening is all or nothing: with
// any of these, no window changes.
enum class DesignProblemKind {
    NotFound,
    IsDirectory,
    NoReadPermission,
    ReadFailed,
    TooLarge,
    NotJson,
    Truncated,
    NumberOutOfRange,
    NotDesign,
    LaterVersion,
    BadVersion,
    NotAText,
};

struct DesignProblem {
    DesignProblemKind kind;
    std::string detail;  // where in the file, or the system's reason; may be empty
};

// "无法打开设计文件 “FILE”：…", for the GUI's message.
std::string DesignProblemChinese(std::string_view file, const DesignProblem& problem);
// "cannot open design FILE: …", one line for zentrova-calc's standard error.
std::string DesignProblemEnglish(std::string_view file, const DesignProblem& problem);

}  // namespace zentrova
