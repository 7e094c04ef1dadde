#pragma once

#include <clocale>
#include <string>

namespace zentrova::test {

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

}  // namespace zentrova::test
