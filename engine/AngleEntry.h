#pragma once
// The angle lives in the entry fields of the main window; these are their texts.

#include <string>
#include <string_view>

namespace orvanel {

struct EntryFields {
    std::string radians; // with optional sign, at most 13 typed characters
    std::string toAdd;   // second value for adding and subtracting, at most 13
    std::string degrees; // magnitude only, at most 8
    std::string minutes; // at most 5
    std::string seconds; // at most 5
    std::string sign;    // caption of the sign label: "" positive, anything else negative
    bool operator==(const EntryFields&) const = default;
};

inline constexpr int kDegreesMaxLength = 8;
inline constexpr int kMinutesMaxLength = 5;
inline constexpr int kSecondsMaxLength = 5;
inline constexpr int kRadiansMaxLength = 13;

// The separator rule: a text holding "," is read, and its results written, with a decimal comma.
bool HasComma(std::string_view text);

// The leading number of a field's text, "," taken as the decimal point in comma mode.
double ReadFieldNumber(std::string_view text, bool commaMode);

// Reads a degrees, minutes or seconds field. Only digits and one decimal separator are
// accepted; the separator is "," when the text holds a comma (then `usedComma` is true), else
// ".". Unacceptable text sets `bad` and returns -1; acceptable text leaves `bad` untouched, so
// one flag can collect several fields. The empty text and a lone separator read as 0.
double ParseAngleField(std::string_view text, bool& bad, bool& usedComma);

// Empties the five entry fields and the sign.
void ClearInput(EntryFields& fields);

} // namespace orvanel
