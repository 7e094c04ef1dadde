// The Bode plot windows of dlbch and dybch, driven through the main window
// as the engineer uses them. Readout texts were worked out apart from the
// code, in Python with plain complex arithmetic, and rounded as shown.
#include "BodePlotWindow.h"
#include "Fonts.h"
#include "GuiFixture.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

using zentrova::BodePlotWindow;

class BodePlotTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> gui_;

    QWidget* Open(const char* button, const char* window)
    {
        auto* menuButton = gui_->main().findChild<QPushButton*>(QString::fromUtf8(button));
        if (!menuButton)
            qFatal("main window has no button %s", button);
        QTest::mouseClick(menuButton, Qt::LeftButton);
        QWidget* form = gui_->main().forms().Find(QString::fromUtf8(window));
        if (!form || !QTest::qWaitForWindowExposed(form))
            qFatal("window %s did not open", window);
        return form;
    }

    template <typename T>
    static T* Child(QWidget* parent, const char* name)
    {
        auto* child = parent->findChild<T*>(QString::fromUtf8(name));
        if (!child)
            qFatal("no %s", name);
        return child;
    }

    static void Compute(QWidget* window)
    {
        QTest::mouseClick(Child<QPushButton>(window, "Command1"), Qt::LeftButton);
    }

    static QList<QWidget*> Plots(const QString& name)
    {
        QList<QWidget*> plots;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name)
                plots.append(w);
        }
        return plots;
    }

    static BodePlotWindow* Plot(const char* window)
    {
        const QList<QWidget*> plots = Plots(QString::fromUtf8(window) + QStringLiteral("_bode"));
        if (plots.size() != 1)
            return nullptr;
        return dynamic_cast<BodePlotWindow*>(plots.front());
    }

    static QString Text(QWidget* plot, const char* label) { return Child<QLabel>(plot, label)->text(); }

    static int CurvePoints(QWidget* plot, const char* chart)
    {
        int points = 0;
        for (QAbstractSeries* series : Child<QChartView>(plot, chart)->chart()->series()) {
            if (series->objectName() == QStringLiteral("gainCurve") || series->objectName() == QStringLiteral("phaseCurve"))
                points += static_cast<int>(static_cast<QLineSeries*>(series)->count());
        }
        return points;
    }

    static QAction* PlotAction(QWidget* window)
    {
        for (QAction* action : window->actions()) {
            if (action->objectName() == QStringLiteral("BodePlotAction"))
                return action;
        }
        return nullptr;
    }

    // A right click on the window and a click on "波特图" in its menu.
    static void ChooseFromContextMenu(QWidget* window)
    {
        bool chosen = false;
        QTimer::singleShot(0, window, [&chosen] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                if (action->text() == QStringLiteral("波特图")) {
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                    chosen = true;
                    return;
                }
            }
            menu->close();
        });
        const QPoint at(20, 20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
        QApplication::sendEvent(window, &event);
        QVERIFY2(chosen, "the context menu lists no 波特图");
    }

