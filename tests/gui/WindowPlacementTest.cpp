// New windows stand beside the main window, clear of it and of each other
// while the screen has room.
#include "CalculationWindow.h"
#include "Fonts.h"
#include "GuiFixture.h"
#include "WindowPlacement.h"

#include <QTest>

#include <memory>

using zentrova::PlaceBeside;

class WindowPlacementTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> gui_;

private Q_SLOTS:
    void initTestCase() { zentrova::InstallChineseFontSubstitutes(); }

    void placeBeside_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QList<QRect>>("occupied");
        QTest::addColumn<QPoint>("expected");
        // The menu stands at the top left, 200 × 450 with its frame; a new
        // window is 300 × 350 with its frame; windows stand 8 px apart.
        const QRect wide(0, 0, 1280, 1024);
        QTest::newRow("first window right of the menu") << wide << QList<QRect>{} << QPoint(208, 0);
        QTest::newRow("second right of the first")
            << wide << QList<QRect>{{208, 0, 300, 350}} << QPoint(516, 0);
        QTest::newRow("row full: below, back at the menu")
            << QRect(0, 0, 830, 1024) << QList<QRect>{{208, 0, 300, 350}, {516, 0, 300, 350}} << QPoint(208, 358);
        QTest::newRow("a gap the engineer left is filled")
            << wide << QList<QRect>{{516, 0, 300, 350}} << QPoint(208, 0);
        QTest::newRow("a window moved onto the spot is avoided")
            << wide << QList<QRect>{{300, 100, 100, 100}} << QPoint(408, 0);
        QTest::newRow("no room to the right: below the menu")
            << QRect(0, 0, 450, 1024) << QList<QRect>{} << QPoint(0, 458);
        QTest::newRow("no room: cascade from the menu's edge")
            << QRect(0, 0, 600, 500) << QList<QRect>{{208, 0, 300, 350}, {208, 358, 300, 142}}
            << QPoint(208 + 48, 48);
    }

    void placeBeside()
    {
        QFETCH(QRect, screen);
        QFETCH(QList<QRect>, occupied);
        QFETCH(QPoint, expected);
        QCOMPARE(PlaceBeside(QRect(0, 0, 200, 450), QSize(300, 350), occupied, screen), expected);
    }

    void openedWindowsCoverNeitherTheMenuNorEachOther()
    {
        gui_ = std::make_unique<GuiFixture>();
        QList<QWidget*> windows{&gui_->main()};
        for (const char* name : {"gl", "xldz", "XL"})
            windows.append(gui_->Open(name));
        for (qsizetype i = 0; i < windows.size(); ++i) {
            for (qsizetype j = i + 1; j < windows.size(); ++j)
                QVERIFY2(!windows[i]->frameGeometry().intersects(windows[j]->frameGeometry()),
                         qPrintable(windows[i]->objectName() + QStringLiteral(" over ") + windows[j]->objectName()));
        }
        QVERIFY(gui_->watchdog().unexpected().isEmpty());
        gui_.reset();
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
