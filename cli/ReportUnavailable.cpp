#include "ReportOutput.h"

namespace zentrova {

bool ReportAvailable()
{
    return false;
}

std::optional<std::string> WriteReportFile(const Design&, std::string_view, std::string_view)
{
    return "no report in a build without the GUI";
}

}  // namespace zentrova
