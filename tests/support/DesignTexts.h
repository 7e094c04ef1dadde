#pragma once

#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"

#include <string>
#include <vector>

namespace zentrova::test {

inline const std::string kReplacement = "\xEF\xBF\xBD";

// Texts that a design must carry unchanged: empty, full-width digits and
// units, JSON's own escapes, controls, already-replaced bad UTF-8.
inline const std::vector<std::string> kAwkwardTexts = {
    "",
    "２５０",
    "１．５ｋΩ",
    "250",
    " 1e3 V ",
    "a\"b\\c/d",
    "line\nbreak\ttab\r",
    "\x01\x1f\x7f",
    "x" + kReplacement + "y" + kReplacement,
    "输出功率（W）",
    "😀",
};

// One megabyte of digits and full-width text, so that nothing cuts a long
// text short.
inline std::string MegabyteText()
{
    std::string text;
    while (text.size() < (std::size_t{1} << 20))
        text += "0123456789２５０";
    return text;
}

// Every field of every window holds one of the awkward texts, in turn; the
// first field of the first window holds the megabyte.
inline std::vector<FieldTexts> AwkwardDesignTexts()
{
    std::vector<FieldTexts> windows;
    std::size_t next = 0;
    for (const WindowDescription* window : CalculationWindows()) {
        FieldTexts texts = FieldTexts::Initial(*window);
        for (std::size_t i = 0; i < window->fields.size(); ++i)
            texts.SetAt(static_cast<int>(i), kAwkwardTexts[next++ % kAwkwardTexts.size()]);
        windows.push_back(std::move(texts));
    }
    windows.front().SetAt(0, MegabyteText());
    return windows;
}

}  // namespace zentrova::test
