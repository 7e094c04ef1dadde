#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zentrova {

struct WindowDescription;

// One case of a batch read from a JSON line.
struct JsonCase {
    const WindowDescription* window = nullptr;
    std::vector<std::pair<int, std::string>> texts;  // field index and text, to assign in this order
};

// Reads {"window": NAME, "fields": {CONTROL: TEXT, ...}}. "window" may be
// left out when the batch has one (`batchWindow`), and must name that one
// when given; "fields" may be left out. Bytes of a text that are not UTF-8
// come as U+FFFD. False with `error` set when the line is not such an object.
bool ReadJsonCase(std::string_view line, const WindowDescription* batchWindow, JsonCase& result, std::string& error);

}  // namespace zentrova
