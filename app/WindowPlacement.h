#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zentrova {

// Where a new window whose frame is `size` stands beside `anchor`: the first
// place, row by row from the top and left to right, that lies on `screen`
// and covers neither the anchor nor any of `occupied`; the places tried
// stand beside or below the anchor and the occupied windows, or at the
// screen's edges. Where the screen has no such room, the windows cascade
// from the anchor's right edge.
QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QList<QRect>& occupied, const QRect& screen);

// Moves a window that has not been shown yet beside `anchor`, clear of every
// visible window of the program.
void PlaceNewWindow(QWidget& window, const QWidget& anchor);

}  // namespace zentrova
