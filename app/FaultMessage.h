#pragma once

#include <QString>

namespace zentrova {

class FieldTexts;
struct ComputeFault;
struct WindowDescription;

// The Chinese text that tells the engineer which result could not be
// computed and why, from the texts the compute action left.
QString FaultMessageText(const WindowDescription& window, const ComputeFault& fault, const FieldTexts& texts);

inline const char* const kFaultMessageTitle = "无法计算";

}  // namespace zentrova
