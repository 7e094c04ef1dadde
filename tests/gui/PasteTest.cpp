#include "GuiFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// Texts pasted from web pages and spreadsheets or typed with a Chinese
// input method, that the power components window once misread, are read
// as meant: the results are those of the plain texts.
class PasteTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> gui_;

    template <typename Widget>
    static Widget* Child(QWidget* parent, const char* name)
    {
        auto* widget = parent->findChild<Widget*>(QString::fromUtf8(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    // Replaces the field's text through the clipboard and Ctrl+V.
    static void Paste(QLineEdit* field, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

private Q_SLOTS:
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

    void pastedTextsComputeAsTheirPlainForms_data()
    {
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("lineVoltage");
        // 0.1 x 10^3 W, which read as 0.1 before.
        QTest::newRow("fullwidth_exponent") << QStringLiteral("０．１ｅ３") << QStringLiteral("265");
        // A spreadsheet cell's leading no-break space, which read as 0 V before.
        QTest::newRow("leading_no_break_space") << QStringLiteral("100") << QStringLiteral("\u00A0265");
        // A byte-order mark and a thin space from a web page, which read as 0 W before.
        QTest::newRow("byte_order_mark_and_thin_space") << QStringLiteral("\uFEFF1\u200900") << QStringLiteral("265");
    }

    void pastedTextsComputeAsTheirPlainForms()
    {
        QFETCH(QString, power);
        QFETCH(QString, lineVoltage);
        QTest::mouseClick(Child<QPushButton>(&gui_->main(), "Command1"), Qt::LeftButton);
        QWidget* gl = gui_->main().forms().Find(QStringLiteral("gl"));
        QVERIFY(gl);
        QVERIFY(QTest::qWaitForWindowExposed(gl));

        Paste(Child<QLineEdit>(gl, "Text1"), power);
        Paste(Child<QLineEdit>(gl, "Text11"), lineVoltage);
        QCOMPARE(Child<QLineEdit>(gl, "Text1")->text(), power);
        QCOMPARE(Child<QLineEdit>(gl, "Text11")->text(), lineVoltage);
        QTest::mouseClick(Child<QPushButton>(gl, "Command8"), Qt::LeftButton);

        // The README's worked example: 100 W at 265 V, the other inputs as
        // they start.
        QCOMPARE(Child<QLineEdit>(gl, "Text6")->text(), QStringLiteral("1.7675"));
        QCOMPARE(Child<QLineEdit>(gl, "Text7")->text(), QStringLiteral("0.3535"));
        QCOMPARE(Child<QLineEdit>(gl, "Text8")->text(), QStringLiteral("0.577358490566038"));
        QCOMPARE(Child<QLineEdit>(gl, "Text9")->text(), QStringLiteral("457.313655893892"));
        QCOMPARE(Child<QLineEdit>(gl, "Text10")->text(), QStringLiteral("170"));
    }
};

QTEST_MAIN(PasteTest)
#include "PasteTest.moc"
