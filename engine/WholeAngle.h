#pragma once
// A whole angle in one text, as people paste it: "45 30 15", "45:30:15", "45°30'15\"",
// "45°30′15″", "45º30'15\"", "45d30m15s", "45.5", "-45 30", "S 45 30", "45°30'W". Reading it
// splits it into the texts of the degrees, minutes and seconds fields and the sign, and checks
// each field as the fields' own rules do; a text that is no angle is refused with its reason.

#include "AngleEntry.h"

#include <string_view>

namespace orvanel {

// Why a text is not an angle: the first problem found, reading it from left to right.
enum class AngleProblem {
    None,
    TwoHemispheres,    // "N 45 S"
    SignAndHemisphere, // "-N 45", "+45S"
    EmptyField,        // "45::5", "45°'", "N"
    NotANumber,        // "abc", "1.2.3": a field or mark that is neither
    TooManyFields,     // "1 2 3 4", "30'45°": no part left for it
    DegreesOutOfRange,
    MinutesOutOfRange,
    SecondsOutOfRange,
    NotAPackedAngle, // "45.3x" read as D.MMSS, "12.5" as DDMM.mmm
};

// The reason as the command line says it: "Two hemispheres", "Minutes out of range"...
std::string_view ProblemText(AngleProblem problem);

// How far minutes and seconds may go. The window's fields take at most 59 of each; an angle
// written in sexagesimal takes anything below 60 (59.5"). Degrees go to 360 in both, and 360
// only as a whole turn.
enum class AngleLimits { EntryFields, BelowSixty };

struct WholeAngle {
    EntryFields fields; // degrees, minutes, seconds (empty when not given) and the sign
    AngleProblem problem = AngleProblem::None;
    explicit operator bool() const { return problem == AngleProblem::None; }
};

// A sign and a hemisphere around an angle, taken off its text.
struct Direction {
    bool negative = false;
    AngleProblem atStart = AngleProblem::None; // found before the angle itself: "-N 45"
    AngleProblem atEnd = AngleProblem::None;   // found after it: "+45S", "N 45 S"
};

// Takes a leading sign and a hemisphere at either end off `text` (blanks around them too),
// leaving the angle itself. Signs and hemispheres are as ReadWholeAngle reads them.
Direction TakeDirection(std::string_view& text);

// The entry fields for `text`, the sign "-" for a negative angle.
//
// Parts are separated by blanks or colons, or marked by their unit: °, º, ˚, d, D or deg (any
// letter case) for degrees; ', ′, ’, ‘, ´, m or M for minutes; ", ″, ”, “, '', ´´, ’’ or s for
// seconds. An unmarked part after a marked one takes the next unit. A hemisphere at the start
// or the end, as a letter or a word in any letter case (N, e, South, WEST), makes the angle
// positive (N, E) or negative (S, W); a lower-case s straight after a number is the seconds
// mark instead ("45 30 15s" is 15 seconds, "45.21 s" is south), a capital S is south
// ("45D30M15S"). A leading -, − (minus sign) or – (en dash) makes the angle negative; a sign
// and a hemisphere together are refused, as are two hemispheres. Each field is digits with at
// most one "." or ",", within `limits`.
WholeAngle ReadWholeAngle(std::string_view text, AngleLimits limits = AngleLimits::EntryFields);

} // namespace orvanel
