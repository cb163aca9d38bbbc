#pragma once
// What the page's engine and its file converter share on the wire to the page: the exports'
// names, frames "LENGTH:BYTES" (LENGTH the bytes' count in decimal, so no byte can split or
// bend a frame), and JSON strings.

#include <charconv>
#include <string>
#include <string_view>

#ifdef __wasm__
#define ORVANEL_EXPORT(name) __attribute__((export_name(name)))
#else
#define ORVANEL_EXPORT(name)
#endif

namespace orvanel::wire {

inline void AppendFrame(std::string& out, std::string_view bytes) {
    out += std::to_string(bytes.size());
    out += ':';
    out += bytes;
}

enum class FrameProblem { None, BadLength, PastEnd };

// Takes the frame at the start of `bytes` into `value` (a view into `bytes`).
inline FrameProblem TakeFrame(std::string_view& bytes, std::string_view& value) {
    std::size_t length = 0;
    const char* end = bytes.data() + bytes.size();
    const auto read = std::from_chars(bytes.data(), end, length);
    if (read.ec != std::errc() || read.ptr == bytes.data() || read.ptr == end || *read.ptr != ':') {
        return FrameProblem::BadLength;
    }
    bytes.remove_prefix(static_cast<std::size_t>(read.ptr - bytes.data()) + 1);
    if (length > bytes.size()) {
        return FrameProblem::PastEnd;
    }
    value = bytes.substr(0, length);
    bytes.remove_prefix(length);
    return FrameProblem::None;
}

// A JSON string: quotes and backslashes escaped, control characters as \u00XX, any other
// byte as it is.
inline std::string JsonText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace orvanel::wire