private Q_SLOTS:
    void initTestCase() { zentrova::InstallChineseFontSubstitutes(); }

    void init()
    {
        gui_ = std::make_unique<GuiFixture>();
    }

    void cleanup()
    {
        const QStringList unexpected = gui_->watchdog().unexpected();
        gui_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("unexpected modal dialog: ") + unexpected.join(u'|')));
    }

    void contextMenuOpensOnePlotThatShowsTheLoop()
    {
        QWidget* dlbch = Open("Command4", "dlbch");
        Compute(dlbch);
        ChooseFromContextMenu(dlbch);
        ChooseFromContextMenu(dlbch);
        BodePlotWindow* plot = Plot("dlbch");
        QVERIFY(plot);
        QVERIFY(plot->isVisible());
        QCOMPARE(plot->windowTitle(), QStringLiteral("电流环波特图"));
        // 18074.65 Hz and 39.768°.
        QCOMPARE(Text(plot, "crossoverReadout"), QStringLiteral("穿越频率 fc：18.07 kHz"));
        QCOMPARE(Text(plot, "phaseMarginReadout"), QStringLiteral("相位裕量：39.8°"));
        QCOMPARE(Text(plot, "windowFigureReadout"), QStringLiteral("窗口的穿越频率（Text6）：15.92 kHz"));
        QCOMPARE(Text(plot, "limitReadout"), QStringLiteral("fs/2：50 kHz"));
        QVERIFY(Text(plot, "flagsLabel").contains(QStringLiteral("相位裕量小于 45°")));
        QCOMPARE(CurvePoints(plot, "gainChart"), 201);
        QCOMPARE(CurvePoints(plot, "phaseChart"), 201);
        QVERIFY(!Child<QLabel>(plot, "reasonLabel")->isVisible());
    }

    void ctrlBOpensTheVoltagePlotOnceAndItFollowsEachCompute()
    {
        QWidget* dybch = Open("Command3", "dybch");
        Compute(dybch);
        dybch->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dybch));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::ControlModifier);
        dybch->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dybch));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::ControlModifier);
        BodePlotWindow* plot = Plot("dybch");
        QVERIFY(plot);
        QVERIFY(plot->isVisible());
        QCOMPARE(plot->windowTitle(), QStringLiteral("电压环波特图"));
        // 12.127 Hz, 11.05°, -36.489 dB at 100 Hz.
        QCOMPARE(Text(plot, "crossoverReadout"), QStringLiteral("穿越频率 fc：12.13 Hz"));
        QCOMPARE(Text(plot, "phaseMarginReadout"), QStringLiteral("相位裕量：11.0°"));
        QCOMPARE(Text(plot, "rippleGainReadout"), QStringLiteral("纹波频率 2f（100 Hz）处增益：-36.49 dB"));
        QCOMPARE(Text(plot, "windowFigureReadout"), QStringLiteral("窗口的极点频率（Text8）：35.12 Hz"));
        QCOMPARE(CurvePoints(plot, "gainChart"), 286);

        // A 470 µF output capacitor: 11.843 Hz, 20.60°.
        Child<QLineEdit>(dybch, "Text3")->setText(QStringLiteral("470"));
        Compute(dybch);
        QCOMPARE(Plot("dybch"), plot);
        QCOMPARE(Text(plot, "crossoverReadout"), QStringLiteral("穿越频率 fc：11.84 Hz"));
        QCOMPARE(Text(plot, "phaseMarginReadout"), QStringLiteral("相位裕量：20.6°"));
    }

    void faultShowsTheReasonAndNoCurve()
    {
        QWidget* dlbch = Open("Command4", "dlbch");
        Compute(dlbch);
        PlotAction(dlbch)->trigger();
        BodePlotWindow* plot = Plot("dlbch");
        QVERIFY(plot);
        QCOMPARE(CurvePoints(plot, "gainChart"), 201);

        Child<QLineEdit>(dlbch, "Text7")->setText(QStringLiteral("0"));
        gui_->watchdog().Expect();
        Compute(dlbch);
        QCOMPARE(gui_->watchdog().seen().size(), 1);
        QCOMPARE(Text(plot, "reasonLabel"),
                 QStringLiteral("上次计算出错，没有可绘制的环路。无法计算“零点补偿电容(PF)”：除数“增益补偿电阻(K)”为零。请检查输入是否为空或为 0。"));
        QVERIFY(Child<QLabel>(plot, "reasonLabel")->isVisible());
        QCOMPARE(CurvePoints(plot, "gainChart"), 0);
        QCOMPARE(CurvePoints(plot, "phaseChart"), 0);
        QCOMPARE(Text(plot, "crossoverReadout"), QStringLiteral("穿越频率 fc：—"));
        QVERIFY(!Child<QPushButton>(plot, "exportCsvButton")->isEnabled());
        QVERIFY(dlbch->isVisible());

        // Mended, the next compute plots again.
        Child<QLineEdit>(dlbch, "Text7")->setText(QStringLiteral("3.9"));
        Compute(dlbch);
        QCOMPARE(CurvePoints(plot, "gainChart"), 201);
        QVERIFY(!Child<QLabel>(plot, "reasonLabel")->isVisible());
    }

    void zeroOrNegativePartShowsTheReasonAndNoCurve()
    {
        QWidget* dlbch = Open("Command4", "dlbch");
        // Before the first compute the outputs are empty.
        PlotAction(dlbch)->trigger();
        BodePlotWindow* plot = Plot("dlbch");
        QVERIFY(plot);
        QCOMPARE(Text(plot, "reasonLabel"), QStringLiteral("「增益补偿电阻(K)」没有数值，无法构成环路。"));
        QCOMPARE(CurvePoints(plot, "gainChart"), 0);

        // A negative Rmo computes without a fault, but makes no loop.
        Child<QLineEdit>(dlbch, "Text7")->setText(QStringLiteral("-3.9"));
        Compute(dlbch);
        QCOMPARE(Text(plot, "reasonLabel"), QStringLiteral("「Rmo(K)」为负值，无法构成环路。"));
        QCOMPARE(CurvePoints(plot, "gainChart"), 0);

        // A capacitor typed as 0 after computing: shown when the plot is asked for.
        Child<QLineEdit>(dlbch, "Text7")->setText(QStringLiteral("3.9"));
        Compute(dlbch);
        QCOMPARE(CurvePoints(plot, "gainChart"), 201);
        Child<QLineEdit>(dlbch, "Text9")->setText(QStringLiteral("0"));
        PlotAction(dlbch)->trigger();
        QCOMPARE(Text(plot, "reasonLabel"), QStringLiteral("「零点补偿电容(PF)」为 0，无法构成环路。"));
        QCOMPARE(CurvePoints(plot, "gainChart"), 0);
        QCOMPARE(CurvePoints(plot, "phaseChart"), 0);
    }

    void otherWindowsHaveNoPlot()
    {
        QWidget* gl = Open("Command1", "gl");
        QVERIFY(!PlotAction(gl));
        QCOMPARE(gl->contextMenuPolicy(), Qt::ActionsContextMenu);
    }

    void cursorReadsFrequencyGainAndPhase()
    {
        QWidget* dlbch = Open("Command4", "dlbch");
        Compute(dlbch);
        PlotAction(dlbch)->trigger();
        BodePlotWindow* plot = Plot("dlbch");
        QVERIFY(QTest::qWaitForWindowExposed(plot));
        auto* phase = Child<QChartView>(plot, "phaseChart");
        const QRectF area = phase->chart()->plotArea();
        // Halfway across 10 Hz to 100 kHz is 1 kHz: 46.81 dB, -176.9°.
        const QPoint middle = phase->mapFromScene(phase->chart()->mapToScene(area.center()));
        QTest::mouseMove(phase->viewport(), middle);
        // The pixel grid puts the cursor within 1.5 % of 1 kHz, where the gain
        // falls 40 dB a decade and the phase hardly moves.
        const QRegularExpression numbers(
            QStringLiteral("^光标：f = ([0-9.]+) (k?)Hz\n增益 ([-0-9.]+) dB，相位 ([-0-9.]+)°$"));
        const QRegularExpressionMatch match = numbers.match(Text(plot, "cursorReadout"));
        QVERIFY2(match.hasMatch(), qPrintable(Text(plot, "cursorReadout")));
        const double hz = match.captured(1).toDouble() * (match.captured(2).isEmpty() ? 1 : 1000);
        QVERIFY2(std::abs(hz - 1000) < 15, qPrintable(Text(plot, "cursorReadout")));
        QVERIFY(std::abs(match.captured(3).toDouble() - 46.81) < 0.3);
        QVERIFY(std::abs(match.captured(4).toDouble() - -176.9) < 0.15);

        QTest::mouseMove(phase->viewport(), QPoint(2, 2));
        QCOMPARE(Text(plot, "cursorReadout"), QStringLiteral("光标：将鼠标移到图上读数"));
    }

    void exportsWriteFilesThatReadBack()
    {
        QWidget* dybch = Open("Command3", "dybch");
        Compute(dybch);
        PlotAction(dybch)->trigger();
        BodePlotWindow* plot = Plot("dybch");
        QVERIFY(QTest::qWaitForWindowExposed(plot));
        QTemporaryDir dir;
        QString path;
        plot->SetSavePathChooser([&path](const QString&, const QString&) { return path; });
        QWidget* charts = Child<QWidget>(plot, "charts");

        path = dir.filePath(QStringLiteral("loop.png"));
        QTest::mouseClick(Child<QPushButton>(plot, "exportPngButton"), Qt::LeftButton);
        const QImage png(path, "PNG");
        QVERIFY(!png.isNull());
        QCOMPARE(png.size(), charts->size() * charts->devicePixelRatio());

        path = dir.filePath(QStringLiteral("loop.svg"));
        QTest::mouseClick(Child<QPushButton>(plot, "exportSvgButton"), Qt::LeftButton);
        QFile svgFile(path);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svgFile);
        int elements = 0;
        QString root;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && elements++ == 0)
                root = xml.name().toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(root, QStringLiteral("svg"));
        QVERIFY(elements > 100);
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(QPoint(0, 0), charts->size()));

        path = dir.filePath(QStringLiteral("loop.csv"));
        QTest::mouseClick(Child<QPushButton>(plot, "exportCsvButton"), Qt::LeftButton);
        QFile csvFile(path);
        QVERIFY(csvFile.open(QIODevice::ReadOnly | QIODevice::Text));
        const QList<QByteArray> lines = csvFile.readAll().split('\n');
        QCOMPARE(lines.front(), QByteArray("frequency_hz,gain_db,phase_deg"));
        // 286 points and the empty text after the last line break.
        QCOMPARE(lines.size(), 1 + 286 + 1);
        QVERIFY(lines[1].startsWith("0.01,76.02"));
        QVERIFY(lines[286].startsWith("5000,-104.4"));
    }
};

QTEST_MAIN(BodePlotTest)
#include "BodePlotTest.moc"
