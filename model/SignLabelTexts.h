#pragma once
// The sign of the degrees-minutes-seconds angle as its label shows it and as a screen reader
// says it, in the window and in the page.

#include <string>
#include <string_view>

namespace orvanel {

// Seen: the caption, "" or "-", its "-" drawn as a true minus sign (U+2212) once the sign has
// been toggled with Change sign.
inline std::string SignSeen(std::string_view caption, bool symbolFace) {
    std::string seen;
    for (char c : caption) {
        seen += symbolFace && c == '-' ? std::string_view("\u2212") : std::string_view(&c, 1);
    }
    return seen;
}

// Heard: what tells a negative angle from a positive one.
constexpr std::string_view SignHeard(std::string_view caption) {
    return caption.empty() ? "Sign: none" : "Sign: minus";
}

} // namespace orvanel
