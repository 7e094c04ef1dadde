#include "FieldWidths.h"

#include "QtText.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zentrova {
namespace {

constexpr int kProbeWidthPx = 100;
// QLineEdit keeps 2 px between its contents rectangle and the text on each
// side, and a text fits while it leaves room for the 1 px cursor.
constexpr int kLineEditTextMarginsPx = 2 * 2 + 1;

// The line edit's frame and padding in the style, beside the text.
int LineEditFrameWidth(const QFont& font)
{
    QLineEdit probe;
    probe.setFont(font);
    probe.resize(kProbeWidthPx, probe.sizeHint().height());
    QStyleOptionFrame option;
    option.initFrom(&probe);
    option.rect = probe.rect();
    option.lineWidth = probe.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &probe);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = probe.style()->subElementRect(QStyle::SE_LineEditContents, &option, &probe);
    const QMargins text = probe.textMargins();
    return kProbeWidthPx - contents.width() + text.left() + text.right();
}

}  // namespace

QFont ResultFieldFont(const QFont& windowFont)
{
    QFont font(windowFont);
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                      QStringLiteral("Nimbus Sans Narrow"), windowFont.family()});
    return font;
}

TextWidths MeasureTextWidths(const QWidget& window, const QFont& fieldFont)
{
    const QFontMetrics labels(window.font());
    return TextWidths{
        [labels](std::string_view text) { return labels.horizontalAdvance(ToQString(text)); },
        QFontMetrics(fieldFont).horizontalAdvance(kLongestResultText) + kLineEditTextMarginsPx +
            LineEditFrameWidth(fieldFont),
    };
}

}  // namespace zentrova
