#include "Fonts.h"
#include "MainWindow.h"
#include "ModalWatchdog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using zentrova::MainWindow;

class GuiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    QList<QUrl> opened_;

    QPushButton* MenuButton(const char* name)
    {
        auto* button = main_->findChild<QPushButton*>(QString::fromUtf8(name));
        if (!button)
            qFatal("main window has no button %s", name);
        return button;
    }

    // The window as the engineer opens it: through its main-window button.
    QWidget* Open(const char* button, const char* window)
    {
        QTest::mouseClick(MenuButton(button), Qt::LeftButton);
        QWidget* form = main_->forms().Find(QString::fromUtf8(window));
        if (form && !QTest::qWaitForWindowExposed(form))
            qWarning("window %s was not exposed", window);
        return form;
    }

    static QLineEdit* Field(QWidget* window, const char* name)
    {
        auto* field = window->findChild<QLineEdit*>(QString::fromUtf8(name));
        if (!field)
            qFatal("no field %s", name);
        return field;
    }

    static QPushButton* Button(QWidget* window, const char* name)
    {
        auto* button = window->findChild<QPushButton*>(QString::fromUtf8(name));
        if (!button)
            qFatal("no button %s", name);
        return button;
    }

    // The controls that Tab visits, starting at the one with the focus.
    static QStringList TabChain(int count)
    {
        QStringList chain;
        for (int i = 0; i < count; ++i) {
            chain.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return chain;
    }

    static int InstancesNamed(const QString& name)
    {
        int instances = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            instances += w->objectName() == name ? 1 : 0;
        return instances;
    }

    QStringList VisibleTopLevels() const
    {
        QStringList names;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                names.append(w->objectName());
        }
        names.sort();
        return names;
    }

