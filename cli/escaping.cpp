// Input texts made safe to stand in a message line.
#include "cli/escaping.h"

namespace cli {
namespace {

constexpr std::size_t kLongestShown = 40;

// The length of the well-formed UTF-8 character at the start of `text`, 0 when there is none.
// Overlong forms, surrogates and the C1 controls (which some terminals obey) count as none.
std::size_t characterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned lead = byte(0);
    const auto follows = [&byte](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
    if (lead >= 0x20 && lead < 0x7F)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF && follows(1))
        return lead == 0xC2 && byte(1) < 0xA0 ? 0 : 2;
    if (lead >= 0xE0 && lead <= 0xEF && follows(1) && follows(2)) {
        if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0))
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4 && follows(1) && follows(2) && follows(3)) {
        if ((lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90))
            return 0;
        return 4;
    }
    return 0;
}

// The code point of a well-formed three-byte character.
unsigned codeOf(std::string_view character) {
    return (static_cast<unsigned char>(character[0]) & 0x0Fu) << 12 |
           (static_cast<unsigned char>(character[1]) & 0x3Fu) << 6 |
           (static_cast<unsigned char>(character[2]) & 0x3Fu);
}

// Characters that show nothing or reorder what a terminal shows around them: the byte order
// mark, the zero-width characters, the line separators and the bidirectional controls.
bool invisible(std::string_view character) {
    if (character.size() != 3)
        return false;
    const unsigned code = codeOf(character);
    return code == 0xFEFF || (code >= 0x200B && code <= 0x200F) ||
           (code >= 0x2028 && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

// As \u{202e}.
void escapeCharacter(std::string& text, std::string_view character) {
    constexpr char kHex[] = "0123456789abcdef";
    const unsigned code = codeOf(character);
    text += "\\u{";
    for (int shift = 12; shift >= 0; shift -= 4)
        text += kHex[(code >> shift) & 0xf];
    text += '}';
}

void escape(std::string& text, unsigned char c) {
    constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
    case '\n':
        text += "\\n";
        break;
    case '\r':
        text += "\\r";
        break;
    case '\t':
        text += "\\t";
        break;
    default:
        text += {'\\', 'x', kHex[c >> 4], kHex[c & 0xf]};
    }
}

std::string escapedInto(std::string text, std::string_view value, std::size_t longest,
                        bool quoted) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++characters) {
        if (characters == longest)
            return text + "...";
        const std::size_t length = characterLength(value.substr(i));
        if (value[i] == '\\' || (quoted && value[i] == '"')) {
            text += '\\';
            text += value[i++];
        } else if (length == 0) {
            escape(text, static_cast<unsigned char>(value[i++]));
        } else {
            if (invisible(value.substr(i, length)))
                escapeCharacter(text, value.substr(i, length));
            else
                text += value.substr(i, length);
            i += length;
        }
    }
    return text;
}

} // namespace

std::string escaped(std::string_view text, std::size_t longest) {
    return escapedInto({}, text, longest, false);
}

std::string shown(std::string_view value) {
    return escapedInto("\"", value, kLongestShown, true) + "\"";
}

} // namespace cli
