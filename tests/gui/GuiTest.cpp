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
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
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
        int instances = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            instances += w->objectName() == QStringLiteral("gl") ? 1 : 0;
        QCOMPARE(instances, 1);
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
        QStringList chain;
        for (int i = 0; i < expected.size(); ++i) {
            chain.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(chain, expected);
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
        QVERIFY(watchdog_->seen().front().contains(QStringLiteral("除数为零")));
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
