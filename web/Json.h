#pragma once
// JSON as the page and its engine exchange it. Texts are WTF-8: UTF-8 in which a lone surrogate
// (a paste can leave one in a field) is written as any other code point, so that every text
// comes back as it went. The writer escapes such a surrogate as \uD800, which is what the
// page's JSON.stringify writes, and the reader reads it back into its three bytes. (A reader
// for strict UTF-8 would refuse it, which is why the engine has its own.)

#include "StrProc.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvanel::json {

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

struct Member;

struct Value {
    enum class Kind { Null, Boolean, Number, Text, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::int64_t number = 0; // the protocol's numbers are whole
    std::string text;
    std::vector<Value> items;
    std::vector<Member> members;
};

struct Member {
    std::string key;
    Value value;
};

// Reads one JSON document; why it is not one, or nothing.
class Reader {
  public:
    static std::string Read(std::string_view text, Value& value) {
        if (!IsWtf8(text)) {
            return "the request is not UTF-8";
        }
        Reader reader(text);
        if (std::string wrong = reader.value(value, 0); !wrong.empty()) {
            return wrong;
        }
        reader.blanks();
        return reader.m_at == text.size() ? std::string() : "more after the request's end";
    }

  private:
    static constexpr int kDeepest = 16;

    explicit Reader(std::string_view text) : m_text(text) {}

    void blanks() {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r')) {
            ++m_at;
        }
    }

