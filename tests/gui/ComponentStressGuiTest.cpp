#include "Fonts.h"
#include "MainWindow.h"
#include "ModalWatchdog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The component stress window has no menu button: it opens from the main
// window's right-click menu and from that of the power components window.
class ComponentStressGuiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<zentrova::MainWindow> main_;
    std::unique_ptr<ModalWatchdog> watchdog_;

    static QAction* OpenStressAction(QWidget* window)
    {
        for (QAction* action : window->actions()) {
            if (action->objectName() == QStringLiteral("Open_yl"))
                return action;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase() { zentrova::InstallChineseFontSubstitutes(); }

    void init()
    {
        watchdog_ = std::make_unique<ModalWatchdog>();
        main_ = std::make_unique<zentrova::MainWindow>([](const QUrl&) {});
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    }

    void cleanup()
    {
        const QStringList unexpected = watchdog_->unexpected();
        main_.reset();
        watchdog_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'|')));
    }

    void opensOnceFromBothMenusAndComputes()
    {
        QAction* fromMain = OpenStressAction(main_.get());
        QVERIFY(fromMain);
        QCOMPARE(fromMain->text(), QStringLiteral("器件应力计算"));
        QCOMPARE(main_->contextMenuPolicy(), Qt::ActionsContextMenu);
        fromMain->trigger();
        QWidget* yl = main_->forms().Find(QStringLiteral("yl"));
        QVERIFY(yl && yl->isVisible());
        QCOMPARE(yl->windowTitle(), QStringLiteral("器件应力计算"));
        QVERIFY(QTest::qWaitForWindowExposed(yl));
        QVERIFY(QTest::qWaitForWindowActive(yl));
        QCOMPARE(QApplication::focusWidget(), yl->findChild<QLineEdit*>(QStringLiteral("Text1")));
        yl->hide();

        QTest::mouseClick(main_->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QWidget* gl = main_->forms().Find(QStringLiteral("gl"));
        QAction* fromGl = OpenStressAction(gl);
        QVERIFY(fromGl);
        fromGl->trigger();
        QCOMPARE(main_->forms().Find(QStringLiteral("yl")), yl);
        QVERIFY(yl->isVisible());
        int instances = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            instances += w->objectName() == QStringLiteral("yl") ? 1 : 0;
        QCOMPARE(instances, 1);

        // The twelve menu buttons stay as they are.
        QCOMPARE(main_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(), 12);
        QCOMPARE(main_->size(), QSize(177, 438));

        QTest::mouseClick(yl->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(yl->findChild<QLineEdit*>(QStringLiteral("Text15"))->text(), QStringLiteral("1.48567851161712"));
        QCOMPARE(yl->findChild<QLineEdit*>(QStringLiteral("Text17"))->text(), QStringLiteral("142.857142857143"));
    }
};

QTEST_MAIN(ComponentStressGuiTest)
#include "ComponentStressGuiTest.moc"
