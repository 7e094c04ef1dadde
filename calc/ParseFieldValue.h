#pragma once

#include <string_view>

namespace zentrova {

// The number a field's text stands for. Never rejects a text: blanks are
// dropped, the longest numeric prefix is read and no digits give 0. A decimal
// number beyond the double range, or a radix form above &HFFFFFFFF, gives an
// infinity, which the step that reads it reports as an overflow.
double ParseFieldValue(std::string_view text);

}  // namespace zentrova
