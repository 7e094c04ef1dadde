#pragma once

#include <QString>

namespace zentrova {

struct ComputeFault;
struct WindowDescription;

// The Chinese text that tells the engineer which result could not be
// computed and why.
QString FaultMessageText(const WindowDescription& window, const ComputeFault& fault);

inline const char* const kFaultMessageTitle = "无法计算";

}  // namespace zentrova
