#pragma once

#include <cstddef>
#include <string_view>

namespace zentrova {

// Length of the well-formed UTF-8 sequence at text[i] (a byte >= 0x80), or
// 0 when the bytes there do not form one: overlong forms, UTF-16
// surrogates, code points above U+10FFFF and cut sequences are not.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

}  // namespace zentrova
