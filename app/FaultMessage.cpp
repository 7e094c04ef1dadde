#include "FaultMessage.h"

#include "QtText.h"
#include "calc/ComputeAction.h"
#include "calc/WindowDescription.h"

namespace zentrova {
namespace {

QString ReasonText(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero:
        return QStringLiteral("除数为零。请检查输入是否为空或为 0。");
    case FaultKind::Overflow:
        return QStringLiteral("数值溢出，超出了双精度数的范围。");
    case FaultKind::Invalid:
        return QStringLiteral("无效运算（例如对负数开平方，或 0 除以 0）。");
    }
    return {};
}

}  // namespace

QString FaultMessageText(const WindowDescription& window, const ComputeFault& fault)
{
    const FieldDescription* target = window.FindField(fault.target);
    const QString label = target ? ToQString(target->labelText) : ToQString(fault.target);
    return QStringLiteral("无法计算“%1”：%2\n\n已计算出的结果保留在窗口中，其余结果未改变。")
        .arg(label.trimmed(), ReasonText(fault.kind));
}

}  // namespace zentrova
