#include "WindowDescription.h"

namespace zentrova {

const FieldDescription* WindowDescription::FindField(std::string_view control) const
{
    for (const FieldDescription& field : fields) {
        if (field.control == control)
            return &field;
    }
    return nullptr;
}

}  // namespace zentrova
