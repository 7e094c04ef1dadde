#pragma once

#include "Design.h"
#include "DesignProblem.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <variant>

namespace zentrova {

// A design of ten windows is a few kilobytes; anything beyond this is not a
// design, and is refused before it is read.
inline constexpr std::uintmax_t kMaxDesignFileBytes = std::uintmax_t{8} << 20;

// The whole content of a file of at most `limit` bytes, or why it cannot be
// had. Replaceable, so that tests can refuse permission even when run as root.
using DesignFileReader =
    std::function<std::variant<std::string, DesignProblem>(const std::filesystem::path& path, std::uintmax_t limit)>;

std::variant<std::string, DesignProblem> ReadDesignFileBytes(const std::filesystem::path& path, std::uintmax_t limit);

// Reads and parses a design file, all or nothing.
std::variant<Design, DesignProblem> OpenDesignFile(const std::filesystem::path& path,
                                                   const DesignFileReader& reader = ReadDesignFileBytes);

}  // namespace zentrova
