#pragma once

#include "Design.h"
#include "DesignProblem.h"

#include <string>
#include <string_view>
#include <variant>

namespace zentrova {

inline constexpr std::string_view kDesignFormatName = "zentrova-design";
inline constexpr int kDesignFormatVersion = 1;
inline constexpr std::string_view kDesignExtension = ".zpfc";

// The design as the JSON text of a design file, UTF-8, ending in a newline:
// windows in the design's order, fields in each window's order. Bytes of a
// text that are not UTF-8 are written as U+FFFD, one per ill-formed sequence.
std::string WriteDesignJson(const Design& design);

// Reads a design file's text: the design with every window and field this
// program knows, the others listed as skipped, or the one problem that
// refuses the whole file.
std::variant<Design, DesignProblem> ParseDesignJson(std::string_view json);

}  // namespace zentrova
