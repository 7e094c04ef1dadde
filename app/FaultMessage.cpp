#include "FaultMessage.h"

#include "QtText.h"
#include "calc/ComputeAction.h"
#include "calc/WindowDescription.h"
#include "calc/Working.h"

namespace zentrova {

QString FaultMessageText(const WindowDescription& window, const ComputeFault& fault, const FieldTexts& texts)
{
    const FieldDescription* target = window.FindField(fault.target);
    const QString label = target ? ToQString(target->labelText) : ToQString(fault.target);
    return QStringLiteral("无法计算“%1”：%2\n\n已计算出的结果保留在窗口中，其余结果未改变。")
        .arg(label.trimmed(), ToQString(FaultReasonText(window, fault, texts)));
}

}  // namespace zentrova
