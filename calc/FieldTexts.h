#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zentrova {

struct WindowDescription;

// The texts of one window's fields, by control name: the only state a
// calculation window has.
class FieldTexts {
public:
    FieldTexts() = default;

    // The texts a window holds when it is first created.
    static FieldTexts Initial(const WindowDescription& window);

    bool Has(std::string_view control) const;
    // Throws std::out_of_range for a control the window does not have.
    const std::string& Get(std::string_view control) const;
    void Set(std::string_view control, std::string text);

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace zentrova
