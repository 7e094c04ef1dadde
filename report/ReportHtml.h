#pragma once

#include <QDate>
#include <QString>

namespace zentrova {

struct Design;

// The resource path of the annotated schematic that every report shows.
inline constexpr const char* kReportSchematic = ":/zentrova/schematic.jpg";

// The report of a design as HTML: a title with the design's name and the
// date; for every calculation window, computed on the design's texts, its
// caption, every input and result with label, symbol, text and true unit,
// and the working of every step, and for a window with a loop its Bode
// plot's figures; then the schematic, as `schematicSource`.
QString DesignReportHtml(const Design& design, const QString& designName, QDate date,
                         const QString& schematicSource);

}  // namespace zentrova
