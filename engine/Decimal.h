#pragma once
// Exact decimal digits of a double, rounded half to even: what every fixed-point and short
// number text of the calculator is made of. The engine formats numbers with nothing else, so
// the digits are the same wherever it runs, the browser included.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel {

// The one exact number of the engine: significant digits and the place of the decimal point,
// value = 0.digits * 10^exponent. "25", 1 is 2.5; "5", -1 is 0.05. Zero has no digits; the first
// digit is never 0.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// Exponents are read up to this size: past a few thousand every double has over- or
// underflowed, and every angle has left its range.
inline constexpr long kExponentCap = 100000;

// A whole number of any size in base 10^9: the arithmetic of exact decimal digits.
class BigWhole {
  public:
    explicit BigWhole(std::uint64_t n = 0);

    // The number the decimal digits `digits` write (nothing but digits).
    static BigWhole Of(std::string_view digits);

    // Multiplies by `factor` `times` times.
    void multiply(std::uint32_t factor, int times = 1);
    void add(const BigWhole& other);
    // Subtracts `other`, which is at most this number.
    void subtract(const BigWhole& other);
    friend BigWhole operator*(const BigWhole& a, const BigWhole& b);
    // Below zero, zero or above zero as a is less than, equal to or more than b.
    friend int Compare(const BigWhole& a, const BigWhole& b);
    bool isZero() const { return m_limbs.size() == 1 && m_limbs[0] == 0; }
    bool isOdd() const { return m_limbs[0] % 2 == 1; } // the base is even
    // Divides by `divisor` (1 to 10^9) and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor);

    // The decimal digits, "0" for zero.
    std::string digits() const;
    // The number, which must fit in 64 bits.
    std::uint64_t value() const;

  private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> m_limbs; // least significant first
};

// A number as typed, read once: digits with at most one "." or ",", then an exponent where one
// is allowed (e or E, an optional sign, digits). Views into the text.
struct ScannedNumber {
    bool valid = false;        // nothing else in the text (and a digit, where an exponent may be)
    std::string_view whole;    // the digits before the separator, without leading zeros
    std::string_view fraction; // the digits after it, as typed
    long exponent = 0;         // capped at kExponentCap either way
    // The digits of both parts as one whole number, exact while there are at most 19 of them
    // after the leading zeros.
    std::uint64_t units = 0;
};

// The exponent of a scanned number from `at`, the text's first character after its digits;
// `anyDigit` says whether there were any.
void ScanExponent(std::string_view text, std::size_t at, bool anyDigit, ScannedNumber& number);

// Reads `text` as ScannedNumber says. An empty text and a lone separator are valid with no
// digits: the fields read them as 0. Inline: every part of every angle is scanned.
inline ScannedNumber ScanNumber(std::string_view text, bool exponentAllowed = false) {
    ScannedNumber number;
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t start = at;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            number.units = number.units * 10 + static_cast<std::uint64_t>(text[at] - '0');
        }
        return text.substr(start, at - start);
    };
    number.whole = digits();
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        number.fraction = digits();
    }
    const bool anyDigit = !number.whole.empty() || !number.fraction.empty();
    while (!number.whole.empty() && number.whole.front() == '0') {
        number.whole.remove_prefix(1);
    }
    if (exponentAllowed) {
        ScanExponent(text, at, anyDigit, number);
    } else {
        number.valid = at == text.size();
    }
    return number;
}

// The exact value of a number scanned valid.
Decimal DecimalOf(const ScannedNumber& number);

// d * factor and a + b, exactly.
Decimal Times(const Decimal& d, std::uint32_t factor);
Decimal Plus(const Decimal& a, const Decimal& b);

// Whether `d` is more than the whole number `bound`, exactly.
bool Exceeds(const Decimal& d, std::uint64_t bound);

// A quotient rounded half to even, from its whole part and the remainder of the division by
// `divisor` (twice the remainder must fit). Every exact conversion in whole numbers rounds here,
// once, at the end.
constexpr std::uint64_t RoundedQuotient(std::uint64_t quotient, std::uint64_t remainder,
                                        std::uint64_t divisor) {
    const std::uint64_t twice = 2 * remainder;
    return quotient + (twice > divisor || (twice == divisor && quotient % 2 == 1));
}

