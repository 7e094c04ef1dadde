#include "calc/FormatResult.h"
#include "calc/ParseFieldValue.h"
#include "support/CommaDecimalLocale.h"
#include "support/WindowRun.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zentrova {
namespace {

using test::CommaDecimalLocale;

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
