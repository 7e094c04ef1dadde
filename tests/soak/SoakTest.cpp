#include "CalculationWindow.h"
#include "FaultBoxDismisser.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "QtText.h"
#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"
#include "support/ComputeRunCheck.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

using zentrova::CalculationWindow;
using zentrova::FieldTexts;
using zentrova::MainWindow;
using zentrova::WindowDescription;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

constexpr int kDefaultClicks = 10'000;
constexpr int kRounds = 10;
constexpr int kClicksBetweenHiding = 25;
constexpr long kResidentGrowthBound = 8L * 1024 * 1024;

// Resident set size from /proc/self/statm (its second field, in pages).
long ResidentBytes()
{
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return -1;
    char buffer[128];
    const std::size_t size = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);
    const char* end = buffer + size;
    const char* p = buffer;
    while (p < end && *p != ' ')
        ++p;
    long pages = -1;
    std::from_chars(p + 1, end, pages);
    return pages < 0 ? -1 : pages * sysconf(_SC_PAGESIZE);
}

// Where /proc is not mounted (a bare chroot), the bytes the allocator has
// handed out stand in for the resident set: a leak shows in both.
long MemoryInUse()
{
    const long resident = ResidentBytes();
#if defined(__GLIBC__)
    if (resident < 0) {
        const struct mallinfo2 heap = mallinfo2();
        return static_cast<long>(heap.uordblks + heap.hblkhd);
    }
#endif
    return resident;
}

// A small, fixed set of texts besides random numbers, so that font and
// layout caches fill up within the first round and any later growth is a
// leak.
const char* const kSpecialTexts[] = {
    "0",   "",    "-0",   "-5",    "1e308", "-1e308",      "1e-320", "1e400",  "1e-400", "&HFFFFFFFFF",
    "abc", "1,5", "inf",  "nan",   "&HFFFF", "1.79769313486232E+308", "1D2",  " 4 7 ", "１２．５", "--5",
};

class Texts {
public:
    Texts() : engine_(0x534F414Bu) {}

    QString Any()
    {
        if (Chance(0.7)) {
            const double value = std::pow(10.0, std::uniform_real_distribution<double>(-3.0, 4.0)(engine_));
            char buffer[40];
            const auto end =
                std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
            return QString::fromLatin1(buffer, end - buffer);
        }
        const auto pick = std::uniform_int_distribution<std::size_t>(0, std::size(kSpecialTexts) - 1)(engine_);
        return QString::fromUtf8(kSpecialTexts[pick]);
    }

    bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_); }

private:
    std::mt19937 engine_;
};

// The offscreen platform warns on every raise() and size-hint change; those
// lines would drown the soak's own report.
QtMessageHandler gQtTestHandler = nullptr;

void DropOffscreenPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    gQtTestHandler(type, context, message);
}

// A window of the program and the menu button that opens it.
// A window and how the engineer opens it: a menu button, or an entry of
// the main window's right-click menu.
struct Opened {
    QWidget* window = nullptr;
    std::function<void()> open;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private:
    std::vector<Opened> OpenEveryWindowFromTheMenu(MainWindow& main)
    {
        std::vector<std::function<void()>> openers;
        for (QPushButton* button : main.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
            openers.emplace_back([button] { QTest::mouseClick(button, Qt::LeftButton); });
        // The actions that open a window; the design actions ask for files.
        for (QAction* action : main.actions()) {
            if (action->objectName().startsWith(QStringLiteral("Open_")))
                openers.emplace_back([action] { action->trigger(); });
        }
        std::vector<Opened> opened;
        for (const std::function<void()>& open : openers) {
            main.forms().HideAll();
            open();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window != &main && window->isVisible())
                    opened.push_back({window, open});
            }
        }
        return opened;
    }

    static FieldTexts TextsOf(const CalculationWindow& window)
    {
        FieldTexts texts = FieldTexts::Initial(window.description());
        for (const zentrova::FieldDescription& field : window.description().fields)
            texts.Set(field.control, zentrova::ToUtf8(Field(window, field.control)->text()));
        return texts;
    }

    static QLineEdit* Field(const CalculationWindow& window, std::string_view control)
    {
        return window.findChild<QLineEdit*>(zentrova::ToQString(control));
    }

    static QPushButton* Button(const CalculationWindow& window, std::string_view control)
    {
        return window.findChild<QPushButton*>(zentrova::ToQString(control));
    }

