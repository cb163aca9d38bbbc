#include "Echo.h"

#include "StrProc.h"

#include <algorithm>

namespace orvanel {
namespace {

void AppendEscape(std::string& out, unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    switch (byte) {
    case 0x00:
        out += "\\0";
        return;
    case 0x09:
        out += "\\t";
        return;
    case 0x0A:
        out += "\\n";
        return;
    case 0x0D:
        out += "\\r";
        return;
    case 0x1B:
        out += "\\e";
        return;
    case '\\':
        out += "\\\\";
        return;
    default:
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
}

} // namespace

std::string Echo(std::string_view input) {
    std::string out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(input.data());
    std::size_t characters = 0;
    for (std::size_t i = 0; i < input.size(); ++characters) {
        if (characters == kEchoCharacters) {
            return out + "…";
        }
        char32_t cp = 0;
        const int length = Utf8Sequence(bytes + i, input.size() - i, cp);
        // Controls, the backslash, and a byte-order mark, which would show as nothing at all.
        const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == '\\' || cp == 0xFEFF;
        if (length == 0 || control) {
            // A C1 control is two bytes in UTF-8; each is shown, as a terminal never sees it.
            for (int k = 0; k < std::max(length, 1); ++k) {
                AppendEscape(out, bytes[i + static_cast<std::size_t>(k)]);
            }
        } else {
            out.append(input.substr(i, static_cast<std::size_t>(length)));
        }
        i += static_cast<std::size_t>(std::max(length, 1));
    }
    return out;
}

} // namespace orvanel
