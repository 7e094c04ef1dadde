#include "ReportOutput.h"

namespace zentrova {

std::optional<std::string> WriteReportFile(const Design&, std::string_view, std::string_view)
{
    return "--report is not available: this zentrova-calc was built without the Qt libraries (ZENTROVA_BUILD_GUI=OFF)";
}

}  // namespace zentrova
