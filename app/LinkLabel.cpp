#include "LinkLabel.h"

#include <QMouseEvent>

namespace zentrova {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick_)
        onClick_();
}

}  // namespace zentrova
