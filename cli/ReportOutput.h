#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentrova {

struct Design;

// Writes the design's report to `path` (.pdf or .html); the reason in one
// English line when it cannot. Without the GUI build there is no report.
std::optional<std::string> WriteReportFile(const Design& design, std::string_view designFile, std::string_view path);

}  // namespace zentrova
