#pragma once

#include <string_view>

namespace zentrova {

// The number a field's text stands for. Never rejects a text: blanks are
// dropped wherever they stand (space, tab, line feed, and the no-break,
// en to hair, narrow, zero-width, ideographic spaces and the byte-order
// mark), the full-width forms U+FF01..U+FF5E read as the ASCII they stand
// for and "。" as the decimal point; then the longest numeric prefix is read
// and no digits give 0. Carriage return, vertical tab and form feed end the
// number like any other character outside it. A decimal number beyond the
// double range, or a radix form above &HFFFFFFFF, gives an infinity, which
// the step that reads it reports as an overflow.
double ParseFieldValue(std::string_view text);

}  // namespace zentrova