    bool take(char c) {
        blanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool word(std::string_view w) {
        if (m_text.substr(m_at, w.size()) != w) {
            return false;
        }
        m_at += w.size();
        return true;
    }

    std::string value(Value& v, int depth) {
        if (depth > kDeepest) {
            return "the request is nested too deeply";
        }
        blanks();
        if (m_at == m_text.size()) {
            return "the request ends too soon";
        }
        const char c = m_text[m_at];
        if (c == '{') {
            return object(v, depth);
        }
        if (c == '[') {
            return array(v, depth);
        }
        if (c == '"') {
            v.kind = Value::Kind::Text;
            return text(v.text);
        }
        if (word("true") || word("false")) {
            v.kind = Value::Kind::Boolean;
            v.boolean = c == 't';
            return {};
        }
        if (word("null")) {
            v.kind = Value::Kind::Null;
            return {};
        }
        return number(v);
    }

    std::string number(Value& v) {
        const char* start = m_text.data() + m_at;
        const char* end = m_text.data() + m_text.size();
        const auto read = std::from_chars(start, end, v.number);
        if (read.ec != std::errc() ||
            (read.ptr < end && (*read.ptr == '.' || *read.ptr == 'e' || *read.ptr == 'E'))) {
            return "a value that is neither JSON nor a whole number";
        }
        m_at += static_cast<std::size_t>(read.ptr - start);
        v.kind = Value::Kind::Number;
        return {};
    }

    std::string array(Value& v, int depth) {
        v.kind = Value::Kind::Array;
        ++m_at;
        if (take(']')) {
            return {};
        }
        do {
            if (std::string wrong = value(v.items.emplace_back(), depth + 1); !wrong.empty()) {
                return wrong;
            }
        } while (take(','));
        return take(']') ? std::string() : "an array without its end";
    }

    std::string object(Value& v, int depth) {
        v.kind = Value::Kind::Object;
        ++m_at;
        if (take('}')) {
            return {};
        }
        do {
            auto& [key, member] = v.members.emplace_back();
            blanks();
            if (m_at == m_text.size() || m_text[m_at] != '"') {
                return "an object's key is not a text";
            }
            if (std::string wrong = text(key); !wrong.empty()) {
                return wrong;
            }
            if (!take(':')) {
                return "a key without its value";
            }
            if (std::string wrong = value(member, depth + 1); !wrong.empty()) {
                return wrong;
            }
        } while (take(','));
        return take('}') ? std::string() : "an object without its end";
    }

    std::string text(std::string& out) {
        ++m_at;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') {
                return {};
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return "a control character in a text";
            }
            if (c != '\\') {
                out += c;
            } else if (std::string wrong = escape(out); !wrong.empty()) {
                return wrong;
            }
        }
        return "a text without its end";
    }

    bool hex4(char32_t& unit) {
        if (m_at + 4 > m_text.size()) {
            return false;
        }
        unsigned value = 0;
        const auto read =
            std::from_chars(m_text.data() + m_at, m_text.data() + m_at + 4, value, 16);
        if (read.ec != std::errc() || read.ptr != m_text.data() + m_at + 4) {
            return false;
        }
        m_at += 4;
        unit = value;
        return true;
    }

    std::string escape(std::string& out) {
        if (m_at == m_text.size()) {
            return "a text without its end";
        }
        const char c = m_text[m_at++];
        constexpr std::string_view kPlain = "\"\\/bfnrt";
        constexpr std::string_view kMeant = "\"\\/\b\f\n\r\t";
        if (const auto plain = kPlain.find(c); plain != std::string_view::npos) {
            out += kMeant[plain];
            return {};
        }
        char32_t unit = 0;
        if (c != 'u' || !hex4(unit)) {
            return "a bad escape in a text";
        }
        // A high surrogate followed by a low one is one code point; any other stays itself.
        if (unit >= 0xD800 && unit < 0xDC00 && m_text.substr(m_at, 2) == "\\u") {
            const std::size_t at = m_at;
            m_at += 2;
            char32_t low = 0;
            if (hex4(low) && low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                return {};
            }
            m_at = at;
        }
        AppendUtf8(out, unit);
        return {};
    }

    static void AppendUtf8(std::string& out, char32_t cp) {
        const auto put = [&out](unsigned v) { out += static_cast<char>(v); };
        if (cp < 0x80) {
            put(cp);
        } else if (cp < 0x800) {
            put(0xC0 | (cp >> 6));
            put(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            put(0xE0 | (cp >> 12));
            put(0x80 | ((cp >> 6) & 0x3F));
            put(0x80 | (cp & 0x3F));
        } else {
            put(0xF0 | (cp >> 18));
            put(0x80 | ((cp >> 12) & 0x3F));
            put(0x80 | ((cp >> 6) & 0x3F));
            put(0x80 | (cp & 0x3F));
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

// Writes one JSON document, a comma before each value or key but the first of its object or
// array.
class Writer {
  public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    void key(std::string_view name) {
        comma();
        text(name);
        m_out += ':';
        m_afterKey = true;
    }

    void string(std::string_view value) {
        comma();
        text(value);
        m_needComma = true;
    }
    void boolean(bool value) { raw(value ? "true" : "false"); }
    void number(std::int64_t value) { raw(std::to_string(value)); }
    void null() { raw("null"); }

    std::string take() { return std::move(m_out); }

  private:
    void comma() {
        if (m_needComma && !m_afterKey) {
            m_out += ',';
        }
        m_afterKey = false;
    }
    void open(char c) {
        comma();
        m_out += c;
        m_needComma = false;
    }
    void close(char c) {
        m_out += c;
        m_needComma = true;
    }
    void raw(std::string_view value) {
        comma();
        m_out += value;
        m_needComma = true;
    }

    // Quotes and backslashes escaped, control characters and lone surrogates as \uXXXX, any
    // other character as it is. A byte that is no part of a character (a file's text need not
    // be UTF-8) is written as U+FFFD, as the page's decoder would show it.
    void text(std::string_view value) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(value.data());
        m_out += '"';
        for (std::size_t i = 0; i < value.size();) {
            const unsigned char c = bytes[i];
            char32_t cp = 0;
            if (c == '"' || c == '\\') {
                m_out += '\\';
                m_out += static_cast<char>(c);
                ++i;
            } else if (c < 0x20) {
                escaped(c);
                ++i;
            } else if (const int length = Utf8Sequence(bytes + i, value.size() - i, cp);
                       length > 0) {
                m_out.append(value.substr(i, static_cast<std::size_t>(length)));
                i += static_cast<std::size_t>(length);
            } else if (c == 0xED && i + 2 < value.size() && (bytes[i + 1] & 0xE0) == 0xA0 &&
                       (bytes[i + 2] & 0xC0) == 0x80) {
                escaped(0xD000 | ((bytes[i + 1] & 0x3Fu) << 6) | (bytes[i + 2] & 0x3Fu));
                i += 3;
            } else {
                m_out += "\uFFFD";
                ++i;
            }
        }
        m_out += '"';
    }

    void escaped(unsigned unit) {
        constexpr char kHex[] = "0123456789abcdef";
        m_out += "\\u";
        for (const int shift : {12, 8, 4, 0}) {
            m_out += kHex[(unit >> shift) & 0xF];
        }
    }

    std::string m_out;
    bool m_needComma = false;
    bool m_afterKey = false;
};

} // namespace orvanel::json
