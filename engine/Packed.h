#pragma once
// The packed notations of field instruments and receivers, read only when they are asked for
// (their digits read as a plain number too): HP-style D.MMSSsss, NMEA's DDMM.mmm and the
// compact DDMMSS.s. Each takes a sign or a hemisphere, and is read exactly into the unit of its
// last part.

#include "Units.h"
#include "WholeAngle.h"

#include <string_view>

namespace orvanel::units {

enum class Packing {
    Packed,  // 45.3015 is 45°30'15": after the point two digits of minutes, two of seconds,
             // then the seconds' decimals; fewer than four are padded with zeros on the right
    Nmea,    // 4530.2500 is 45°30.25': the last two whole digits are minutes, the one to three
             // before them degrees; the decimals belong to the minutes
    Compact, // 453015.5 is 45°30'15.5": the last four whole digits are minutes and seconds,
             // the one to three before them degrees; the decimals belong to the seconds
};

struct PackedAngle {
    Angle angle; // in arcseconds, or arcminutes for Nmea
    AngleProblem problem = AngleProblem::None;
    explicit operator bool() const { return problem == AngleProblem::None; }
};

// Reads `text` in `packing`; refused as "Not a packed angle" where its digits do not fit, with
// minutes or seconds of 60 or more out of range, and a sign or hemisphere as ReadWholeAngle
// refuses them. Nmea and Compact may leave out the point.
PackedAngle ReadPacked(std::string_view text, Packing packing);

} // namespace orvanel::units
