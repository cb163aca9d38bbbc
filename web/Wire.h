#pragma once
// What the page's engine and its file converter share on the wire to the page: the exports'
// names, entries, frames "LENGTH:BYTES" (LENGTH the bytes' count in decimal, so no byte can split
// or bend a frame), and JSON strings.

#include "StrProc.h"

#include <algorithm>
#include <charconv>
#include <map>
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

// Entries "KEY:LENGTH:BYTES", one after another: the window's requests and answers.

// UTF-8, with the surrogates U+D800 to U+DFFF allowed as three bytes each.
inline bool IsWtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        if (const int length = Utf8Sequence(bytes + i, text.size() - i, cp); length > 0) {
            i += static_cast<std::size_t>(length);
        } else if (i + 2 < text.size() && bytes[i] == 0xED && (bytes[i + 1] & 0xE0) == 0xA0 &&
                   (bytes[i + 2] & 0xC0) == 0x80) {
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

using Entries = std::map<std::string_view, std::string_view, std::less<>>;

// The entries of `bytes` (views into it), or why they are not entries.
inline std::string Decode(std::string_view bytes, Entries& entries) {
    while (!bytes.empty()) {
        const auto colon = bytes.find(':');
        if (colon == 0 || colon == std::string_view::npos) {
            return "an entry without a key";
        }
        const std::string_view key = bytes.substr(0, colon);
        if (!std::all_of(key.begin(), key.end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            })) {
            return "a key that is not a name"; // nor is it echoed: it may be any bytes
        }
        const std::string name(key);
        bytes.remove_prefix(colon + 1);
        std::string_view value;
        switch (TakeFrame(bytes, value)) {
        case FrameProblem::BadLength:
            return "a bad length for " + name;
        case FrameProblem::PastEnd:
            return name + " runs past the end";
        case FrameProblem::None:
            break;
        }
        if (!IsWtf8(value)) {
            return name + " is not UTF-8";
        }
        if (!entries.emplace(key, value).second) {
            return name + " is given twice";
        }
    }
    return {};
}

inline void Append(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += ':';
    AppendFrame(out, value);
}

} // namespace orvanel::wire
