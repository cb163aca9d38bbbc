#pragma once
// Degree texts of a result line, from a signed angle in radians whose magnitude is at most one
// turn. Both are pure functions.

#include <string>

namespace orvanel {

// Whole degrees and whole minutes: "57°18'" for 1 radian. Values within 0.000001 of zero lose
// their sign; a degree value a hair (0.00001°) below a whole number counts as that number; a
// value that would round up to 360°0' from 359° stops at 359°59'.
std::string Rad2DegMin(double r);

// Whole degrees, minutes and whole seconds: "57°17'45\"" for 1 radian. Keeps the sign of any
// negative value; within half a second of a full turn it reads 360°0'0".
std::string Rad2DegMinSec(double r);

} // namespace orvanel
