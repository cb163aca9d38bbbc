#include "StrProc.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace orvanel {
namespace {

// Each well-formed sequence is decoded; any other byte becomes U+FFFD, so any byte string
// round-trips into something printable instead of failing.
std::u32string Decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const int length = Utf8Sequence(bytes + i, text.size() - i, cp);
        out.push_back(length > 0 ? cp : U'\uFFFD');
        i += static_cast<std::size_t>(std::max(length, 1));
    }
    return out;
}

std::string Encode(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

// The thirty accented capitals of the single-byte code page, paired by position with their
// small letters (the same pairs Unicode lower-casing gives).
constexpr std::u32string_view kCapitals = U"ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ";
constexpr std::u32string_view kSmalls = U"šÿàáâãäåçèéêëìíîïðñòóôõöøùúûüý";
static_assert(kCapitals.size() == 30 && kSmalls.size() == 30);

char32_t FoldChar(char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        return c + (U'a' - U'A');
    }
    if (const auto at = kCapitals.find(c); at != std::u32string_view::npos) {
        return kSmalls[at];
    }
    return c;
}

std::u32string Fold(std::u32string_view text) {
    std::u32string out(text);
    std::transform(out.begin(), out.end(), out.begin(), FoldChar);
    return out;
}

} // namespace

int Utf8Sequence(const unsigned char* p, std::size_t available, char32_t& cp) {
    const unsigned char b0 = p[0];
    int length = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, cp = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, cp = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (available < static_cast<std::size_t>(length)) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return cp < min || cp > 0x10FFFF || surrogate ? 0 : length;
}

std::int32_t CountOccurrences(std::string_view text, std::string_view pattern) {
    if (text.empty() || pattern.empty()) {
        return 0;
    }
    std::int32_t count = 0;
    for (auto at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, at + pattern.size())) {
        ++count;
    }
    return count;
}

std::string IntToStr(std::int32_t n) {
    return std::to_string(n); // the library sizes the text first and writes it in place
}

std::string ReplaceNoCase(std::string_view text, std::string_view find,
                          std::string_view replacement) {
    if (find.empty()) {
        return std::string(text);
    }
    // Folding maps one character to one character, so the folded copy stays aligned with the
    // text through every replacement. The search resumes after the inserted text: resuming
    // inside it would loop forever whenever the replacement contains what is searched for.
    std::u32string current = Decode(text);
    std::u32string folded = Fold(current);
    const std::u32string foldedFind = Fold(Decode(find));
    const std::u32string replace = Decode(replacement);
    const std::u32string foldedReplace = Fold(replace);
    for (std::size_t at = folded.find(foldedFind); at != std::u32string::npos;
         at = folded.find(foldedFind, at + replace.size())) {
        current.replace(at, foldedFind.size(), replace);
        folded.replace(at, foldedFind.size(), foldedReplace);
    }
    return Encode(current);
}

std::string FoldToLower(std::string_view text) {
    return Encode(Fold(Decode(text)));
}

std::string_view Trimmed(std::string_view text, std::string_view blanks) {
    // A plain scan: find_first_not_of searches `blanks` once for every character.
    const auto isBlank = [blanks](char c) {
        return std::find(blanks.begin(), blanks.end(), c) != blanks.end();
    };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace orvanel
