#include "WindowDescription.h"

namespace zentrova {

const FieldSpec* WindowDescription::FindField(std::string_view control) const
{
    for (const FieldSpec& field : fields) {
        if (field.control == control)
            return &field;
    }
    return nullptr;
}

}  // namespace zentrova
