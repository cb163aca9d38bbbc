#pragma once
// An input as a refusal quotes it back: short, and visible whatever bytes it holds.

#include <string>
#include <string_view>

namespace orvanel {

// `input` as a refusal message quotes it: at most kEchoCharacters characters (then "…"), with
// control characters, backslashes, byte-order marks and bytes that are not UTF-8 written as
// escapes (\e, \0, \t, \\, \xFF), so that no input reaches a terminal as anything but visible
// text.
inline constexpr std::size_t kEchoCharacters = 60;
std::string Echo(std::string_view input);

} // namespace orvanel
