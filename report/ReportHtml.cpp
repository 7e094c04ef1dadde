#include "ReportHtml.h"

#include "calc/Working.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "design/Design.h"
#include "loops/LoopFigures.h"

#include <QStringList>

#include <cmath>

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

QString FrequencyText(double hz)
{
    if (std::abs(hz) >= 1000)
        return QString::number(hz / 1000, 'g', 4) + QStringLiteral(" kHz");
    return QString::number(hz, 'g', 4) + QStringLiteral(" Hz");
}

// The loop figures that the window's Bode plot shows, from the texts the
// compute left: crossover, phase margin, the voltage loop's ripple gain and
// the warnings, or why the texts make no loop.
QString LoopSection(const WindowDescription& window, const FieldTexts& texts, const ComputeWorking& working)
{
    if (!HasLoopFigures(window.name))
        return {};
    QString html = QStringLiteral("<h3>%1</h3>").arg(Text(LoopTitle(window.name)));
    if (working.fault)
        return html + QStringLiteral("<p>计算没有完成，没有环路增益。</p>");
    const std::variant<LoopFigures, std::string> analysed = AnalyseLoop(window.name, texts);
    if (const auto* problem = std::get_if<std::string>(&analysed))
        return html + QStringLiteral("<p>%1</p>").arg(Text(*problem));
    const LoopFigures& figures = std::get<LoopFigures>(analysed);
    QStringList lines;
    lines.append(QStringLiteral("穿越频率 fc：") +
                 (figures.crossoverHz ? FrequencyText(*figures.crossoverHz) : QStringLiteral("没有")));
    if (figures.phaseMarginDeg)
        lines.append(QStringLiteral("相位裕量：") + QString::number(*figures.phaseMarginDeg, 'f', 1) +
                     QStringLiteral("°"));
    if (figures.rippleGainDb)
        lines.append(QStringLiteral("2f 处的增益：") + QString::number(*figures.rippleGainDb, 'f', 2) +
                     QStringLiteral(" dB"));
    lines.append(Text(figures.limit.name) + QStringLiteral(" = ") + FrequencyText(figures.limit.frequencyHz));
    if (figures.windowFigure)
        lines.append(Text(figures.windowFigure->name) + QStringLiteral("：") +
                     FrequencyText(figures.windowFigure->frequencyHz));
    for (const std::string& flag : figures.flags)
        lines.append(QStringLiteral("注意：") + Text(flag));
    return html + QStringLiteral("<p>") + lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
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
    return html + LoopSection(window, texts, working);
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
