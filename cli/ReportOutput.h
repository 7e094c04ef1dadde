#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentrova {

struct Design;

// Whether this zentrova-calc can write reports: only builds with the GUI
// have Qt's text layout and PDF writer.
bool ReportAvailable();

// Whether `path` names a report this program writes: .pdf or .html.
bool IsReportPath(std::string_view path);

// Writes the design's report to `path`, a PDF or an HTML file by its
// extension; the reason in one English line when it cannot.
std::optional<std::string> WriteReportFile(const Design& design, std::string_view designFile, std::string_view path);

}  // namespace zentrova
