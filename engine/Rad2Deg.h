#pragma once
// Degrees from radians, split into whole degrees, minutes and seconds, and the degree texts of a
// result line. Every function here is pure.

#include <string>
#include <string_view>

namespace orvanel {

// r / TwoPi * 360, the division first, as every conversion in the calculator does it.
double DegreesOf(double radians);

struct Dms {
    int d = 0, m = 0, s = 0;
};

// Whole degrees, minutes and seconds of a non-negative degree value; the last unit kept is
// rounded (halves to even) and carried: 60 seconds make a minute, 60 minutes a degree. With
// `toMinutes` the minutes are the last unit and the seconds 0. `offset` is added to the value
// before its whole degrees are taken (the minutes are still measured from the value itself).
Dms SplitDegrees(double deg, bool toMinutes, double offset = 0);

struct DegreesAndMinutes {
    int d = 0;
    double minutes = 0;
};

// Whole degrees and decimal minutes of a non-negative degree value, as shown with `decimals`
// decimals: never below zero and never 60 once rounded.
DegreesAndMinutes SplitDecimalMinutes(double deg, int decimals);

// Whether a degree form shows a minus for `r`: a value within 0.000001 of zero does not.
bool ShowsMinus(double r);

// "d°m's\"" from the texts of its parts, `sign` in front; "d°m'" when `s` is empty.
std::string DegreeText(std::string_view sign, std::string_view d, std::string_view m,
                       std::string_view s = {});

// Whole degrees and whole minutes: "57°18'" for 1 radian. ShowsMinus decides the sign; a degree
// value a hair (0.00001°) below a whole number counts as that number; a value that would round up
// to 360°0' from 359° stops at 359°59'.
std::string Rad2DegMin(double r);

// Whole degrees, minutes and whole seconds: "57°17'45\"" for 1 radian. Keeps the sign of any
// negative value, so a tiny negative angle reads -0°0'0" (as it always has; the radians in
// front of it say how small it is); within half a second of a full turn it reads 360°0'0".
std::string Rad2DegMinSec(double r);

} // namespace orvanel
