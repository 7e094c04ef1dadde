#include "FieldReader.h"

#include "FieldTexts.h"
#include "ParseFieldValue.h"

namespace zentrova {

Number FieldReader::operator[](std::string_view control) const
{
    if (readLog_)
        readLog_->emplace_back(control);
    return Number::FromField(ParseFieldValue(texts_.Get(control)));
}

}  // namespace zentrova