private Q_SLOTS:
    void initTestCase()
    {
        gQtTestHandler = qInstallMessageHandler(DropOffscreenPlatformNoise);
        zentrova::InstallChineseFontSubstitutes();
    }

    void cleanupTestCase() { qInstallMessageHandler(gQtTestHandler); }

    // Thousands of compute clicks with random texts, faults among them, and
    // the windows put away and brought back in between: the program shows
    // exactly what the core computes, reports each fault once, and its
    // memory stays flat after the first round.
    void computeClicksOverEveryWindow()
    {
        FaultBoxDismisser dismisser;
        MainWindow main([](const QUrl&) {});
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        const std::vector<Opened> opened = OpenEveryWindowFromTheMenu(main);
        std::vector<std::pair<CalculationWindow*, std::function<void()>>> calculation;
        for (const Opened& o : opened) {
            if (auto* window = dynamic_cast<CalculationWindow*>(o.window))
                calculation.emplace_back(window, o.open);
        }
        for (const WindowDescription* description : zentrova::CalculationWindows())
            QVERIFY2(main.forms().Find(zentrova::ToQString(description->name)),
                     "a calculation window of the catalog opens from no menu button or menu entry");
        QCOMPARE(calculation.size(), zentrova::CalculationWindows().size());
        qInfo("%d windows open from the menu, %d of them calculation windows", int(opened.size()),
              int(calculation.size()));

        const int clicks = qEnvironmentVariableIsSet("ZENTROVA_SOAK_CLICKS")
                               ? qEnvironmentVariableIntValue("ZENTROVA_SOAK_CLICKS")
                               : kDefaultClicks;
        const int clicksPerRound = std::max(1, clicks / kRounds);
        Texts texts;
        int coreFaults = 0;
        long residentAfterFirstRound = 0;
        for (int click = 0; click < clicksPerRound * kRounds; ++click) {
            const auto& [window, open] = calculation[texts.Below(calculation.size())];
            const WindowDescription& description = window->description();
            if (!window->isVisible())
                open();
            QVERIFY(window->isVisible());

            for (const zentrova::FieldDescription& field : description.fields) {
                if (field.role == zentrova::FieldRole::Input || texts.Chance(0.1))
                    Field(*window, field.control)->setText(texts.Any());
            }
            const FieldTexts before = TextsOf(*window);
            FieldTexts expected = before;
            const std::optional<zentrova::ComputeFault> fault = zentrova::RunComputeAction(description, expected);
            coreFaults += fault ? 1 : 0;

            const int boxesBefore = dismisser.faultBoxes();
            QTest::mouseClick(Button(*window, description.computeButton), Qt::LeftButton);
            QCOMPARE(dismisser.faultBoxes() - boxesBefore, fault ? 1 : 0);
            const FieldTexts after = TextsOf(*window);
            const std::string problem = zentrova::fuzz::ComputeRunProblem(description, before, after, fault);
            QVERIFY2(problem.empty(), problem.c_str());
            for (const zentrova::FieldDescription& field : description.fields)
                QCOMPARE(zentrova::ToQString(after.Get(field.control)), zentrova::ToQString(expected.Get(field.control)));

            if (click % kClicksBetweenHiding == 0) {
                const Opened& other = opened[texts.Below(opened.size())];
                if (texts.Chance(0.5))
                    QTest::mouseClick(Button(*window, description.returnButton), Qt::LeftButton);
                else
                    window->close();
                QVERIFY(!window->isVisible());
                other.open();
                QVERIFY(other.window->isVisible());
                if (texts.Chance(0.5))
                    other.window->close();
            }
            QCoreApplication::processEvents();

            if (click + 1 == clicksPerRound)
                residentAfterFirstRound = MemoryInUse();
        }
        const long residentAtEnd = MemoryInUse();

        QCOMPARE(dismisser.otherDialogs(), 0);
        QCOMPARE(dismisser.faultBoxes(), coreFaults);
        QVERIFY2(coreFaults > clicks / 20, "too few faults to soak the fault report");
        qInfo("%d clicks, %d faults reported; memory in use %ld KiB after the first round, %ld KiB at the end",
              clicksPerRound * kRounds, coreFaults, residentAfterFirstRound / 1024, residentAtEnd / 1024);
        QVERIFY(residentAfterFirstRound > 0 && residentAtEnd > 0);
        // ASan's quarantine holds freed memory back, so there the leak checker
        // at exit takes the place of this bound.
        if (!kUnderAddressSanitizer)
            QVERIFY2(residentAtEnd - residentAfterFirstRound <= kResidentGrowthBound,
                     "memory in use grew by more than 8 MiB after the first round");
    }
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
