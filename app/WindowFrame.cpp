#include "WindowFrame.h"

#include "Twips.h"

#include <QWidget>

namespace zentrova {

void ApplyFixedDialogFrame(QWidget& window, int clientWidthTwips, int clientHeightTwips)
{
    const Qt::WindowFlags kind = window.parentWidget() ? Qt::Dialog : Qt::Window;
    window.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
}

}  // namespace zentrova
