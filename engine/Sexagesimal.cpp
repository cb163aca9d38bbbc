#include "Sexagesimal.h"

#include "Decimal.h"
#include "Numbers.h"
#include "Rad2Deg.h"
#include "StrProc.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

namespace orvanel {
namespace {

// Seconds of arc in a full turn, and degrees.
constexpr std::uint64_t kTurnSeconds = 1296000;
constexpr std::uint64_t kTurnDegrees = 360;

// A part's whole digits of this many or fewer, and decimals of kMostExactDecimals or fewer, make a
// whole number of 10^-decimals that 3600 d + 60 m + s can be summed in without overflow.
constexpr std::size_t kSmallPartDigits = 16;

// 10^n as a whole number, n from 0 to 18.
constexpr std::uint64_t PowerOf10(int n) {
    return kWholePowersOfTen[static_cast<std::size_t>(n)];
}

// `text` (digits with at most one "." or ","), exactly.
Decimal DecimalOfPart(std::string_view text) {
    return DecimalOf(ScanNumber(text));
}

// 3600 d + 60 m + s, exactly.
Decimal ArcSeconds(const EntryFields& fields) {
    return Plus(
        Plus(Times(DecimalOfPart(fields.degrees), 3600), Times(DecimalOfPart(fields.minutes), 60)),
        DecimalOfPart(fields.seconds));
}

// A part as a whole number of 10^-decimals, for the common case of a few digits.
struct SmallPart {
    std::uint64_t units = 0;
    int decimals = 0;
};

std::optional<SmallPart> SmallPartOf(std::string_view text) {
    const ScannedNumber number = ScanNumber(text);
    if (number.fraction.size() > static_cast<std::size_t>(kMostExactDecimals) ||
        number.whole.size() + number.fraction.size() > kSmallPartDigits) {
        return std::nullopt;
    }
    return SmallPart{number.units, static_cast<int>(number.fraction.size())};
}

// 3600 d + 60 m + s in units of 10^-scale, when no part has more than kMostExactDecimals decimals:
// a whole number within 1.3 * 10^18 for parts within their limits. Nothing for longer parts.
std::optional<std::uint64_t> SmallArcSeconds(const EntryFields& fields, int& scale) {
    const auto d = SmallPartOf(fields.degrees);
    const auto m = SmallPartOf(fields.minutes);
    const auto s = SmallPartOf(fields.seconds);
    if (!d || !m || !s) {
        return std::nullopt;
    }
    scale = std::max({d->decimals, m->decimals, s->decimals});
    return d->units * 3600 * PowerOf10(scale - d->decimals) +
           m->units * 60 * PowerOf10(scale - m->decimals) +
           s->units * PowerOf10(scale - s->decimals);
}

std::string FixedOf(std::uint64_t units, int decimals, bool comma) {
    std::array<char, 20> digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), units).ptr;
    return FixedPoint({digits.data(), static_cast<std::size_t>(end - digits.data())}, decimals,
                      comma ? ',' : '.');
}

} // namespace

std::optional<std::string> DecimalDegreesText(const EntryFields& fields, int decimals, bool comma) {
    const std::string_view minus = fields.sign == "-" ? "-" : "";
    int smallScale = 0;
    std::uint64_t units = 0;
    if (const auto seconds = SmallArcSeconds(fields, smallScale)) {
        if (*seconds > kTurnSeconds * PowerOf10(smallScale)) {
            return std::nullopt;
        }
        // Within a turn, 1.3 * 10^6 seconds at most 10^12 finer: RoundedShifted has room.
        units = *RoundedShifted(*seconds, 3600, decimals - smallScale);
    } else {
        const Decimal arcSeconds = ArcSeconds(fields);
        if (Exceeds(arcSeconds, kTurnSeconds)) {
            return std::nullopt;
        }
        units = RoundedUnits(arcSeconds, 1, 3600, decimals);
    }
    return std::string(units != 0 ? minus : "") + FixedOf(units, decimals, comma);
}

DecimalDegrees ReadDecimalDegrees(std::string_view text) {
    DecimalDegrees value;
    const Direction direction = TakeDirection(text);
    value.negative = direction.negative;
    for (std::string_view mark : {"\u00B0", "\u00BA"}) { // °, º
        if (text.ends_with(mark)) {
            text = TrimBlanks(text.substr(0, text.size() - mark.size()));
            break;
        }
    }
    value.number = text;
    if (direction.atStart != AngleProblem::None) {
        value.problem = direction.atStart;
    } else if (text.starts_with('+') || text.starts_with('-') || !IsWrittenNumber(text)) {
        value.problem = AngleProblem::NotANumber; // a sign goes before a hemisphere, once
    } else if (direction.atEnd != AngleProblem::None) {
        value.problem = direction.atEnd;
    } else if (Exceeds(DecimalOf(ScanNumber(text, true)), kTurnDegrees)) {
        value.problem = AngleProblem::DegreesOutOfRange;
    }
    return value;
}

std::string SexagesimalText(const DecimalDegrees& value, SexagesimalForm form, int decimals) {
    const bool comma = HasComma(value.number);
    const Decimal degrees = DecimalOf(ScanNumber(value.number, true));
    if (form == SexagesimalForm::Dm) {
        const std::uint64_t minutes = RoundedUnits(degrees, 60, 1, 0);
        return DegreeText(value.negative && minutes != 0 ? "-" : "", std::to_string(minutes / 60),
                          std::to_string(minutes % 60));
    }
    const std::uint64_t unit = PowerOf10(decimals);
    if (form == SexagesimalForm::DegMin) {
        const std::uint64_t minutes = RoundedUnits(degrees, 60, 1, decimals);
        return DegreeText(value.negative && minutes != 0 ? "-" : "",
                          std::to_string(minutes / (60 * unit)),
                          FixedOf(minutes % (60 * unit), decimals, comma));
    }
    const std::uint64_t seconds = RoundedUnits(degrees, 3600, 1, decimals);
    return DegreeText(value.negative && seconds != 0 ? "-" : "",
                      std::to_string(seconds / (3600 * unit)),
                      std::to_string(seconds % (3600 * unit) / (60 * unit)),
                      FixedOf(seconds % (60 * unit), decimals, comma));
}

} // namespace orvanel
