#include "Units.h"

#include <numeric>

namespace orvanel::units {
namespace {

// How many of the target unit make one of the source: factor / divisor, in lowest terms.
struct Ratio {
    std::uint32_t factor, divisor;
};

std::optional<Ratio> RatioOf(Unit from, std::uint32_t toPerTurn, bool toTimesPi) {
    const UnitRow& source = RowOf(from);
    if (source.timesPi != toTimesPi) {
        return std::nullopt; // through π: not a rational ratio
    }
    const std::uint32_t common = std::gcd(toPerTurn, source.perTurn);
    return Ratio{toPerTurn / common, source.perTurn / common};
}

// A rounded whole count of 10^-decimals of a unit, with its sign.
struct Count {
    std::string digits;
    bool negative = false;
};

bool IsZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

// Brings `count` into the range of `wrap`, perTurn whole units to the turn. The count is judged
// as rounded, so that its text lies inside the range. Every value stays below 2^62: at most
// 1,296,000 units to the turn, and 10^12 of each.
void Wrapped(Count& count, std::uint32_t perTurn, int decimals, Wrap wrap) {
    if (wrap == Wrap::None) {
        return;
    }
    const std::uint64_t power = kWholePowersOfTen[static_cast<std::size_t>(decimals)];
    const auto cut = count.digits.size() > static_cast<std::size_t>(decimals)
                         ? count.digits.size() - static_cast<std::size_t>(decimals)
                         : 0;
    BigWhole whole = BigWhole::Of(count.digits.substr(0, cut));
    std::uint64_t low = 0;
    for (const char c : count.digits.substr(cut)) {
        low = low * 10 + static_cast<std::uint64_t>(c - '0');
    }
    const std::uint64_t turn = perTurn * power;
    std::uint64_t value = whole.divide(perTurn) * power + low; // the count modulo a turn
    if (count.negative && value != 0) {
        value = turn - value;
    }
    count.negative = wrap == Wrap::Half && 2 * value > turn;
    count.digits = std::to_string(count.negative ? turn - value : value);
}

std::string Signed(const Count& count, std::string text) {
    return count.negative && !IsZero(count.digits) ? "-" + text : text;
}

std::string TwoDigits(std::uint32_t n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

std::optional<std::string> UnitText(const Angle& angle, Unit to, int decimals, Wrap wrap,
                                    char point) {
    const UnitRow& target = RowOf(to);
    const auto ratio = RatioOf(angle.unit, target.perTurn, target.timesPi);
    if (!ratio || (target.timesPi && wrap != Wrap::None)) {
        return std::nullopt;
    }
    Count count{RoundedUnitDigits(angle.magnitude, ratio->factor, ratio->divisor, decimals),
                angle.negative};
    Wrapped(count, target.perTurn, decimals, wrap);
    return Signed(count, FixedPoint(count.digits, decimals, point));
}

std::optional<std::string> SexagesimalUnitText(const Angle& angle, Sexagesimal form, int decimals,
                                               Wrap wrap, char point) {
    const bool seconds = form == Sexagesimal::Dms || form == Sexagesimal::Hms;
    decimals = form == Sexagesimal::Dm ? 0 : decimals;
    // The last part's count to the turn: seconds of arc or of time, or minutes of arc.
    const std::uint32_t perTurn = form == Sexagesimal::Hms ? 86400 : seconds ? 1296000 : 21600;
    const auto ratio = RatioOf(angle.unit, perTurn, false);
    if (!ratio) {
        return std::nullopt;
    }
    Count count{RoundedUnitDigits(angle.magnitude, ratio->factor, ratio->divisor, decimals),
                angle.negative};
    Wrapped(count, perTurn, decimals, wrap);
    // The last part with its decimals, then the whole parts above it by sixty.
    const std::string last = FixedPoint(count.digits, decimals, point);
    const std::size_t wholeDigits = last.size() - (decimals > 0 ? decimals + 1 : 0);
    BigWhole whole = BigWhole::Of(last.substr(0, wholeDigits));
    const std::string fraction = last.substr(wholeDigits);
    const std::uint32_t lastWhole = whole.divide(60);
    if (!seconds) {
        return Signed(count,
                      whole.digits() + "\u00B0" + std::to_string(lastWhole) + fraction + "'");
    }
    const std::uint32_t minutes = whole.divide(60);
    if (form == Sexagesimal::Hms) {
        return Signed(count, whole.digits() + "h" + TwoDigits(minutes) + "m" +
                                 TwoDigits(lastWhole) + fraction + "s");
    }
    return Signed(count, whole.digits() + "\u00B0" + std::to_string(minutes) + "'" +
                             std::to_string(lastWhole) + fraction + "\"");
}

} // namespace orvanel::units
