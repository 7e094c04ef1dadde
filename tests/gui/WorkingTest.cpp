// The working of a calculation window where the engineer sees it: in the
// fields' tooltips, in the 计算过程 panel, and in results greyed once they
// no longer belong to the inputs.
#include "CalculationWindow.h"
#include "Fonts.h"
#include "GuiFixture.h"
#include "calc/WindowDescription.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

using zentrova::CalculationWindow;

namespace {

const QString kPanel = QStringLiteral("WorkingPanel");
const QString kWorkingAction = QStringLiteral("计算过程");

QString PanelText(QWidget* panel)
{
    auto* text = panel->findChild<QPlainTextEdit*>(QStringLiteral("WorkingText"));
    return text ? text->toPlainText() : QString();
}

bool Greyed(QLineEdit* field)
{
    const QPalette window = field->window()->palette();
    return field->palette().color(QPalette::Text) == window.color(QPalette::Disabled, QPalette::Text) &&
           field->palette().color(QPalette::Text) != window.color(QPalette::Active, QPalette::Text);
}


}  // namespace

class WorkingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> gui_;

    static QLineEdit* Field(QWidget* window, const char* name) { return GuiFixture::Field(window, name); }

    void Compute(CalculationWindow* window)
    {
        QTest::mouseClick(GuiFixture::Button(window, std::string(window->description().computeButton).c_str()),
                          Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { zentrova::InstallChineseFontSubstitutes(); }
    void init() { gui_ = std::make_unique<GuiFixture>(); }

    void cleanup()
    {
        const QStringList unexpected = gui_->watchdog().unexpected();
        gui_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("unexpected modal dialog: ") + unexpected.join(u'|')));
    }

    void computedOutputShowsItsWorkingOnHover_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("lines");
        // The worked examples of the windows with their default inputs; the
        // standard values from the published E96 and E12 tables.
        QTest::newRow("gl peak current") << "gl" << "Text6"
                                         << QStringList{"IL,pk = (Pout × 1.414) ÷ Vin,min",
                                                        "= (250 × 1.414) ÷ 80", "= 4.41875 A"};
        QTest::newRow("gl duty cycle, a ratio")
            << "gl" << "Text8"
            << QStringList{"Dmax = (Vin,max − (Vin,min × 1.4)) ÷ Vin,max", "= (260 − (80 × 1.4)) ÷ 260",
                           "= 0.569230769230769", "与标准设计方法不同"};
        QTest::newRow("dybch feedback resistor")
            << "dybch" << "Text9"
            << QStringList{"Rf = (((1 ÷ 6.28) ÷ fp) × 1000000) ÷ 47", "= (((1 ÷ 6.28) ÷ 35.1164987345048) × 1000000) ÷ 47",
                           "= 96.4786660136388 kΩ", "E96 标准值：最接近 97.6 kΩ", "较小 95.3 kΩ",
                           "与标准设计方法不同"};
        QTest::newRow("dybch feedback capacitor")
            << "dybch" << "Text10" << QStringList{"= 0.696593357553234 µF", "E12 标准值：最接近 0.68 µF"};
    }

    void computedOutputShowsItsWorkingOnHover()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QStringList, lines);
        CalculationWindow* calculation = gui_->Open(window.toUtf8().constData());
        Compute(calculation);
        QLineEdit* output = Field(calculation, field.toUtf8().constData());
        const QPoint at = output->rect().center();
        QHelpEvent hover(QEvent::ToolTip, at, output->mapToGlobal(at));
        QApplication::sendEvent(output, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        const QString tip = QToolTip::text();
        for (const QString& line : lines)
            QVERIFY2(tip.contains(line), qPrintable(line + QStringLiteral(" not in:\n") + tip));
        QToolTip::hideText();
    }

    void beforeAComputeTooltipsSayWhatAFieldIs()
    {
        CalculationWindow* gl = gui_->Open("gl");
        const QString output = Field(gl, "Text6")->toolTip();
        QVERIFY2(output.startsWith(QStringLiteral("IL,pk：")), qPrintable(output));
        QVERIFY(output.contains(QStringLiteral("单位 A")));
        QVERIFY(output.contains(QStringLiteral("IL,pk = (Pout × 1.414) ÷ Vin,min")));
        QVERIFY(!output.contains(QStringLiteral("250")));
        const QString input = Field(gl, "Text1")->toolTip();
        QVERIFY2(input.startsWith(QStringLiteral("Pout：")), qPrintable(input));
        QVERIFY(input.contains(QStringLiteral("单位 W")));
        QVERIFY(!input.contains(u'='));
    }

    void f1AndTheRightClickMenusOpenOneWorkingPanel()
    {
        CalculationWindow* gl = gui_->Open("gl");
        const QSize size = gl->size();
        const int controls = gl->findChildren<QWidget*>().size();

        QTest::keyClick(Field(gl, "Text1"), Qt::Key_F1);
        QWidget* panel = GuiFixture::VisibleTopLevel(kPanel);
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("计算过程 — 功率元件"));
        QVERIFY(!panel->isModal());
        QVERIFY2(PanelText(panel).contains(QStringLiteral("IL,pk = (Pout × 1.414) ÷ Vin,min")), "formulas before a compute");
        panel->close();

        const QStringList fieldMenu = GuiFixture::RightClickAndPick(Field(gl, "Text6"), kWorkingAction);
        QVERIFY2(fieldMenu.size() > 2, qPrintable(fieldMenu.join(u'|')));
        // After the line editor's own entries and a separator, the window's.
        const qsizetype separator = fieldMenu.lastIndexOf(QStringLiteral("-"));
        QVERIFY(separator > 0);
        QVERIFY2(fieldMenu.indexOf(kWorkingAction) > separator, qPrintable(fieldMenu.join(u'|')));
        QCOMPARE(GuiFixture::VisibleTopLevel(kPanel), panel);
        panel->close();

        GuiFixture::Activate(gl);
        const QStringList windowMenu = GuiFixture::RightClickAndPick(gl, kWorkingAction);
        QCOMPARE(windowMenu, (QStringList{kWorkingAction, QStringLiteral("器件应力计算")}));
        QCOMPARE(GuiFixture::VisibleTopLevel(kPanel), panel);

        QTest::keyClick(Field(gl, "Text2"), Qt::Key_F1);
        QCOMPARE(GuiFixture::InstancesNamed(kPanel), 1);
        // The window itself keeps its size and its controls.
        QCOMPARE(gl->size(), size);
        QCOMPARE(gl->findChildren<QWidget*>().size() - panel->findChildren<QWidget*>().size() - 1, controls);
        // The panel goes away with its window.
        QTest::mouseClick(GuiFixture::Button(gl, "Command1"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }

    void panelListsEveryStepOfTheLastComputeAndCopiesIt()
    {
        CalculationWindow* dybch = gui_->Open("dybch");
        QTest::keyClick(Field(dybch, "Text1"), Qt::Key_F1);
        QWidget* panel = GuiFixture::VisibleTopLevel(kPanel);
        QVERIFY(panel);
        Compute(dybch);
        QString text = PanelText(panel);
        qsizetype at = 0;
        for (const char* step : {"第 1 步", "第 2 步", "第 3 步", "第 4 步", "第 5 步"}) {
            const qsizetype next = text.indexOf(QString::fromUtf8(step), at);
            QVERIFY2(next >= at, step);
            at = next;
        }
        QVERIFY(text.contains(QStringLiteral("= 35.1164987345048 Hz")));
        // The next compute, on other inputs, replaces the working.
        Field(dybch, "Text1")->setText(QStringLiteral("300"));
        Compute(dybch);
        text = PanelText(panel);
        QVERIFY(text.contains(QStringLiteral("= (((((300 ÷ 6.28) ÷ 2) ÷ 50) ÷ 250) ÷ 400) × 1000000")));
        QVERIFY(!text.contains(QStringLiteral("(150 ÷ 6.28)")));

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("CopyButton")), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QVERIFY(panel->findChild<QPlainTextEdit*>(QStringLiteral("WorkingText"))->isReadOnly());
    }

    void afterAFaultThePanelNamesTheStepAndOldResultsAreGreyed()
    {
        CalculationWindow* gl = gui_->Open("gl");
        Compute(gl);
        Field(gl, "Text1")->setText(QStringLiteral("0"));
        gui_->watchdog().Expect();
        Compute(gl);
        QCOMPARE(gui_->watchdog().seen().size(), 1);
        GuiFixture::Activate(gl);
        QTest::keyClick(Field(gl, "Text1"), Qt::Key_F1);
        QWidget* panel = GuiFixture::VisibleTopLevel(kPanel);
        QVERIFY(panel);
        const QString text = PanelText(panel);
        // Text1 = 0 makes the ripple current ΔIL zero, the divisor of step 4.
        QVERIFY2(text.startsWith(QStringLiteral("计算在第 4 步中断：所需要电感（uH）（Text9）无法计算。")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("除数“电感增量电流（A）”为零")));
        QVERIFY(text.contains(QStringLiteral("第 5 步没有运行")));

        // Steps 1 to 3 wrote new texts; Text9 and Text10 still hold those of the run before.
        for (const char* current : {"Text6", "Text7", "Text8"})
            QVERIFY2(!Greyed(Field(gl, current)), current);
        for (const char* old : {"Text9", "Text10"}) {
            QVERIFY2(Greyed(Field(gl, old)), old);
            QVERIFY(Field(gl, old)->toolTip().startsWith(
                QStringLiteral("上次计算在第 4 步中断，此结果不属于当前输入，请重新计算\n")));
        }
        QCOMPARE(Field(gl, "Text9")->text(), QStringLiteral("180.35034272658"));

        Field(gl, "Text1")->setText(QStringLiteral("250"));
        Compute(gl);
        QVERIFY(!Greyed(Field(gl, "Text9")));
        QVERIFY(!PanelText(panel).contains(QStringLiteral("中断")));
    }

    void resultsOfAnEditedInputAreGreyedUntilTheNextCompute_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QStringList>("greyed");
        // gl: Text6 ← Text1, Text2; Text7 ← Text6; Text8 ← Text11, Text2;
        // Text9 ← Text2, Text8, Text7, Text5; Text10 ← Text1.
        QTest::newRow("typed upper input voltage") << "Text11" << true << QStringList{"Text8", "Text9"};
        QTest::newRow("typed output voltage") << "Text5" << true << QStringList{"Text9"};
        QTest::newRow("typed switching frequency, read by no step") << "Text4" << true << QStringList{};
        QTest::newRow("set output power") << "Text1" << false << QStringList{"Text6", "Text7", "Text9", "Text10"};
        QTest::newRow("typed into a result read back") << "Text7" << true << QStringList{"Text9"};
    }

    void resultsOfAnEditedInputAreGreyedUntilTheNextCompute()
    {
        QFETCH(QString, field);
        QFETCH(bool, typed);
        QFETCH(QStringList, greyed);
        CalculationWindow* gl = gui_->Open("gl");
        Compute(gl);
        QStringList before;
        const QStringList outputs = {"Text6", "Text7", "Text8", "Text9", "Text10"};
        for (const QString& output : outputs)
            before.append(Field(gl, output.toUtf8().constData())->text());
        if (typed)
            QTest::keyClicks(Field(gl, field.toUtf8().constData()), QStringLiteral("1"));
        else
            gl->SetFieldText(field.toStdString(), QStringLiteral("100"));

        QStringList shown;
        QStringList after;
        for (const QString& output : outputs) {
            QLineEdit* edit = Field(gl, output.toUtf8().constData());
            if (Greyed(edit)) {
                shown.append(output);
                QVERIFY(edit->toolTip().startsWith(QStringLiteral("输入已更改，请重新计算\n")));
            }
            after.append(output == field ? before.at(after.size()) : edit->text());
        }
        QCOMPARE(shown, greyed);
        QCOMPARE(after, before);

        Compute(gl);
        for (const QString& output : outputs)
            QVERIFY2(!Greyed(Field(gl, output.toUtf8().constData())), qPrintable(output));
    }

    void enterAndEscapeInAFieldStillPressNothing()
    {
        CalculationWindow* gl = gui_->Open("gl");
        QTest::keyClick(Field(gl, "Text1"), Qt::Key_F1);
        GuiFixture::Activate(gl);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(Field(gl, "Text1"), key);
        QVERIFY(gl->isVisible());
        QCOMPARE(Field(gl, "Text6")->text(), QString());
    }
};

QTEST_MAIN(WorkingTest)
#include "WorkingTest.moc"
