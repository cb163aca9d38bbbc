#pragma once
// The calculator's commands. Each takes the entry fields as they stand, rewrites them in place
// and returns what the window must do next: show a message, move the focus, add to the pane.

#include "AngleEntry.h"
#include "Numbers.h"
#include "Outcome.h"

#include <string_view>

namespace orvanel {

// Button captions double as the titles of the messages their commands show.
inline constexpr std::string_view kDeg2RadCaption = "Degrees to radians";
inline constexpr std::string_view kRad2DegCaption = "Radians to degrees";

struct OutputOptions {
    bool outputInDecimal = false; // "Output in decimal"
    bool decimalDegrees = true;   // "degrees" selected (else "minutes")
    bool roundToMinutes = false;  // "Round to minutes"
    bool showPlusMinus = true;    // "Show +/- results"
};

// The precision list offers these numbers of significant figures, "7" chosen at start-up.
inline constexpr int kFewestFigures = 6;
inline constexpr int kMostFigures = 9;
inline constexpr int kStartFigures = 7;

// SigFigs for a list entry: the entry less one, which is the entry's index plus 5.
constexpr int SigFigsOf(int figures) {
    return figures - 1;
}

struct CalcSettings {
    int sigFigs = 0; // SigFigsOf the chosen list entry: 5..8; 0 before the first choice
    OutputOptions options;
    NumberFormat format;
};

// Decimals shown for each kind of value at a precision setting.
constexpr int RadiansDecimals(int sigFigs) {
    return sigFigs - 1;
}
constexpr int DecimalDegreesDecimals(int sigFigs) {
    return sigFigs - 2;
}
constexpr int DecimalMinutesDecimals(int sigFigs) {
    return sigFigs - 4;
}

// What "Degrees to radians" says of fields that hold anything but digits and one separator.
Message InvalidAngleMessage();

// Degrees, minutes and seconds (sign from the sign field) to radians.
Outcome ConvertDegreesToRadians(EntryFields& fields, const CalcSettings& settings);

// Radians to degrees, in the degree form the options choose.
Outcome ConvertRadiansToDegrees(EntryFields& fields, const CalcSettings& settings);

enum class PlusMinusIndex { Add = 0, Subtract = 1, Move = 2 };

// The adder row: add or subtract the second value modulo one turn, or move the first value
// into the second field.
Outcome PlusMinus(EntryFields& fields, PlusMinusIndex index, const CalcSettings& settings);

// x brought into [0, TwoPi): first up by whole turns while negative, then down while >= TwoPi.
double Mod2Pi(double x);

// Flips the sign of the degrees-minutes-seconds angle (clears it when all three fields are
// empty). `deg2RadFocusable` says whether "Degrees to radians" is visible and enabled.
Outcome ChangeSign(EntryFields& fields, bool deg2RadFocusable);

} // namespace orvanel
