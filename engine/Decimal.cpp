#include "Decimal.h"

#include "Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace orvanel {
namespace {

constexpr std::array<double, 19> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                 1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                 1e14, 1e15, 1e16, 1e17, 1e18};

// A whole number of any size in base 10^9, least significant limb first.
class BigWhole {
  public:
    explicit BigWhole(std::uint64_t n) {
        do {
            m_limbs.push_back(static_cast<std::uint32_t>(n % kBase));
            n /= kBase;
        } while (n > 0);
    }

    // Multiplies by `factor` `times` times; factor * 10^9 must fit in 64 bits.
    void multiply(std::uint32_t factor, int times) {
        for (; times > 0; --times) {
            std::uint64_t carry = 0;
            for (std::uint32_t& limb : m_limbs) {
                const std::uint64_t product = std::uint64_t{limb} * factor + carry;
                limb = static_cast<std::uint32_t>(product % kBase);
                carry = product / kBase;
            }
            for (; carry > 0; carry /= kBase) {
                m_limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
            }
        }
    }

    std::string digits() const {
        std::string text = std::to_string(m_limbs.back());
        for (auto limb = m_limbs.rbegin() + 1; limb != m_limbs.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

  private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> m_limbs;
};

// Multiplies by base^power in steps small enough for BigWhole: 2^29 or 5^12 at a time.
void MultiplyByPower(BigWhole& n, std::uint32_t base, int power) {
    const int step = base == 2 ? 29 : 12;
    const auto big = static_cast<std::uint32_t>(std::pow(base, step));
    n.multiply(big, power / step);
    n.multiply(base, power % step);
}

} // namespace

Decimal ExactDecimal(double x) {
    x = std::fabs(x);
    if (x == 0) {
        return {};
    }
    // x = mantissa * 2^power with a whole mantissa of at most 53 bits.
    int power = 0;
    const double fraction = std::frexp(x, &power);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    power -= 53;
    for (; (mantissa & 1) == 0 && power < 0; mantissa >>= 1) {
        ++power;
    }
    BigWhole whole(mantissa);
    // A negative power of two is a power of ten times a power of five: m / 2^k = m * 5^k / 10^k.
    MultiplyByPower(whole, power >= 0 ? 2 : 5, std::abs(power));
    Decimal d{whole.digits(), 0};
    d.exponent = static_cast<int>(d.digits.size()) + std::min(power, 0);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

Decimal RoundedDecimal(Decimal d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) {
        return d;
    }
    if (keep < 0) {
        return {}; // below half of the last place kept
    }
    const auto cut = static_cast<std::size_t>(keep);
    const char first = d.digits[cut];
    const bool beyondHalf = d.digits.find_first_not_of('0', cut + 1) != std::string::npos;
    const bool odd = cut > 0 && (d.digits[cut - 1] - '0') % 2 == 1;
    const bool up = first > '5' || (first == '5' && (beyondHalf || odd));
    d.digits.resize(cut);
    if (up) {
        std::size_t at = cut;
        for (; at > 0 && d.digits[at - 1] == '9'; --at) {
            d.digits[at - 1] = '0';
        }
        if (at == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[at - 1];
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d.digits.empty() ? Decimal{} : d;
}

std::optional<double> ScaledWhole(double x, int decimals) {
    if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size()) ||
        std::fabs(x) < 1e-280) {
        return std::nullopt;
    }
    const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const double hi = std::fabs(x) * scale;
    if (!(hi < 0x1p52)) { // below 2^52, whole numbers and halves are exact
        return std::nullopt;
    }
    const double lo = std::fma(std::fabs(x), scale, -hi);
    double whole = RoundWhole(hi);
    // hi - whole is exact; only a hi exactly halfway can be tipped either way by lo.
    if (hi - whole == 0.5 && lo > 0) {
        whole += 1;
    } else if (hi - whole == -0.5 && lo < 0) {
        whole -= 1;
    }
    return whole;
}

double PowerOfTen(int n) {
    return kPowersOfTen[static_cast<std::size_t>(n)];
}

namespace {

std::string DigitsOf(double whole) {
    std::array<char, 24> buffer;
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                              static_cast<std::uint64_t>(whole))
                    .ptr;
    return std::string(buffer.data(), end);
}

} // namespace

std::string FixedText(double x, int decimals) {
    // The digits from the first whole one to the last decimal, and how many are whole.
    std::string digits;
    int integerDigits = 0;
    if (const auto whole = ScaledWhole(x, decimals)) {
        digits = DigitsOf(*whole);
        integerDigits = static_cast<int>(digits.size()) - decimals;
    } else {
        const Decimal exact = ExactDecimal(x);
        const Decimal rounded = RoundedDecimal(exact, exact.exponent + decimals);
        digits = rounded.digits;
        digits.resize(static_cast<std::size_t>(std::max(rounded.exponent + decimals, 0)), '0');
        integerDigits = rounded.exponent;
    }
    if (integerDigits < 1) { // zeros in front, up to one whole digit
        digits.insert(0, static_cast<std::size_t>(1 - integerDigits), '0');
        integerDigits = 1;
    }
    if (decimals > 0) {
        digits.insert(static_cast<std::size_t>(integerDigits), 1, '.');
    }
    return digits;
}

std::pair<std::string, int> FifteenDigits(double x) {
    // The decimal exponent lies within one of the binary exponent's estimate; where the
    // scaled value allows, its whole part is the fifteen digits.
    int binary = 0;
    std::frexp(x, &binary);
    const int estimate = static_cast<int>(std::floor((binary - 1) * 0.30102999566398120)) + 1;
    for (int exponent = estimate; exponent >= estimate - 1; --exponent) {
        const auto whole = ScaledWhole(x, 14 - exponent);
        if (!whole) {
            break;
        }
        // The estimate is never below the exponent, so a whole number that rounds up to 10^15
        // is met first one exponent higher, as 10^14.
        if (*whole >= 1e14) {
            return {DigitsOf(*whole), exponent};
        }
    }
    Decimal d = RoundedDecimal(ExactDecimal(x), 15);
    d.digits.resize(15, '0');
    return {d.digits, d.exponent - 1};
}

} // namespace orvanel
