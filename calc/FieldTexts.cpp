#include "FieldTexts.h"

#include "WindowDescription.h"

#include <stdexcept>

namespace zentrova {

FieldTexts FieldTexts::Initial(const WindowDescription& window)
{
    FieldTexts texts;
    for (const FieldDescription& field : window.fields)
        texts.texts_.emplace(std::string(field.control), std::string(field.initialText));
    return texts;
}

bool FieldTexts::Has(std::string_view control) const
{
    return texts_.find(control) != texts_.end();
}

const std::string& FieldTexts::Get(std::string_view control) const
{
    const auto it = texts_.find(control);
    if (it == texts_.end())
        throw std::out_of_range("no field " + std::string(control));
    return it->second;
}

void FieldTexts::Set(std::string_view control, std::string text)
{
    const auto it = texts_.find(control);
    if (it == texts_.end())
        texts_.emplace(std::string(control), std::move(text));
    else
        it->second = std::move(text);
}

}  // namespace zentrova
