#include "WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace zentrova {
namespace {

constexpr int kGapPx = 8;
constexpr int kCascadeStepPx = 24;
constexpr int kCascadeLength = 8;

}  // namespace

QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QList<QRect>& occupied, const QRect& screen)
{
    std::vector<int> lefts{screen.left(), anchor.left(), anchor.right() + 1 + kGapPx};
    std::vector<int> tops{screen.top(), anchor.top(), anchor.bottom() + 1 + kGapPx};
    for (const QRect& r : occupied) {
        lefts.push_back(r.right() + 1 + kGapPx);
        tops.push_back(r.bottom() + 1 + kGapPx);
    }
    std::sort(lefts.begin(), lefts.end());
    std::sort(tops.begin(), tops.end());
    for (int top : tops) {
        for (int left : lefts) {
            const QRect place(QPoint(left, top), size);
            if (!screen.contains(place) || place.intersects(anchor))
                continue;
            const bool free = std::none_of(occupied.begin(), occupied.end(),
                                           [&place](const QRect& r) { return r.intersects(place); });
            if (free)
                return place.topLeft();
        }
    }
    const int step = kCascadeStepPx * (static_cast<int>(occupied.size()) % kCascadeLength);
    return anchor.topRight() + QPoint(1 + kGapPx + step, step);
}

void PlaceNewWindow(QWidget& window, const QWidget& anchor)
{
    QList<QRect> occupied;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other != &anchor && other->isVisible())
            occupied.append(other->frameGeometry());
    }
    // A window not shown yet has no frame: take the anchor's.
    const QRect anchorFrame = anchor.frameGeometry();
    const QSize frame = anchorFrame.size() - anchor.geometry().size();
    window.move(PlaceBeside(anchorFrame, window.size() + frame, occupied, anchor.screen()->availableGeometry()));
}

}  // namespace zentrova
