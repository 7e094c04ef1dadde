#include "FaultBoxDismisser.h"

#include "FaultMessage.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>

FaultBoxDismisser::FaultBoxDismisser()
{
    qApp->installEventFilter(this);
}

FaultBoxDismisser::~FaultBoxDismisser()
{
    qApp->removeEventFilter(this);
}

bool FaultBoxDismisser::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show)
        return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isModal())
        return false;
    const auto* box = qobject_cast<QMessageBox*>(dialog);
    if (box && box->objectName() == QStringLiteral("ArithmeticFaultMessage") &&
        box->windowTitle() == QString::fromUtf8(zentrova::kFaultMessageTitle))
        ++faultBoxes_;
    else
        ++otherDialogs_;
    // Queued, so that it runs inside the dialog's own event loop; dropped if
    // the dialog is gone by then.
    QMetaObject::invokeMethod(dialog, [dialog] { dialog->done(QDialog::Accepted); }, Qt::QueuedConnection);
    return false;
}
