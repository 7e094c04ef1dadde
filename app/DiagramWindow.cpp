#include "DiagramWindow.h"

#include "DiagramDescription.h"
#include "QtText.h"
#include "Twips.h"
#include "WindowFrame.h"

#include <QLabel>
#include <QPixmap>

namespace zentrova {

DiagramWindow::DiagramWindow(const DiagramDescription& description, QWidget* parent) : QWidget(parent)
{
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    ApplyFixedDialogFrame(*this, description.clientWidthTwips, description.clientHeightTwips);
    if (description.screenPositionTwips) {
        // For a top-level window the geometry is that of its client area.
        setGeometry(TwipsToPixels(description.screenPositionTwips->first),
                    TwipsToPixels(description.screenPositionTwips->second), width(), height());
    }

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    const QPixmap schematic(QString::fromUtf8(kSchematicResource));
    image->setPixmap(schematic);
    // Natural size, partly outside the client area where the position says so.
    image->setGeometry(TwipsToPixels(description.imageLeftTwips), TwipsToPixels(description.imageTopTwips),
                       schematic.width(), schematic.height());
}

}  // namespace zentrova
