#include "Design.h"

#include "calc/WindowDescription.h"

namespace zentrova {

Design Design::FromTexts(const std::vector<FieldTexts>& windows)
{
    Design design;
    for (const FieldTexts& texts : windows) {
        DesignWindow window{&texts.window(), {}};
        for (std::size_t i = 0; i < texts.window().fields.size(); ++i)
            window.texts.push_back({texts.window().fields[i].control, texts.At(static_cast<int>(i))});
        design.windows.push_back(std::move(window));
    }
    return design;
}

const DesignWindow* Design::Find(std::string_view name) const
{
    for (const DesignWindow& window : windows) {
        if (window.window->name == name)
            return &window;
    }
    return nullptr;
}

FieldTexts Design::TextsOf(const WindowDescription& window) const
{
    FieldTexts texts = FieldTexts::Initial(window);
    if (const DesignWindow* named = Find(window.name)) {
        for (const DesignText& text : named->texts)
            texts.Set(text.control, text.text);
    }
    return texts;
}

bool operator==(const DesignText& a, const DesignText& b)
{
    return a.control == b.control && a.text == b.text;
}

}  // namespace zentrova