// 10^n as a whole number, n from 0 to 18.
inline constexpr std::array<std::uint64_t, 19> kWholePowersOfTen = [] {
    std::array<std::uint64_t, 19> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// units * 10^shift / divisor rounded half to even, exactly, in 64-bit whole numbers; nothing
// where a step would not fit. Inline, so that a constant divisor costs no division.
constexpr std::optional<std::uint64_t> RoundedShifted(std::uint64_t units, std::uint64_t divisor,
                                                      int shift) {
    if (shift < -18 || shift > 18) {
        return std::nullopt;
    }
    // Shifted down, the digits shifted off join the division: one remainder, exact.
    const std::uint64_t power =
        kWholePowersOfTen[static_cast<std::size_t>(shift < 0 ? -shift : shift)];
    const std::uint64_t room = UINT64_MAX / 2 / power; // twice a remainder must fit too
    if (shift >= 0 ? units > room : divisor > room) {
        return std::nullopt;
    }
    const std::uint64_t scale = shift >= 0 ? divisor : divisor * power;
    units = shift >= 0 ? units * power : units;
    return RoundedQuotient(units / scale, units % scale, scale);
}

// d * factor / divisor * 10^decimals rounded half to even to a whole number, exactly, as its
// decimal digits ("0" for zero), of any size.
std::string RoundedUnitDigits(const Decimal& d, std::uint32_t factor, std::uint32_t divisor,
                              int decimals);

// The same, for a result that fits in 64 bits.
std::uint64_t RoundedUnits(const Decimal& d, std::uint32_t factor, std::uint32_t divisor,
                           int decimals);

// A whole number of 10^-decimals, given by its digits, as fixed-point text with `point`:
// "123", 2 gives "1.23"; "5", 2 gives "0.05"; "3", 0 gives "3".
inline std::string FixedPoint(std::string_view units, int decimals, char point = '.') {
    const auto places = static_cast<std::size_t>(std::max(decimals, 0));
    // The text is made at its size, all zeros, and the units copied in around the point.
    const std::size_t digits = std::max(units.size(), places + 1);
    const std::size_t zeros = digits - units.size(); // in front of the units
    const std::size_t head = digits - places;        // digits before the point, at least 1
    std::string text(digits + (places > 0 ? 1 : 0), '0');
    const std::size_t beforePoint = head > zeros ? head - zeros : 0; // of the units
    std::copy_n(units.data(), beforePoint, text.data() + zeros);
    std::copy(units.begin() + static_cast<std::ptrdiff_t>(beforePoint), units.end(),
              text.end() - static_cast<std::ptrdiff_t>(units.size() - beforePoint));
    if (places > 0) {
        text[head] = point;
    }
    return text;
}

// The exact value of |x|, every digit of it (a double is a finite binary fraction). x finite.
Decimal ExactDecimal(double x);

// `d` rounded half to even to its first `keep` digits; the digits after them are dropped.
Decimal RoundedDecimal(Decimal d, int keep);

// |x| * 10^decimals rounded to a whole number, halves to even, decided on the exact product
// (a fused multiply-add gives it as hi + lo). Nothing where that is not exact: a product from
// 2^52 up, a scale beyond 10^18, or an x too small to scale. Much faster than ExactDecimal.
std::optional<double> ScaledWhole(double x, int decimals);

// 10^n for n from 0 to 18, each exact in a double.
double PowerOfTen(int n);

// |x| as fixed-point text with `decimals` digits after the point, rounded half to even on the
// exact value: "0.05", "360.0000", "3".
std::string FixedText(double x, int decimals);

// The first fifteen significant digits of |x| (x finite and not zero), rounded half to even,
// trailing zeros kept, and the decimal exponent of the first of them: 1234.5 gives
// "123450000000000", 3.
std::pair<std::string, int> FifteenDigits(double x);

} // namespace orvanel
