#include "CalculationWindow.h"
#include "Fonts.h"
#include "GuiFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

using zentrova::CalculationWindow;

namespace {

const QString kCarryEntry = QStringLiteral("传到使用此值的窗口");

QWidget* CarryDialog() { return GuiFixture::VisibleTopLevel(QStringLiteral("CarryValueDialog")); }

// The dialog's entries, each with the window.control it carries into.
QStringList Targets(QWidget* dialog)
{
    QStringList targets;
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("CarryTargets"));
    for (int i = 0; i < list->count(); ++i)
        targets.append(list->item(i)->data(Qt::UserRole).toString());
    return targets;
}

void Uncheck(QWidget* dialog, const QString& target)
{
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("CarryTargets"));
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toString() == target)
            list->item(i)->setCheckState(Qt::Unchecked);
    }
}

}  // namespace

// A value sent from one window to every other that holds the same quantity:
// the text exactly as it stands, into windows shown or not yet created, and
// nothing computed.
class CarryValueTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> gui_;

private Q_SLOTS:
    void initTestCase() { zentrova::InstallChineseFontSubstitutes(); }
    void init() { gui_ = std::make_unique<GuiFixture>(); }
    void cleanup()
    {
        const QStringList unexpected = gui_->watchdog().unexpected();
        gui_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'|')));
    }

    void inductanceGoesToTheWindowsThatUseIt()
    {
        CalculationWindow* xldz = gui_->Open("xldz");
        CalculationWindow* gl = gui_->Open("gl");
        QTest::mouseClick(GuiFixture::Button(gl, "Command8"), Qt::LeftButton);
        QCOMPARE(GuiFixture::Field(gl, "Text9")->text(), QStringLiteral("180.35034272658"));
        QVERIFY(!gui_->main().forms().Find(QStringLiteral("dlbch")));

        const QStringList menu = GuiFixture::RightClickAndPick(GuiFixture::Field(gl, "Text9"), kCarryEntry);
        QVERIFY2(menu.contains(kCarryEntry), qPrintable(menu.join(u'|')));
        QWidget* dialog = CarryDialog();
        QVERIFY(dialog);
        QVERIFY(!dialog->isModal());
        QCOMPARE(Targets(dialog), (QStringList{"xldz.Text1", "dlbch.Text4", "yl.Text6"}));
        Uncheck(dialog, QStringLiteral("yl.Text6"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CarryButton")), Qt::LeftButton);
        QVERIFY(!CarryDialog());

        QCOMPARE(GuiFixture::Field(xldz, "Text1")->text(), QStringLiteral("180.35034272658"));
        // Nothing is computed.
        QCOMPARE(GuiFixture::Field(xldz, "Text4")->text(), QString());
        // Created for the value, hidden, with its initial texts besides.
        auto* dlbch = dynamic_cast<CalculationWindow*>(gui_->main().forms().Find(QStringLiteral("dlbch")));
        QVERIFY(dlbch);
        QVERIFY(!dlbch->isVisible());
        QCOMPARE(GuiFixture::Field(dlbch, "Text4")->text(), QStringLiteral("180.35034272658"));
        QCOMPARE(GuiFixture::Field(dlbch, "Text1")->text(), QStringLiteral("0.25"));
        QCOMPARE(GuiFixture::Field(dlbch, "Text5")->text(), QString());
        QVERIFY2(!gui_->main().forms().Find(QStringLiteral("yl")), "an unchecked window is left alone");
        QCOMPARE(gui_->main().forms().ShowForm(QStringLiteral("dlbch")), dlbch);
    }

    void aStandardValueGoesInsteadOfTheComputedOne()
    {
        CalculationWindow* qkcfq = gui_->Open("qkcfq");
        QTest::mouseClick(GuiFixture::Button(qkcfq, "Command1"), Qt::LeftButton);
        QTest::keyClick(GuiFixture::Field(qkcfq, "Text1"), Qt::Key_F1);
        QWidget* panel = GuiFixture::VisibleTopLevel(QStringLiteral("WorkingPanel"));
        QVERIFY(panel);
        auto* menu = panel->findChild<QMenu*>(QStringLiteral("StandardValuesMenu"));
        QVERIFY(menu);
        Q_EMIT menu->aboutToShow();
        // Rvac 606.67 kΩ: E96 604 is the nearest.
        QAction* nearest = nullptr;
        for (QAction* step : menu->actions()) {
            for (QAction* value : step->menu() ? step->menu()->actions() : QList<QAction*>{}) {
                if (value->text() == QStringLiteral("E96 最接近 604 kΩ"))
                    nearest = value;
            }
        }
        QVERIFY(nearest);
        nearest->trigger();
        QWidget* dialog = CarryDialog();
        QVERIFY(dialog);
        QCOMPARE(Targets(dialog), (QStringList{"fxxpz.Text1", "zddsdz.Text2"}));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CarryButton")), Qt::LeftButton);
        QCOMPARE(GuiFixture::Field(gui_->main().forms().Find(QStringLiteral("fxxpz")), "Text1")->text(),
                 QStringLiteral("604"));
        // The window's own result stays.
        QCOMPARE(GuiFixture::Field(qkcfq, "Text2")->text(), QStringLiteral("606.666666666667"));
    }

    void aFieldNoOtherWindowHoldsOffersNothing()
    {
        CalculationWindow* gl = gui_->Open("gl");
        const QStringList menu = GuiFixture::RightClickAndPick(GuiFixture::Field(gl, "Text8"), kCarryEntry);
        QVERIFY(!menu.isEmpty());
        QVERIFY(!menu.contains(kCarryEntry));
        QVERIFY(!CarryDialog());
    }
};

QTEST_MAIN(CarryValueTest)
#include "CarryValueTest.moc"
