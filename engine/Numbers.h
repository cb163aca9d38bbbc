#pragma once
// Number reading and writing for the calculator. Everything here is locale-free except
// FormatFixed, which takes the user's regional number settings as a plain value.

#include <string>
#include <string_view>

namespace orvanel {

// One full turn in radians, written with exactly these fifteen digits. It is four units in the
// last place above the double nearest to 2*pi; every conversion uses it and no other pi.
inline constexpr double TwoPi = 6.28318530717959;

// The parts of the user's regional number settings that fixed-point text depends on.
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    int groupSize = 3; // digits per group; 0 turns grouping off
    std::string negativeSign = "-";
    int defaultDecimals = 2; // used when a caller asks for -1 decimals
    bool leadingZero = true; // "0.5" rather than ".5"
};

// Reads the number at the start of `text`, the way every field of the calculator is read:
// blanks, tabs and line feeds anywhere are ignored; then an optional sign, digits with at most
// one "." and an optional exponent (E or D, either case, optional sign, digits). Reading stops
// at the first character that does not fit; no leading number gives 0. "&H" and "&O" start a
// hexadecimal or octal whole number. Only "." is a decimal point, whatever the locale.
// Kept on purpose: a field of letters reads 0 rather than failing, as the window always has;
// the field then shows the number read, so the user sees what was taken.
// A value beyond the range of a double comes back as +/-infinity, so range checks refuse it.
double ReadLeadingNumber(std::string_view text);

// Whether the whole of `text` is a number as a person writes one: an optional sign, digits with
// at most one decimal separator ("." or ","), then an optional exponent (e or E, an optional
// sign, digits). Nothing else, not even blanks. The fields read more leniently (their leading
// number); this is for input that nobody sees being read, such as a file of angles.
bool IsWrittenNumber(std::string_view text);

// The short text of a double: at most 15 significant digits, no trailing zeros, "." as point,
// no digit before the point below 1 (".5", "-.5"), exponent form below 0.0001 and from 1E+15
// up ("1E-06", "-2.5E-06", "1E+15"). Zero of either sign is "0".
std::string GeneralNumberText(double x);

// The number of decimals FormatFixed uses for a request of `decimals`.
int ResolveDecimals(int decimals, const NumberFormat& format);

// x as fixed-point text with `decimals` digits after the regional decimal separator, grouped
// and signed as the regional settings say. A negative `decimals` means the regional default.
// Rounding works on the exact binary value of x; a value that lies exactly halfway between two
// results goes to the even one, the same rule as every other rounding in the calculator.
// A value that rounds to zero is written without a minus sign: "-0.00" would tell the user
// nothing the "0.00" does not, and reads like a fault in a results line.
std::string FormatFixed(double x, int decimals, const NumberFormat& format);

// x rounded to `decimals` decimal places (0 for a negative count), halves to even, decided on
// the exact stored value: only a double that lies exactly halfway is a tie.
double RoundHalfEven(double x, int decimals);

// x rounded to a whole number, halves to even.
double RoundWhole(double x);

// "0" put in front of a text that starts with "."; any other text unchanged.
std::string AddLeadingZero(std::string text);

// The separator rule: in comma mode every "." becomes ",", otherwise every "," becomes ".".
std::string ApplySeparator(std::string text, bool commaMode);

} // namespace orvanel
