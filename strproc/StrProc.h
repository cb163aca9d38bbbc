#pragma once
// Small text procedures shared by the calculator and the publisher link.
// Texts are UTF-8; "characters" below are Unicode code points.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvanel {

// Length (1..4) of the well-formed UTF-8 sequence at `p`, with its code point in `cp`; 0 when
// the bytes there are not one (overlong forms, surrogates and cut sequences included).
int Utf8Sequence(const unsigned char* p, std::size_t available, char32_t& cp);

// Non-overlapping occurrences of `pattern` in `text`, matched exactly (letter case counts).
// 0 when either text is empty.
std::int32_t CountOccurrences(std::string_view text, std::string_view pattern);

// Decimal text of a whole number: no leading blank, "-" for a negative number.
std::string IntToStr(std::int32_t n);

// `text` with every occurrence of `find` replaced by `replacement`. Occurrences are found on
// both texts folded to lower case (ASCII letters and the Latin-1 capitals); the search resumes
// just after each inserted replacement.
// `find` must not be empty; an empty `find` returns the text unchanged.
std::string ReplaceNoCase(std::string_view text, std::string_view find,
                          std::string_view replacement);

// Lower-case folding used by ReplaceNoCase, exposed for the publisher link's extension text.
std::string FoldToLower(std::string_view text);

// `text` without the leading and trailing characters that `blanks` lists. The entry fields are
// trimmed of spaces only; tabs are kept.
std::string_view Trimmed(std::string_view text, std::string_view blanks);

// The blanks between the parts of a pasted angle, a command's operands and a CSV cell's text:
// spaces and tabs.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where the first blank of `text` is, or npos. (A loop: find_first_of would search the set
// of blanks once for each character.)
constexpr std::size_t FindBlank(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsBlank(text[i])) {
            return i;
        }
    }
    return std::string_view::npos;
}

// `text` without the blanks (IsBlank) at either end.
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// What some editors put before the first line of a UTF-8 file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line end of text that leaves a window whole: the pane's copy, the viewer's text.
inline constexpr std::string_view kCrLf = "\r\n";

} // namespace orvanel
