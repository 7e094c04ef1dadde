#pragma once

#include "calc/Layout.h"

#include <QFont>
#include <QString>

class QWidget;

namespace zentrova {

// The longest text a result can have: sign, 15 digits, point and a
// three-digit exponent.
inline const QString kLongestResultText = QStringLiteral("-1.23456789012345E-308");

// The font of a calculation window's fields: a narrow sans-serif cut at the
// window font's size, so that the longest result fits beside its label even
// where two labelled fields share a row.
QFont ResultFieldFont(const QFont& windowFont);

// What the labels of `window` need in its font and what a line edit in
// `fieldFont` needs to show the longest result whole, in the window's style.
TextWidths MeasureTextWidths(const QWidget& window, const QFont& fieldFont);

}  // namespace zentrova
