#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace zentrova {

struct Design;

// Write the report of a design, atomically: a failed write leaves an older
// file of that name whole. Each returns the reason in Chinese, with the
// path, when it cannot write. Both need a QGuiApplication for the fonts.

// A4 PDF with the Chinese text embedded in a CJK font.
std::optional<QString> WriteReportPdf(const Design& design, const QString& designName, QDate date,
                                      const QString& path);
// One HTML file with the schematic inside it, for a wiki.
std::optional<QString> WriteReportHtml(const Design& design, const QString& designName, QDate date,
                                       const QString& path);

// The HTML file that the GUI writes beside a report's PDF: same name, .html.
QString HtmlBesidePdf(const QString& pdfPath);

}  // namespace zentrova
