#include "ReportHtml.h"

#include "calc/Working.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "design/Design.h"

#include <QStringList>

namespace zentrova {
namespace {

constexpr std::size_t kUnbrokenTextBytes = 24;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

QString FieldTable(const WindowDescription& window, const FieldTexts& texts, FieldRole role)
{
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
        "<tr><th align=\"left\" width=\"24%\">标签</th><th align=\"left\" width=\"9%\">控件</th>"
        "<th align=\"left\" width=\"10%\">符号</th><th align=\"left\" width=\"22%\">文本</th>"
        "<th align=\"left\" width=\"7%\">单位</th><th align=\"left\" width=\"28%\">含义</th></tr>");
    for (const FieldDescription& field : window.fields) {
        if (field.role != role)
            continue;
        // Numbers and symbols stay on one line; a long text may wrap.
        const std::string& text = texts.Get(field.control);
        const QString textCell = text.size() <= kUnbrokenTextBytes ? QStringLiteral("<td style=\"white-space: nowrap\">")
                                                                   : QStringLiteral("<td>");
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td style=\"white-space: nowrap\">%3</td>%4%5</td>"
                               "<td>%6</td><td>%7</td></tr>")
                    .arg(Text(field.labelText), Text(field.control), Text(field.symbol), textCell, Text(text),
                         Text(field.unit.symbol), Text(field.meaning));
    }
    return html + QStringLiteral("</table>");
}

// Every window after the first starts on a page of its own in the PDF.
QString WindowSection(const WindowDescription& window, const Design& design, bool first)
{
    FieldTexts texts = design.TextsOf(window);
    const ComputeWorking working = ExplainComputeAction(window, texts);
    QString html = QStringLiteral("<h2%1>%2（%3）</h2>")
                       .arg(first ? QString() : QStringLiteral(" style=\"page-break-before: always\""),
                            Text(window.caption), Text(window.name));
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
        html += WindowSection(*window, design, window == CalculationWindows().front());
    html += QStringLiteral("<h2 style=\"page-break-before: always\">参考电路图</h2><p><img src=\"%1\" width=\"640\" alt=\"参考电路图\"></p></body></html>")
                .arg(schematicSource.toHtmlEscaped());
    return html;
}

}  // namespace zentrova
