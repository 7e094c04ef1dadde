#include "DesignFileWriter.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "ModalWatchdog.h"
#include "QtText.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "design/DesignFile.h"
#include "design/DesignFormat.h"
#include "support/DesignTexts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <csignal>
#include <memory>

using zentrova::FileChoice;
using zentrova::MainWindow;

class DesignGuiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    QStringList chosen_;  // the paths the file dialogs will "return", in turn
    QList<FileChoice> choices_;
    QList<QMessageBox::StandardButton> answers_;  // to 保存 / 不保存 / 取消
    QStringList questions_;

    QString Path(const QString& name) const { return dir_->filePath(name); }

    void MakeMainWindow()
    {
        main_ = std::make_unique<MainWindow>([](const QUrl&) {});
        zentrova::DesignSession& design = main_->design();
        design.SetFileChooser([this](FileChoice choice, const QString&) {
            choices_.append(choice);
            return chosen_.isEmpty() ? QString() : chosen_.takeFirst();
        });
        design.SetSaveQuestion([this](const QString& text) {
            questions_.append(text);
            return answers_.isEmpty() ? QMessageBox::Cancel : answers_.takeFirst();
        });
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    }

    QWidget* Open(const char* button, const char* window)
    {
        QTest::mouseClick(main_->findChild<QPushButton*>(QString::fromUtf8(button)), Qt::LeftButton);
        return main_->forms().Find(QString::fromUtf8(window));
    }

    static QLineEdit* Field(QWidget* window, const char* name)
    {
        auto* field = window->findChild<QLineEdit*>(QString::fromUtf8(name));
        if (!field)
            qFatal("no field %s", name);
        return field;
    }

    QAction* Action(const char* name) const
    {
        auto* action = main_->findChild<QAction*>(QString::fromUtf8(name));
        if (!action)
            qFatal("no action %s", name);
        return action;
    }

    void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private Q_SLOTS:
    void initTestCase()
    {
        zentrova::InstallChineseFontSubstitutes();
        dir_ = std::make_unique<QTemporaryDir>();
        // The recent designs go to a settings file of this test alone.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_->filePath(QStringLiteral("settings")));
    }

    void init()
    {
        QSettings(QSettings::UserScope, QStringLiteral("Zentrova"), QStringLiteral("zentrova")).clear();
        chosen_.clear();
        choices_.clear();
        answers_.clear();
        questions_.clear();
        watchdog_ = std::make_unique<ModalWatchdog>();
        MakeMainWindow();
    }

    void cleanup()
    {
        const QStringList unexpected = watchdog_->unexpected();
        main_.reset();
        watchdog_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("unexpected modal dialog: ") + unexpected.join(u'|')));
    }

    void theFourActionsHaveTheirShortcutsOnTheRightClickMenu()
    {
        const struct {
            const char* name;
            const char* text;
            QKeySequence shortcut;
        } rows[] = {
            {"OpenDesignAction", "打开设计", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"SaveDesignAction", "保存设计", QKeySequence(QStringLiteral("Ctrl+S"))},
            {"SaveDesignAsAction", "另存为", QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
            {"ExportReportAction", "导出报告", QKeySequence(QStringLiteral("Ctrl+E"))},
        };
        QCOMPARE(main_->contextMenuPolicy(), Qt::ActionsContextMenu);
        for (const auto& row : rows) {
            QAction* action = Action(row.name);
            QCOMPARE(action->text(), QString::fromUtf8(row.text));
            QCOMPARE(action->shortcut(), row.shortcut);
            QVERIFY(main_->actions().contains(action));
        }
        // The shortcut works on the main window itself.
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        QTest::keyClick(main_.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(choices_, QList<FileChoice>{FileChoice::OpenDesign});
    }

    void withoutAFileAndWithoutAChangeClosingAsksNothing()
    {
        Open("Command1", "gl");
        QVERIFY(!main_->design().IsModified());
        main_->close();
        QVERIFY(questions_.isEmpty());
        QVERIFY(!main_->isVisible());
    }

    void saveThenChangeThenCloseAsks()
    {
        QWidget* gl = Open("Command1", "gl");
        Field(gl, "Text1")->setText(QStringLiteral("300"));
        QVERIFY(main_->design().IsModified());
        chosen_ = {Path(QStringLiteral("board"))};
        QVERIFY(main_->design().Save());  // no file yet: 另存为, which adds the extension
        QCOMPARE(choices_, QList<FileChoice>{FileChoice::SaveDesign});
        const QString file = Path(QStringLiteral("board.zpfc"));
        QCOMPARE(main_->design().path(), file);
        QVERIFY(!main_->design().IsModified());

        main_->close();  // saved and unchanged: nothing to ask
        QVERIFY(questions_.isEmpty());
        main_->show();

        QTest::keyClicks(Field(gl, "Text2"), QStringLiteral("5"));
        answers_ = {QMessageBox::Cancel};
        main_->close();
        QCOMPARE(questions_.size(), 1);
        QVERIFY(questions_.front().contains(QStringLiteral("已经改动")));
        QVERIFY(main_->isVisible());  // cancelled: the program stays

        answers_ = {QMessageBox::Save};
        main_->close();
        QVERIFY(!main_->isVisible());
        const auto saved = zentrova::OpenDesignFile(QFile::encodeName(file).toStdString());
        QCOMPARE(std::get<zentrova::Design>(saved).TextsOf(*zentrova::FindCalculationWindow("gl")).Get("Text2"),
                 std::string("805"));
    }

    void discardingLetsTheProgramCloseAndKeepsTheFile()
    {
        QWidget* gl = Open("Command1", "gl");
        chosen_ = {Path(QStringLiteral("keep.zpfc"))};
        QVERIFY(main_->design().SaveAs());
        const QByteArray before = ReadFile(Path(QStringLiteral("keep.zpfc")));
        Field(gl, "Text1")->setText(QStringLiteral("1"));
        answers_ = {QMessageBox::Discard};
        main_->close();
        QCOMPARE(questions_.size(), 1);
        QVERIFY(!main_->isVisible());
        QCOMPARE(ReadFile(Path(QStringLiteral("keep.zpfc"))), before);
    }

    // Opening a design while the texts changed asks too; cancelling opens nothing.
    // The question itself, as the program asks it: its three answers, and
    // the one the engineer clicks is the one returned.
    void theSaveQuestionOffersSaveDiscardAndCancel()
    {
        watchdog_.reset();  // this test answers the box itself
        QStringList buttons;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            answer.stop();
            for (QAbstractButton* button : box->buttons())
                buttons.append(button->text());
            box->button(QMessageBox::Discard)->click();
        });
        answer.start(5);
        QTimer::singleShot(10000, main_.get(), [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        const QMessageBox::StandardButton clicked = zentrova::MessageBoxSaveQuestion(main_.get())(QStringLiteral("?"));
        QCOMPARE(clicked, QMessageBox::Discard);
        buttons.sort();
        QStringList expected{QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")};
        expected.sort();
        QCOMPARE(buttons, expected);
        watchdog_ = std::make_unique<ModalWatchdog>();
    }

    void openingAnotherDesignAsksFirst()
    {
        QWidget* gl = Open("Command1", "gl");
        Field(gl, "Text1")->setText(QStringLiteral("1"));
        answers_ = {QMessageBox::Cancel};
        QVERIFY(!main_->design().Open());
        QCOMPARE(questions_.size(), 1);
        QVERIFY(choices_.isEmpty());
        QCOMPARE(Field(gl, "Text1")->text(), QStringLiteral("1"));
    }

    void openRestoresTextsInShownAndHiddenWindowsAndComputesNothing()
    {
        QWidget* gl = Open("Command1", "gl");
        Field(gl, "Text3")->setText(QStringLiteral("不在文件里"));
        const QString file = Path(QStringLiteral("open.zpfc"));
        WriteFile(file, R"({"format": "zentrova-design", "version": 1, "windows": {
            "dybch": {"Text1": "７", "Text8": "old result"},
            "gl": {"Text1": "300", "Text6": "stale"}}})");
        answers_ = {QMessageBox::Discard};
        chosen_ = {file};
        QVERIFY(main_->design().Open());

        QCOMPARE(Field(gl, "Text1")->text(), QStringLiteral("300"));
        QCOMPARE(Field(gl, "Text6")->text(), QStringLiteral("stale"));  // not recomputed
        QCOMPARE(Field(gl, "Text3")->text(), QStringLiteral("60"));     // back to the initial text
        QWidget* dybch = main_->forms().Find(QStringLiteral("dybch"));
        QVERIFY(dybch);
        QVERIFY(!dybch->isVisible());
        QCOMPARE(Field(dybch, "Text1")->text(), QStringLiteral("７"));
        QCOMPARE(Field(dybch, "Text8")->text(), QStringLiteral("old result"));
        QVERIFY(!main_->forms().Find(QStringLiteral("xldz")));  // not named: not created
        QVERIFY(gl->isVisible());
        QVERIFY(!main_->design().IsModified());
    }

    // A window that opening created hidden appears beside the menu where the
    // menu stands when the window is first shown, as any other window does.
    void aWindowOpenedHiddenIsPlacedBesideTheMenuWhenShown()
    {
        const QString file = Path(QStringLiteral("placed.zpfc"));
        WriteFile(file, R"({"format": "zentrova-design", "version": 1, "windows": {"gl": {"Text1": "300"}}})");
        QVERIFY(main_->design().OpenPath(file));
        main_->move(main_->pos() + QPoint(150, 60));
        QWidget* gl = Open("Command1", "gl");
        QVERIFY(gl->isVisible());
        QVERIFY(!gl->frameGeometry().intersects(main_->frameGeometry()));
        QCOMPARE(Field(gl, "Text1")->text(), QStringLiteral("300"));
    }

    // Every text of every window, empty, full-width, a megabyte long or
    // carrying U+FFFD, through a save and an open.
    void everyTextComesBackThroughSaveAndOpen()
    {
        const std::vector<zentrova::FieldTexts> texts = zentrova::test::AwkwardDesignTexts();
        for (const zentrova::FieldTexts& window : texts) {
            QWidget* form = main_->forms().CreateForm(zentrova::ToQString(window.window().name));
            for (std::size_t i = 0; i < window.window().fields.size(); ++i)
                Field(form, std::string(window.window().fields[i].control).c_str())
                    ->setText(zentrova::ToQString(window.At(static_cast<int>(i))));
        }
        chosen_ = {Path(QStringLiteral("awkward.zpfc"))};
        QVERIFY(main_->design().SaveAs());
        main_.reset();
        MakeMainWindow();
        QVERIFY(main_->design().OpenPath(Path(QStringLiteral("awkward.zpfc"))));
        for (const zentrova::FieldTexts& window : texts) {
            QWidget* form = main_->forms().Find(zentrova::ToQString(window.window().name));
            QVERIFY(form);
            QVERIFY(!form->isVisible());
            for (std::size_t i = 0; i < window.window().fields.size(); ++i) {
                const std::string control(window.window().fields[i].control);
                QVERIFY2(zentrova::ToUtf8(Field(form, control.c_str())->text()) == window.At(static_cast<int>(i)),
                         control.c_str());
            }
        }
    }

    void aBadFileChangesNoWindow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("PFC design") << QStringLiteral("不是 JSON 文件（第 1 字节有错）。");
        QTest::newRow("version 2") << QByteArray(R"({"format": "zentrova-design", "version": 2, "windows": {}})")
                                   << QStringLiteral("文件是更新的版本 2 写的，这个版本只能打开版本 1 的设计。");
        QTest::newRow("number text")
            << QByteArray(R"({"format": "zentrova-design", "version": 1, "windows": {"dybch": {"Text1": "1"}, "gl": {"Text1": 300}}})")
            << QStringLiteral("“gl.Text1”的值不是文本。");
        QTest::newRow("directory") << QByteArray() << QStringLiteral("这是一个文件夹，不是设计文件。");
    }

    void aBadFileChangesNoWindow()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QWidget* gl = Open("Command1", "gl");
        Field(gl, "Text1")->setText(QStringLiteral("123"));
        const QString file = Path(QStringLiteral("bad-%1").arg(QString::fromUtf8(QTest::currentDataTag())));
        if (bytes.isEmpty())
            QVERIFY(QDir().mkpath(file));
        else
            WriteFile(file, bytes);
        watchdog_->Expect();
        QVERIFY(!main_->design().OpenPath(file));
        QCOMPARE(watchdog_->seen(), QStringList{QStringLiteral("无法打开设计文件 “%1”：%2").arg(file, reason)});
        QCOMPARE(Field(gl, "Text1")->text(), QStringLiteral("123"));
        for (const zentrova::WindowDescription* window : zentrova::CalculationWindows()) {
            if (window->name != "gl")
                QVERIFY(!main_->forms().Find(zentrova::ToQString(window->name)));
        }
        QVERIFY(main_->design().path().isEmpty());
        QVERIFY(main_->design().recentDesigns().isEmpty());
    }

    void skippedNamesAreListed()
    {
        const QString file = Path(QStringLiteral("future.zpfc"));
        WriteFile(file, R"({"format": "zentrova-design", "version": 1, "windows": {"bode": {}, "gl": {"Text1": "9", "Text42": ""}}})");
        watchdog_->Expect();
        QVERIFY(main_->design().OpenPath(file));
        QCOMPARE(watchdog_->seen(),
                 QStringList{QStringLiteral("已打开设计 “%1”，跳过了这个版本没有的窗口或控件：\nbode\ngl.Text42").arg(file)});
        QCOMPARE(Field(main_->forms().Find(QStringLiteral("gl")), "Text1")->text(), QStringLiteral("9"));
    }

    void recentDesignsAreListedNewestFirstAndOpenFromTheMenu()
    {
        Open("Command1", "gl");
        chosen_ = {Path(QStringLiteral("a.zpfc")), Path(QStringLiteral("b & c.zpfc"))};
        QVERIFY(main_->design().SaveAs());
        QVERIFY(main_->design().SaveAs());
        QCOMPARE(main_->design().recentDesigns(),
                 (QStringList{Path(QStringLiteral("b & c.zpfc")), Path(QStringLiteral("a.zpfc"))}));
        QCOMPARE(Action("RecentDesign1")->text(), QStringLiteral("1 %1").arg(Path(QStringLiteral("b && c.zpfc"))));
        QVERIFY(main_->actions().contains(Action("RecentDesign2")));

        // Kept for the next run of the program.
        main_.reset();
        MakeMainWindow();
        QCOMPARE(Action("RecentDesign2")->data().toString(), Path(QStringLiteral("a.zpfc")));
        Action("RecentDesign2")->trigger();
        QCOMPARE(main_->design().path(), Path(QStringLiteral("a.zpfc")));
        QCOMPARE(main_->design().recentDesigns().front(), Path(QStringLiteral("a.zpfc")));
        QCOMPARE(main_->design().recentDesigns().size(), 2);
    }

    void aFailedSaveSaysWhyAndKeepsEveryText_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << QStringLiteral("磁盘已满");
        QTest::newRow("no permission") << QStringLiteral("没有写入权限");
    }

    void aFailedSaveSaysWhyAndKeepsEveryText()
    {
        QFETCH(QString, reason);
        QWidget* gl = Open("Command1", "gl");
        const QString file = Path(QStringLiteral("failing.zpfc"));
        chosen_ = {file};
        QVERIFY(main_->design().SaveAs());
        const QByteArray before = ReadFile(file);
        main_->design().SetWriter([&](const QString&, const QByteArray&) { return std::optional<QString>(reason); });
        Field(gl, "Text1")->setText(QStringLiteral("777"));
        watchdog_->Expect();
        QVERIFY(!main_->design().Save());
        QCOMPARE(watchdog_->seen(), QStringList{QStringLiteral("无法保存设计 “%1”：%2。窗口里的文本都还在。").arg(file, reason)});
        QCOMPARE(Field(gl, "Text1")->text(), QStringLiteral("777"));
        QVERIFY(main_->design().IsModified());
        QCOMPARE(ReadFile(file), before);

        // A save that fails while closing keeps the program open.
        answers_ = {QMessageBox::Save};
        watchdog_->Expect();
        main_->close();
        QVERIFY(main_->isVisible());
    }

    // The real writer, failing in the middle of a write: the file-size limit
    // makes the kernel refuse the bytes as a full disk would.
    void aWriteThatFailsHalfwayLeavesTheOldFileWhole()
    {
        const QString file = Path(QStringLiteral("whole.zpfc"));
        const QByteArray old(4096, 'o');
        QVERIFY(!zentrova::WriteFileAtomically(file, old));
        QCOMPARE(ReadFile(file), old);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 8192;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const std::optional<QString> failure = zentrova::WriteFileAtomically(file, QByteArray(1 << 20, 'n'));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QVERIFY(failure.has_value());
        QCOMPARE(ReadFile(file), old);
        const QStringList left = QDir(dir_->path()).entryList({QStringLiteral("whole*")}, QDir::Files);
        QCOMPARE(left, QStringList{QStringLiteral("whole.zpfc")});  // no temporary file left behind

        // A target that cannot be a file: a directory, or one in a folder that does not exist.
        QVERIFY(QDir().mkpath(Path(QStringLiteral("folder.zpfc"))));
        QVERIFY(zentrova::WriteFileAtomically(Path(QStringLiteral("folder.zpfc")), old).has_value());
        QVERIFY(zentrova::WriteFileAtomically(Path(QStringLiteral("missing/d.zpfc")), old).has_value());
    }

    void theReportHasEveryWindowsCaptionAndResults()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdftotext.isEmpty() || pdfinfo.isEmpty())
            QSKIP("[poppler-utils] pdftotext/pdfinfo not installed: scripts/setup.sh installs them");
        QWidget* gl = Open("Command1", "gl");
        QTest::mouseClick(gl->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        chosen_ = {Path(QStringLiteral("board.zpfc")), Path(QStringLiteral("report"))};
        QVERIFY(main_->design().SaveAs());
        QVERIFY(main_->design().ExportReport());
        QCOMPARE(choices_.last(), FileChoice::ExportReport);

        const QString pdf = Path(QStringLiteral("report.pdf"));
        const QString info = Run(pdfinfo, {pdf});
        QVERIFY2(info.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")), qPrintable(info));
        const int pages = info.section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
        QVERIFY(pages >= 1);

        const QString text = Run(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("Zentrova 设计报告：board.zpfc")));
        for (const zentrova::WindowDescription* window : zentrova::CalculationWindows()) {
            const QString caption = zentrova::ToQString(window->caption).trimmed();
            QVERIFY2(text.contains(caption), qPrintable(caption));
        }
        // gl's peak inductor current, 250 W × 1.414 ÷ 80 V, and its working.
        QVERIFY(text.contains(QStringLiteral("4.41875")));
        QVERIFY(text.contains(QStringLiteral("= (250 × 1.414) ÷ 80")));
        // The current loop of the initial texts, as its Bode plot shows it:
        // crossing at 18.07 kHz with 39.8° of phase margin.
        QVERIFY(text.contains(QStringLiteral("穿越频率 fc：18.07 kHz")));
        QVERIFY(text.contains(QStringLiteral("相位裕量：39.8°")));

        const QString html = QString::fromUtf8(ReadFile(Path(QStringLiteral("report.html"))));
        QVERIFY(html.contains(QStringLiteral("nowrap\">4.41875</td>")));
        QVERIFY(html.contains(QStringLiteral("data:image/jpeg;base64,")));
    }
};

QTEST_MAIN(DesignGuiTest)
#include "DesignGuiTest.moc"
