#include "ReportHtml.h"

#include "calc/Working.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "design/Design.h"

#include <QStringList>

namespace zentrova {
namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

QString FieldTable(const WindowDescription& window, const FieldTexts& texts, FieldRole role)
{
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
        "<tr><th align=\"left\">标签</th><th align=\"left\">控件</th><th align=\"left\">符号</th>"
        "<th align=\"left\">文本</th><th align=\"left\">单位</th><th align=\"left\">含义</th></tr>");
    for (const FieldDescription& field : window.fields) {
        if (field.role != role)
            continue;
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td></tr>")
                    .arg(Text(field.labelText), Text(field.control), Text(field.symbol), Text(texts.Get(field.control)),
                         Text(field.unit.symbol), Text(field.meaning));
    }
    return html + QStringLiteral("</table>");
}

QString WindowSection(const WindowDescription& window, const Design& design)
{
    FieldTexts texts = design.TextsOf(window);
    const ComputeWorking working = ExplainComputeAction(window, texts);
    QString html = QStringLiteral("<h2>%1（%2）</h2>").arg(Text(window.caption), Text(window.name));
    html += QStringLiteral("<h3>输入</h3>") + FieldTable(window, texts, FieldRole::Input);
    html += QStringLiteral("<h3>结果</h3>") + FieldTable(window, texts, FieldRole::Output);
    html += QStringLiteral("<h3>计算过程</h3><p style=\"white-space: pre-wrap; font-size: 9pt\">%1</p>")
                .arg(Text(ComputeWorkingText(window, working)));
    return html;
}

}  // namespace

QString DesignReportHtml(const Design& design, const QString& designName, QDate date,
                         const QString& schematicSource)
{
    QString html = QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Zentrova 设计报告：%1</title>"
        "<style>body { font-family: 'AR PL UMing CN', 'Noto Serif CJK SC', SimSun, serif; }</style></head><body>")
                       .arg(designName.toHtmlEscaped());
    html += QStringLiteral("<h1>Zentrova 设计报告：%1</h1><p>日期：%2</p>")
                .arg(designName.toHtmlEscaped(), date.toString(Qt::ISODate));
    for (const WindowDescription* window : CalculationWindows())
        html += WindowSection(*window, design);
    html += QStringLiteral("<h2>参考电路图</h2><p><img src=\"%1\" width=\"640\" alt=\"参考电路图\"></p></body></html>")
                .arg(schematicSource.toHtmlEscaped());
    return html;
}

}  // namespace zentrova