private Q_SLOTS:
    void initTestCase() { zentrova::InstallChineseFontSubstitutes(); }

    void init()
    {
        opened_.clear();
        watchdog_ = std::make_unique<ModalWatchdog>();
        main_ = std::make_unique<MainWindow>([this](const QUrl& url) { opened_.append(url); });
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    }

    void cleanup()
    {
        const QStringList unexpected = watchdog_->unexpected();
        main_.reset();
        watchdog_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("unexpected modal dialog: ") + unexpected.join(u'|')));
    }

    void startShowsOnlyTheMainWindowWithFocusOnTheFirstButton()
    {
        QCOMPARE(VisibleTopLevels(), QStringList{QStringLiteral("PFC")});
        QCOMPARE(main_->windowTitle(), QStringLiteral("Zentrova"));
        QCOMPARE(main_->size(), QSize(177, 438));
        QVERIFY(main_->minimumSize() == main_->maximumSize());
        QVERIFY(!(main_->windowFlags() & Qt::WindowMinMaxButtonsHint));
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        QCOMPARE(QApplication::focusWidget(), MenuButton("Command1"));
    }

    void mainWindowButtons_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("top");
        const struct {
            const char* control;
            const char* caption;
            int topTwips;
        } rows[] = {
            {"Command1", "主功率元件计算", 240}, {"Command5", " 限流设置 ", 600},   {"Command14", "限流回路", 960},
            {"Command2", "前馈乘方器", 1320},    {"Command9", "前馈乘法器", 1680},  {"Command6", "乘法器非线校正", 2040},
            {"Command4", "电流补偿环路", 2400},  {"Command3", "电压补偿环路", 2760}, {"Command10", "振荡定时电阻", 3120},
            {"Command8", "振荡定时电容", 3480},  {"Command7", "看图说明1", 3840},   {"Command12", "看图说明2", 4200},
        };
        for (const auto& row : rows)
            QTest::newRow(row.control) << QString::fromUtf8(row.control) << QString::fromUtf8(row.caption)
                                       << row.topTwips / 15;
    }

    void mainWindowButtons()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(int, top);
        auto* button = main_->findChild<QPushButton*>(control);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), QRect(24, top, 113, 25));
    }

    void mainWindowLabels()
    {
        auto* greeting = main_->findChild<QLabel*>(QStringLiteral("Label1"));
        auto* link = main_->findChild<QLabel*>(QStringLiteral("Label2"));
        auto* version = main_->findChild<QLabel*>(QStringLiteral("Label3"));
        QVERIFY(greeting && link && version);
        QCOMPARE(greeting->text(), QStringLiteral("欢迎访问我们主页："));
        QCOMPARE(greeting->geometry(), QRect(24, 352, 145, 17));
        QCOMPARE(greeting->font().pointSizeF(), 11.25);
        QCOMPARE(link->text(), QStringLiteral(ZENTROVA_HOME_PAGE));
        QCOMPARE(link->geometry(), QRect(8, 376, 160, 15));
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(version->text(), QStringLiteral("V1.2版本"));
        QCOMPARE(version->geometry(), QRect(112, 416, 57, 17));
    }

    void mainWindowTabOrder()
    {
        const QStringList expected = {"Command1", "Command2", "Command3",  "Command4", "Command5",  "Command6",
                                      "Command8", "Command9", "Command10", "Command7", "Command12", "Command14"};
        QStringList chain;
        QWidget* w = MenuButton("Command1");
        for (int i = 0; i < expected.size(); ++i) {
            chain.append(w->objectName());
            do {
                w = w->nextInFocusChain();
            } while (w->focusPolicy() == Qt::NoFocus);
        }
        QCOMPARE(chain, expected);
    }

    void showFormTwiceGivesOneWindowWithItsInitialTexts()
    {
        QWidget* first = Open("Command1", "gl");
        QVERIFY(first);
        QWidget* second = Open("Command1", "gl");
        QCOMPARE(second, first);
        QCOMPARE(InstancesNamed(QStringLiteral("gl")), 1);
        QCOMPARE(first->windowTitle(), QStringLiteral("功率元件"));
        QCOMPARE(first->size(), QSize(298, 323));
        QCOMPARE(Field(first, "Text1")->text(), QStringLiteral("250"));
        QCOMPARE(Field(first, "Text11")->text(), QStringLiteral("260"));
        QCOMPARE(Field(first, "Text6")->text(), QString());
        QCOMPARE(Field(first, "Text1")->accessibleName(), QStringLiteral("输出功率（W）"));
        QCOMPARE(VisibleTopLevels(), (QStringList{QStringLiteral("PFC"), QStringLiteral("gl")}));
    }

    void glTabOrderAndFirstFocus()
    {
        QWidget* gl = Open("Command1", "gl");
        QVERIFY(QTest::qWaitForWindowActive(gl));
        QCOMPARE(QApplication::focusWidget(), Field(gl, "Text11"));
        const QStringList expected = {"Text11", "Text10", "Text9", "Text8", "Text7", "Text6",   "Text5",
                                      "Text4",  "Text3",  "Text2", "Text1", "Command8", "Command1"};
        QCOMPARE(TabChain(expected.size()), expected);
    }

    void eachButtonOpensItsWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        const struct {
            const char* button;
            const char* window;
            const char* caption;
        } rows[] = {
            {"Command1", "gl", "功率元件"},        {"Command5", "xldz", "限流电阻"},
            {"Command14", "XL", "限流设置 "},      {"Command2", "qkcf", "前馈乘方"},
            {"Command9", "qkcfq", "前馈乘法器"},   {"Command6", "fxxpz", "非线性偏置"},
            {"Command4", "dlbch", "电流补偿环计算"}, {"Command3", "dybch", "电压补偿环计算算"},
            {"Command10", "zddsdz", "Form1"},      {"Command8", "zddsdr", "振荡定时电容"},
            {"Command7", "tu1", "图1"},            {"Command12", "tu2", "图2"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.button) << QString::fromUtf8(row.button) << QString::fromUtf8(row.window)
                                      << QString::fromUtf8(row.caption);
    }

    void eachButtonOpensItsWindow()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QWidget* form = Open(button.toUtf8().constData(), window.toUtf8().constData());
        QVERIFY2(form, qPrintable(window));
        QCOMPARE(form->objectName(), window);
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(form->isVisible());
        QCOMPARE(VisibleTopLevels(), (QStringList{QStringLiteral("PFC"), window}));
    }

    void voltageLoopComputesWithFocusOnItsReturnButton()
    {
        QWidget* dybch = Open("Command3", "dybch");
        QVERIFY(QTest::qWaitForWindowActive(dybch));
        QCOMPARE(QApplication::focusWidget(), Button(dybch, "Command2"));
        QCOMPARE(Field(dybch, "Text1")->text(), QStringLiteral("150"));
        QCOMPARE(Field(dybch, "Text5")->text(), QStringLiteral("91"));
        const QStringList expected = {"Command2", "Command1", "Text10", "Text9", "Text8", "Text7",
                                      "Text6",    "Text5",    "Text4",  "Text3", "Text2", "Text1"};
        QCOMPARE(TabChain(expected.size()), expected);
        // Inputs on the left, outputs on the right of the same rows.
        QCOMPARE(Field(dybch, "Text1")->y(), Field(dybch, "Text6")->y());
        QVERIFY(Field(dybch, "Text1")->x() < Field(dybch, "Text6")->x());
        QTest::mouseClick(Button(dybch, "Command1"), Qt::LeftButton);
        QCOMPARE(Field(dybch, "Text6")->text(), QStringLiteral("2.38853503184713"));
        QCOMPARE(Field(dybch, "Text7")->text(), QStringLiteral("0.02512"));
        QCOMPARE(Field(dybch, "Text8")->text(), QStringLiteral("35.1164987345048"));
        QCOMPARE(Field(dybch, "Text9")->text(), QStringLiteral("96.4786660136388"));
        QCOMPARE(Field(dybch, "Text10")->text(), QStringLiteral("0.696593357553234"));
    }

    void feedForwardComputesAndFollowsItsTabOrder()
    {
        QWidget* qkcf = Open("Command2", "qkcf");
        QVERIFY(QTest::qWaitForWindowActive(qkcf));
        const QStringList expected = {"Text1", "Text2", "Text3", "Text4", "Command1", "Text5",
                                      "Text6", "Text7", "Text8", "Text9", "Command2"};
        QCOMPARE(TabChain(expected.size()), expected);
        // Text8 stands above Text7.
        QVERIFY(Field(qkcf, "Text8")->y() < Field(qkcf, "Text7")->y());
        QTest::mouseClick(Button(qkcf, "Command1"), Qt::LeftButton);
        QCOMPARE(Field(qkcf, "Text6")->text(), QStringLiteral("9.68726283284194E-02"));
        QCOMPARE(Field(qkcf, "Text8")->text(), QStringLiteral("3.83653973577898"));
    }

    void diagramWindowsShowTheSchematicTopAndBottom_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("imageAt");
        QTest::newRow("tu1") << QStringLiteral("Command7") << QStringLiteral("tu1") << QStringLiteral("图1")
                             << QSize(693, 575) << QPoint(0, 0);
        QTest::newRow("tu2") << QStringLiteral("Command12") << QStringLiteral("tu2") << QStringLiteral("图2")
                             << QSize(708, 575) << QPoint(16, -56);
    }

    void diagramWindowsShowTheSchematicTopAndBottom()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QPoint, imageAt);
        QWidget* diagram = Open(button.toUtf8().constData(), window.toUtf8().constData());
        QVERIFY(diagram);
        QCOMPARE(diagram->windowTitle(), caption);
        QCOMPARE(diagram->size(), size);
        QVERIFY(diagram->minimumSize() == diagram->maximumSize());
        auto* image = diagram->findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(imageAt, QSize(691, 630)));
        QCOMPARE(image->pixmap().size(), QSize(691, 630));
        QVERIFY(diagram->findChildren<QLineEdit*>().isEmpty());
        QVERIFY(diagram->findChildren<QPushButton*>().isEmpty());
        // A second press brings back the same window.
        QCOMPARE(Open(button.toUtf8().constData(), window.toUtf8().constData()), diagram);
        QCOMPARE(InstancesNamed(window), 1);
        diagram->close();
        QVERIFY(!diagram->isVisible());
        QCOMPARE(Open(button.toUtf8().constData(), window.toUtf8().constData()), diagram);
        QVERIFY(diagram->isVisible());
    }

    void firstDiagramStandsAtItsScreenPosition()
    {
        QWidget* tu1 = Open("Command7", "tu1");
        QCOMPARE(tu1->geometry().topLeft(), QPoint(29, 22));
    }

    void computeFillsTheOutputs()
    {
        QWidget* gl = Open("Command1", "gl");
        QTest::mouseClick(Button(gl, "Command8"), Qt::LeftButton);
        QCOMPARE(Field(gl, "Text6")->text(), QStringLiteral("4.41875"));
        QCOMPARE(Field(gl, "Text7")->text(), QStringLiteral("0.88375"));
        QCOMPARE(Field(gl, "Text8")->text(), QStringLiteral("0.569230769230769"));
        QCOMPARE(Field(gl, "Text9")->text(), QStringLiteral("180.35034272658"));
        QCOMPARE(Field(gl, "Text10")->text(), QStringLiteral("425"));
    }

    void editedTextsSurviveReturnAndShowAgain()
    {
        QWidget* gl = Open("Command1", "gl");
        Field(gl, "Text1")->clear();
        QTest::keyClicks(Field(gl, "Text1"), QStringLiteral("100"));
        Field(gl, "Text11")->setText(QStringLiteral("265"));
        QTest::mouseClick(Button(gl, "Command8"), Qt::LeftButton);
        QTest::mouseClick(Button(gl, "Command1"), Qt::LeftButton);
        QVERIFY(!gl->isVisible());
        QCOMPARE(VisibleTopLevels(), QStringList{QStringLiteral("PFC")});
        QCOMPARE(Open("Command1", "gl"), gl);
        QCOMPARE(Field(gl, "Text1")->text(), QStringLiteral("100"));
        QCOMPARE(Field(gl, "Text9")->text(), QStringLiteral("457.313655893892"));
        // The close box puts the window away like the return button.
        gl->close();
        QVERIFY(!gl->isVisible());
        QCOMPARE(Open("Command1", "gl"), gl);
        QCOMPARE(Field(gl, "Text11")->text(), QStringLiteral("265"));
    }

    void enterAndEscapePressNothing()
    {
        QWidget* gl = Open("Command1", "gl");
        QTest::keyClick(Field(gl, "Text1"), Qt::Key_Return);
        QTest::keyClick(Field(gl, "Text1"), Qt::Key_Enter);
        QTest::keyClick(Field(gl, "Text1"), Qt::Key_Escape);
        QVERIFY(gl->isVisible());
        QCOMPARE(Field(gl, "Text6")->text(), QString());
    }

    void fieldsTakeAnyTextOfAnyLength()
    {
        QWidget* gl = Open("Command1", "gl");
        const QString longText(40000, u'7');
        Field(gl, "Text3")->setText(longText);
        QCOMPARE(Field(gl, "Text3")->text(), longText);
        QVERIFY(!Field(gl, "Text6")->isReadOnly());
    }

    void faultIsReportedAndTheApplicationGoesOn()
    {
        QWidget* gl = Open("Command1", "gl");
        Field(gl, "Text1")->setText(QStringLiteral("0"));
        watchdog_->Expect();
        QTest::mouseClick(Button(gl, "Command8"), Qt::LeftButton);
        QCOMPARE(watchdog_->seen().size(), 1);
        QVERIFY2(watchdog_->seen().front().contains(QStringLiteral("所需要电感（uH）")),
                 qPrintable(watchdog_->seen().front()));
        QVERIFY(watchdog_->seen().front().contains(QStringLiteral("除数“电感增量电流（A）”为零")));
        QCOMPARE(Field(gl, "Text6")->text(), QStringLiteral("0"));
        QCOMPARE(Field(gl, "Text7")->text(), QStringLiteral("0"));
        QCOMPARE(Field(gl, "Text8")->text(), QStringLiteral("0.569230769230769"));
        QCOMPARE(Field(gl, "Text9")->text(), QString());
        QCOMPARE(Field(gl, "Text10")->text(), QString());
        QVERIFY(gl->isVisible());
        QVERIFY(main_->isVisible());
        // The engineer mends the typo and carries on in the same window.
        Field(gl, "Text1")->setText(QStringLiteral("250"));
        QTest::mouseClick(Button(gl, "Command8"), Qt::LeftButton);
        QCOMPARE(Field(gl, "Text9")->text(), QStringLiteral("180.35034272658"));
    }

    void overflowIsReportedAsSuch()
    {
        QWidget* gl = Open("Command1", "gl");
        Field(gl, "Text1")->setText(QStringLiteral("1e400"));
        watchdog_->Expect();
        QTest::mouseClick(Button(gl, "Command8"), Qt::LeftButton);
        QCOMPARE(watchdog_->seen().size(), 1);
        QVERIFY(watchdog_->seen().front().contains(QStringLiteral("电感最大电流（A）")));
        QVERIFY(watchdog_->seen().front().contains(QStringLiteral("溢出")));
    }

    void linkLabelOpensExactlyItsOwnText()
    {
        auto* link = main_->findChild<QLabel*>(QStringLiteral("Label2"));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(opened_.front().toString(), link->text());
        QCOMPARE(VisibleTopLevels(), QStringList{QStringLiteral("PFC")});
        QCOMPARE(link->text(), QStringLiteral(ZENTROVA_HOME_PAGE));
    }

    void commaDecimalQtLocaleChangesNoDigit()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QWidget* gl = Open("Command1", "gl");
        QTest::mouseClick(Button(gl, "Command8"), Qt::LeftButton);
        QLocale::setDefault(saved);
        QCOMPARE(Field(gl, "Text8")->text(), QStringLiteral("0.569230769230769"));
    }

    void closingTheMainWindowPutsEveryWindowAway()
    {
        QWidget* gl = Open("Command1", "gl");
        QVERIFY(gl->isVisible());
        main_->close();
        QCOMPARE(VisibleTopLevels(), QStringList{});
    }
};

QTEST_MAIN(GuiTest)
#include "GuiTest.moc"
