#include "Packed.h"

#include "StrProc.h"

#include <algorithm>

namespace orvanel::units {
namespace {

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// degrees * 3600 + minutes * 60 + seconds, then the seconds' decimals, exactly: in the unit of
// the last part (`perDegree` 3600, or 60 with no seconds).
Decimal Parts(std::string_view degrees, std::string_view minutes, std::string_view seconds,
              std::string_view decimals, std::uint32_t perDegree) {
    BigWhole whole = BigWhole::Of(degrees);
    whole.multiply(perDegree);
    BigWhole part = BigWhole::Of(minutes);
    part.multiply(perDegree / 60);
    whole.add(part);
    whole.add(BigWhole::Of(seconds));
    const std::string units = whole.digits() + std::string(decimals);
    const std::size_t first = units.find_first_not_of('0');
    if (first == std::string::npos) {
        return {};
    }
    const int exponent = static_cast<int>(units.size() - decimals.size() - first);
    std::string digits = units.substr(first);
    digits.erase(digits.find_last_not_of('0') + 1);
    return {std::move(digits), exponent};
}

AngleProblem RangeOf(std::string_view minutes, std::string_view seconds) {
    if (minutes.size() == 2 && minutes >= "60") {
        return AngleProblem::MinutesOutOfRange;
    }
    return seconds.size() == 2 && seconds >= "60" ? AngleProblem::SecondsOutOfRange
                                                  : AngleProblem::None;
}

} // namespace

PackedAngle ReadPacked(std::string_view text, Packing packing) {
    PackedAngle read;
    const Direction direction = TakeDirection(text);
    read.angle.negative = direction.negative;
    if (direction.atStart != AngleProblem::None || direction.atEnd != AngleProblem::None) {
        read.problem =
            direction.atStart != AngleProblem::None ? direction.atStart : direction.atEnd;
        return read;
    }
    const std::size_t point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || !AllDigits(whole) || !AllDigits(fraction) ||
        (point != std::string_view::npos && fraction.empty())) {
        read.problem = AngleProblem::NotAPackedAngle;
        return read;
    }
    std::string_view degrees = whole, minutes, seconds, decimals;
    std::string padded;
    switch (packing) {
    case Packing::Packed:
        padded = std::string(fraction);
        padded.append(padded.size() < 4 ? 4 - padded.size() : 0, '0');
        minutes = std::string_view(padded).substr(0, 2);
        seconds = std::string_view(padded).substr(2, 2);
        decimals = std::string_view(padded).substr(4);
        break;
    case Packing::Nmea:
    case Packing::Compact: {
        const std::size_t tail = packing == Packing::Nmea ? 2 : 4;
        if (whole.size() <= tail || whole.size() > tail + 3) {
            read.problem = AngleProblem::NotAPackedAngle;
            return read;
        }
        degrees = whole.substr(0, whole.size() - tail);
        minutes = whole.substr(whole.size() - tail, 2);
        seconds = packing == Packing::Compact ? whole.substr(whole.size() - 2) : "";
        decimals = fraction;
        break;
    }
    }
    read.problem = RangeOf(minutes, seconds);
    const bool inMinutes = packing == Packing::Nmea;
    read.angle.magnitude = Parts(degrees, minutes, seconds, decimals, inMinutes ? 60 : 3600);
    read.angle.unit = inMinutes ? Unit::Arcminute : Unit::Arcsecond;
    return read;
}

} // namespace orvanel::units
