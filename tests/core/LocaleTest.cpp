#include "calc/FormatResult.h"
#include "calc/ParseFieldValue.h"
#include "support/WindowRun.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zentrova {
namespace {

// A German locale, which writes numbers with a decimal comma. POSIX systems
// name it by language, territory and code set; the Windows C runtime by
// language and country, or by the locale name of newer Windows.
#ifdef _WIN32
constexpr const char* kCommaDecimalLocaleNames[] = {"German_Germany.1252", "de-DE"};
#else
constexpr const char* kCommaDecimalLocaleNames[] = {"de_DE.UTF-8"};
#endif

// Holds a comma-decimal C locale for the duration of a test.
class CommaDecimalLocale {
public:
    CommaDecimalLocale()
    {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current ? current : "C";
        for (const char* name : kCommaDecimalLocaleNames) {
            active_ = std::setlocale(LC_ALL, name) != nullptr;
            if (active_)
                break;
        }
    }
    ~CommaDecimalLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

TEST(Locale, CommaDecimalLocaleChangesNoDigit)
{
    const CommaDecimalLocale locale;
    ASSERT_TRUE(locale.active()) << "no German locale is installed (on Linux the test set-up generates de_DE.UTF-8)";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    EXPECT_EQ(ParseFieldValue("1.5e3"), 1500.0);
    EXPECT_EQ(ParseFieldValue("1,5"), 1.0);
    EXPECT_EQ(FormatResult(0.569230769230769), "0.569230769230769");
    EXPECT_EQ(FormatResult(1.0 / 30.0), "3.33333333333333E-02");

    const test::WindowRun run = test::RunWindow("gl", {});
    EXPECT_EQ(run.texts.Get("Text8"), "0.569230769230769");
    EXPECT_EQ(run.texts.Get("Text9"), "180.35034272658");
}

}  // namespace
}  // namespace zentrova
