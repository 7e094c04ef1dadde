#include "WindowDescription.h"

namespace zentrova {

const FieldDescription* WindowDescription::FindField(std::string_view control) const
{
    const int index = FieldIndex(control);
    return index < 0 ? nullptr : &fields[static_cast<std::size_t>(index)];
}

int WindowDescription::FieldIndex(std::string_view control) const
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].control == control)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace zentrova
