#include "LineText.h"

#include "Utf8Sequence.h"

#include <cstddef>

namespace zentrova {
namespace {

constexpr std::size_t kQuotedCharacters = 60;
constexpr std::string_view kEllipsis = "…";

// One character of a text as LineText writes it.
struct LinePiece {
    std::string_view bytes;  // into the text, or into `escape`
    std::size_t characters;  // what a reader sees: 1, or the escape's length
    std::size_t consumed;    // bytes of the text it stands for
    char escape[4];
};

// Fills `piece` for the character at text[i].
void ReadLinePiece(std::string_view text, std::size_t i, LinePiece& piece)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
        if (const std::size_t length = Utf8SequenceLength(text, i)) {
            piece.bytes = text.substr(i, length);
            piece.characters = 1;
            piece.consumed = length;
            return;
        }
    }
    piece.consumed = 1;
    piece.escape[0] = '\\';
    const char named = byte == '\n' ? 'n' : byte == '\r' ? 'r' : byte == '\t' ? 't' : byte == '\\' ? '\\' : 0;
    if (named != 0) {
        piece.escape[1] = named;
        piece.bytes = std::string_view(piece.escape, 2);
    } else if (byte < 0x20 || byte >= 0x7F) {
        piece.escape[1] = 'x';
        piece.escape[2] = kHex[byte >> 4];
        piece.escape[3] = kHex[byte & 0xF];
        piece.bytes = std::string_view(piece.escape, 4);
    } else {
        piece.bytes = text.substr(i, 1);
    }
    piece.characters = piece.bytes.size();
}

}  // namespace

std::string LineText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    LinePiece piece{};
    for (std::size_t i = 0; i < text.size(); i += piece.consumed) {
        ReadLinePiece(text, i, piece);
        out += piece.bytes;
    }
    return out;
}

std::string QuotedArgument(std::string_view argument)
{
    std::string shown;
    std::size_t characters = 0;
    // Bytes of `shown` that leave room for the ellipsis if it has to follow.
    std::size_t beforeEllipsis = 0;
    LinePiece piece{};
    for (std::size_t i = 0; i < argument.size(); i += piece.consumed) {
        ReadLinePiece(argument, i, piece);
        characters += piece.characters;
        if (characters > kQuotedCharacters) {
            shown.resize(beforeEllipsis);
            shown += kEllipsis;
            break;
        }
        shown += piece.bytes;
        if (characters < kQuotedCharacters)
            beforeEllipsis = shown.size();
    }
    return "'" + shown + "'";
}

}  // namespace zentrova
