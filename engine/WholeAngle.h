#pragma once
// A whole angle in one text, as people paste it: "45 30 15", "45:30:15", "45°30'15\"",
// "45°30′15″", "45º30'15\"", "45d30m15s", "45.5", "-45 30", "S 45 30", "45°30'W". Reading it
// only splits it into the texts of the degrees, minutes and seconds fields and the sign; the
// numbers themselves then go through the fields' own rules.

#include "AngleEntry.h"

#include <optional>
#include <string_view>

namespace orvanel {

// The entry fields for `text`: degrees, minutes, seconds (empty when not given) and the sign
// ("-" for a negative angle). Nothing when the text is not an angle in any of the notations:
// more than three parts, units out of order, an empty field between or after colons, a sign
// together with S or W (or "-" with N or E), two hemispheres, or a character that belongs to
// none of them.
//
// Parts are separated by blanks or colons, or marked by their unit: °, º, ˚, d, D or deg for
// degrees; ', ′, ’, ‘, ´, m or M for minutes; ", ″, ”, “, '', ´´, ’’ or s for seconds. An
// unmarked part after a marked one takes the next unit. A hemisphere at the start or the end,
// as a letter or a word in any letter case (N, e, South, WEST), makes the angle positive (N, E)
// or negative (S, W); a lower-case s straight after a number is the seconds mark instead
// ("45 30 15s" is 15 seconds, "45.21 s" is south). A leading -, − (minus sign) or – (en dash)
// makes the angle negative.
std::optional<EntryFields> ReadWholeAngle(std::string_view text);

} // namespace orvanel
