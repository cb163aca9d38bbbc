#pragma once
// Degrees, minutes and seconds to decimal degrees and back, exactly: the result is the exact
// value of the digits typed, rounded once, halves to even. Nothing passes through a binary
// double (or radians), so a surveyor's seconds survive the trip.

#include "AngleEntry.h"
#include "WholeAngle.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanel {

// The most decimals dms2deg and deg2dms write, either way: 10^-12 of a second of arc is far
// below any instrument.
inline constexpr int kMostExactDecimals = 12;

// Decimal degrees of an angle that ReadWholeAngle read within its limits, with `decimals`
// decimals and "," as the point when `comma`: "45.500000", "-33.865000". A result that rounds
// to zero has no minus. Nothing for an angle of more than a full turn in all (359.5° 59'),
// which deg2dms could not read back.
std::optional<std::string> DecimalDegreesText(const EntryFields& fields, int decimals, bool comma);

// A decimal-degree value as typed: a number as people write one, with a leading sign or a
// hemisphere (letter or word) before or after it and a degree mark after it: "36.952778",
// "-36,95", "36.95 S", "N 36.95", "36.95°".
struct DecimalDegrees {
    std::string_view number; // without sign, hemisphere or mark
    bool negative = false;
    AngleProblem problem = AngleProblem::None;
    explicit operator bool() const { return problem == AngleProblem::None; }
};

// Reads `text`; refused as "Not a number", for a sign or hemisphere as ReadWholeAngle refuses
// them, or as out of range beyond 360°.
DecimalDegrees ReadDecimalDegrees(std::string_view text);

enum class SexagesimalForm { Dms, Dm, DegMin };

// `value` in degrees, minutes and seconds: 36°57'10.00" (Dms, `decimals` for the seconds),
// 36°57' (Dm, whole minutes) or 36°57.1667' (DegMin, `decimals` for the minutes). The last
// unit is rounded on the exact value and carried, so no 60 is ever shown; a value that rounds
// up to a full turn is 360°0'0". A minus only where the result is not zero.
std::string SexagesimalText(const DecimalDegrees& value, SexagesimalForm form, int decimals);

} // namespace orvanel
