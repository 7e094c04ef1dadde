#include "JsonText.h"

#include "Utf8Sequence.h"

namespace zentrova {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

}  // namespace

std::string JsonString(std::string_view text)
{
    std::string out;
    AppendJsonString(out, text);
    return out;
}

void AppendJsonString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text, i);
            if (length == 0) {
                out += kReplacementCharacter;
                ++i;
            } else {
                out.append(text, i, length);
                i += length;
            }
            continue;
        }
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                out += "\\u00";
                out.push_back(kHex[byte >> 4]);
                out.push_back(kHex[byte & 0xF]);
            } else {
                out.push_back(static_cast<char>(byte));
            }
        }
        ++i;
    }
    out.push_back('"');
}

}  // namespace zentrova
