#pragma once

#include "Number.h"

#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

class FieldTexts;

// What a step's formula sees of its window: field["Text1"] is the value of
// that field's current text, so a step that follows another reads the
// result as displayed, rounded to its 15 digits.
class FieldReader {
public:
    explicit FieldReader(const FieldTexts& texts, std::vector<std::string>* readLog = nullptr)
        : texts_(texts), readLog_(readLog)
    {
    }

    Number operator[](std::string_view control) const;

private:
    const FieldTexts& texts_;
    std::vector<std::string>* readLog_;  // lets tests check what each step reads
};

}  // namespace zentrova
