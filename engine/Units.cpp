#include "Units.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace orvanel::units {
namespace {

// `n` divided by 10^places, rounded down, or up where `up`.
BigWhole Shifted(BigWhole n, int places, bool up = false) {
    bool rest = false;
    for (; places > 0; places -= 9) {
        const int step = std::min(places, 9);
        rest = n.divide(static_cast<std::uint32_t>(
                   kWholePowersOfTen[static_cast<std::size_t>(step)])) != 0 ||
               rest;
    }
    if (up && rest) {
        n.add(BigWhole(1));
    }
    return n;
}

BigWhole PowerOfTenWhole(int n) {
    BigWhole power(1);
    power.multiply(10, n);
    return power;
}

using Bounds = ConstantBounds;

// atan(1/x) * weight * 10^scale, its terms added to `plus` and `minus` by their sign, each
// truncated; returns how many there were.
std::uint64_t AddArctangent(std::uint32_t x, std::uint32_t weight, int scale, BigWhole& plus,
                            BigWhole& minus) {
    BigWhole power = PowerOfTenWhole(scale);
    power.divide(x);
    std::uint64_t terms = 0;
    for (std::uint32_t k = 0; !power.isZero(); ++k, ++terms) {
        BigWhole term = power;
        term.divide(2 * k + 1);
        term.multiply(weight);
        (k % 2 == 0 ? plus : minus).add(term);
        power.divide(x * x);
    }
    return terms;
}

// π by Machin's formula, 16 atan(1/5) - 4 atan(1/239), with twelve guard digits. Each term is
// truncated, and each truncation of the powers carries into the next: a term is less than 3
// units below its value, times its weight of at most 16, which the bounds allow for.
Bounds PiBounds(int digits) {
    constexpr int kGuard = 12;
    const int scale = digits + kGuard;
    BigWhole plus, minus;
    const std::uint64_t terms =
        AddArctangent(5, 16, scale, plus, minus) + AddArctangent(239, 4, scale, minus, plus);
    plus.subtract(minus);
    const BigWhole error(64 * (terms + 1));
    BigWhole lo = plus;
    lo.subtract(error);
    BigWhole hi = plus;
    hi.add(error);
    return {Shifted(lo, kGuard), Shifted(hi, kGuard, true), digits};
}

// 1/π by Newton's iteration y = y (2 - π y), from nine digits, each step doubling them; the
// bounds are then proved with π's: π_hi * lo is at most 1 and π_lo * hi at least 1.
Bounds InversePiBounds(int digits) {
    const Bounds pi = PiBounds(digits);
    const BigWhole one = PowerOfTenWhole(2 * digits);
    const BigWhole y0(318309886); // count() asks for 40 digits at least
    BigWhole y = y0 * PowerOfTenWhole(digits - 9);
    for (int known = 8; known < 2 * digits + 16; known *= 2) {
        BigWhole step = one;
        step.add(one);
        step.subtract(pi.hi * y);
        y = Shifted(y * step, 2 * digits);
    }
    for (std::uint64_t margin = 8;; margin *= 16) { // y has 40 digits at least
        BigWhole lo = y;
        lo.subtract(BigWhole(margin));
        BigWhole hi = y;
        hi.add(BigWhole(margin));
        if (Compare(pi.hi * lo, one) <= 0 && Compare(pi.lo * hi, one) >= 0) {
            return {lo, hi, digits};
        }
    }
}

// d * m, exactly.
Decimal Scaled(const Decimal& d, const BigWhole& m) {
    std::string digits = (BigWhole::Of(d.digits) * m).digits();
    const int exponent =
        d.exponent - static_cast<int>(d.digits.size()) + static_cast<int>(digits.size());
    return {std::move(digits), exponent};
}

// Bounds to fewer digits: the lower rounded down, the upper up.
Bounds Narrowed(const Bounds& bounds, int digits) {
    return {Shifted(bounds.lo, bounds.digits - digits),
            Shifted(bounds.hi, bounds.digits - digits, true), digits};
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

// The count of 10^-decimals of the target unit that `angle` makes, rounded half to even. Between
// the radian's family and the others the result is the real value correctly rounded: with π (or
// 1/π) to enough digits that both its bounds round alike, doubled until they do.
std::optional<std::string> Converter::count(const Angle& angle, std::uint32_t toPerTurn,
                                            bool toTimesPi, int decimals) {
    const UnitRow& source = RowOf(angle.unit);
    const std::uint32_t common = std::gcd(toPerTurn, source.perTurn);
    const std::uint32_t factor = toPerTurn / common;
    const std::uint32_t divisor = source.perTurn / common;
    const Decimal& magnitude = angle.magnitude;
    if (source.timesPi == toTimesPi || magnitude.digits.empty()) {
        return RoundedUnitDigits(magnitude, factor, divisor, decimals);
    }
    constexpr int kMostDigits = 1 << 16;
    int digits = static_cast<int>(magnitude.digits.size()) + std::abs(magnitude.exponent) +
                 std::max(decimals, 0) + 40;
    for (; digits <= kMostDigits; digits *= 2) {
        const Bounds bounds = constant(!toTimesPi, digits);
        std::string lo = RoundedUnitDigits(Scaled(magnitude, bounds.lo), factor, divisor,
                                           decimals - bounds.digits);
        if (lo == RoundedUnitDigits(Scaled(magnitude, bounds.hi), factor, divisor,
                                    decimals - bounds.digits)) {
            return lo;
        }
    }
    return std::nullopt;
}

Bounds Converter::constant(bool inverse, int digits) {
    Bounds& kept = inverse ? m_inversePi : m_pi;
    if (kept.digits < digits) {
        kept = inverse ? InversePiBounds(digits) : PiBounds(digits);
    }
    return kept.digits == digits ? kept : Narrowed(kept, digits);
}

std::optional<std::string> Converter::text(const Angle& angle, Unit to, int decimals, Wrap wrap,
                                           char point) {
    const UnitRow& target = RowOf(to);
    if (target.timesPi && wrap != Wrap::None) {
        return std::nullopt;
    }
    const auto digits = count(angle, target.perTurn, target.timesPi, decimals);
    if (!digits) {
        return std::nullopt;
    }
    Count count{*digits, angle.negative};
    Wrapped(count, target.perTurn, decimals, wrap);
    return Signed(count, FixedPoint(count.digits, decimals, point));
}

std::optional<std::string> Converter::sexagesimal(const Angle& angle, Sexagesimal form,
                                                  int decimals, Wrap wrap, char point) {
    const bool seconds = form == Sexagesimal::Dms || form == Sexagesimal::Hms;
    decimals = form == Sexagesimal::Dm ? 0 : decimals;
    // The last part's count to the turn: seconds of arc or of time, or minutes of arc.
    const std::uint32_t perTurn = form == Sexagesimal::Hms ? 86400 : seconds ? 1296000 : 21600;
    const auto digits = count(angle, perTurn, false, decimals);
    if (!digits) {
        return std::nullopt;
    }
    Count count{*digits, angle.negative};
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
