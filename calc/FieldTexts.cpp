#include "FieldTexts.h"

#include "WindowDescription.h"

#include <stdexcept>

namespace zentrova {

FieldTexts::FieldTexts(const WindowDescription& window) : window_(&window)
{
    texts_.reserve(window.fields.size());
    for (const FieldDescription& field : window.fields)
        texts_.emplace_back(field.initialText);
}

FieldTexts FieldTexts::Initial(const WindowDescription& window)
{
    return FieldTexts(window);
}

int FieldTexts::IndexOf(std::string_view control) const
{
    const int index = window_->FieldIndex(control);
    if (index < 0)
        throw std::out_of_range("window " + std::string(window_->name) + " has no field " + std::string(control));
    return index;
}

const std::string& FieldTexts::Get(std::string_view control) const
{
    return At(IndexOf(control));
}

void FieldTexts::Set(std::string_view control, std::string text)
{
    SetAt(IndexOf(control), std::move(text));
}

}  // namespace zentrova
