#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

struct WindowDescription;

// The texts of one window's fields, in the order of its field list: the
// only state a calculation window has.
class FieldTexts {
public:
    // The texts a window holds when it is first created.
    static FieldTexts Initial(const WindowDescription& window);

    const WindowDescription& window() const { return *window_; }

    // Both throw std::out_of_range for a control the window does not have.
    const std::string& Get(std::string_view control) const;
    void Set(std::string_view control, std::string text);

    const std::string& At(int index) const { return texts_[static_cast<std::size_t>(index)]; }
    void SetAt(int index, std::string text) { texts_[static_cast<std::size_t>(index)] = std::move(text); }

private:
    explicit FieldTexts(const WindowDescription& window);
    int IndexOf(std::string_view control) const;

    const WindowDescription* window_;
    std::vector<std::string> texts_;
};

}  // namespace zentrova
