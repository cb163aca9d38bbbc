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

// Multiplies by base^power in steps small enough for BigWhole: 2^29 or 5^12 at a time.
void MultiplyByPower(BigWhole& n, std::uint32_t base, int power) {
    const int step = base == 2 ? 29 : 12;
    const auto big = static_cast<std::uint32_t>(std::pow(base, step));
    n.multiply(big, power / step);
    n.multiply(base, power % step);
}

} // namespace

BigWhole::BigWhole(std::uint64_t n) {
    do {
        m_limbs.push_back(static_cast<std::uint32_t>(n % kBase));
        n /= kBase;
    } while (n > 0);
}

BigWhole BigWhole::Of(std::string_view digits) {
    BigWhole n;
    n.m_limbs.clear();
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t start = end > 9 ? end - 9 : 0;
        std::uint32_t limb = 0;
        for (std::size_t i = start; i < end; ++i) {
            limb = limb * 10 + static_cast<std::uint32_t>(digits[i] - '0');
        }
        n.m_limbs.push_back(limb);
        end = start;
    }
    while (n.m_limbs.size() > 1 && n.m_limbs.back() == 0) {
        n.m_limbs.pop_back();
    }
    if (n.m_limbs.empty()) {
        n.m_limbs.push_back(0);
    }
    return n;
}

void BigWhole::multiply(std::uint32_t factor, int times) {
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

void BigWhole::add(const BigWhole& other) {
    if (m_limbs.size() < other.m_limbs.size()) {
        m_limbs.resize(other.m_limbs.size(), 0);
    }
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        carry += m_limbs[i] + std::uint64_t{i < other.m_limbs.size() ? other.m_limbs[i] : 0};
        m_limbs[i] = static_cast<std::uint32_t>(carry % kBase);
        carry /= kBase;
    }
    if (carry > 0) {
        m_limbs.push_back(static_cast<std::uint32_t>(carry));
    }
}

void BigWhole::subtract(const BigWhole& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        std::int64_t limb = std::int64_t{m_limbs[i]} - borrow -
                            std::int64_t{i < other.m_limbs.size() ? other.m_limbs[i] : 0};
        borrow = limb < 0 ? 1 : 0;
        m_limbs[i] = static_cast<std::uint32_t>(limb + borrow * std::int64_t{kBase});
    }
    while (m_limbs.size() > 1 && m_limbs.back() == 0) {
        m_limbs.pop_back();
    }
}

BigWhole operator*(const BigWhole& a, const BigWhole& b) {
    std::vector<std::uint64_t> sums(a.m_limbs.size() + b.m_limbs.size() + 1, 0);
    for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.m_limbs.size(); ++j) {
            const std::uint64_t cell =
                sums[i + j] + std::uint64_t{a.m_limbs[i]} * b.m_limbs[j] + carry;
            sums[i + j] = cell % BigWhole::kBase;
            carry = cell / BigWhole::kBase;
        }
        for (std::size_t k = i + b.m_limbs.size(); carry > 0; ++k) {
            const std::uint64_t cell = sums[k] + carry;
            sums[k] = cell % BigWhole::kBase;
            carry = cell / BigWhole::kBase;
        }
    }
    BigWhole product;
    product.m_limbs.assign(sums.begin(), sums.end());
    while (product.m_limbs.size() > 1 && product.m_limbs.back() == 0) {
        product.m_limbs.pop_back();
    }
    return product;
}

int Compare(const BigWhole& a, const BigWhole& b) {
    if (a.m_limbs.size() != b.m_limbs.size()) {
        return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
    }
    for (std::size_t i = a.m_limbs.size(); i-- > 0;) {
        if (a.m_limbs[i] != b.m_limbs[i]) {
            return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        }
    }
    return 0;
}

std::uint32_t BigWhole::divide(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb) {
        const std::uint64_t part = remainder * kBase + *limb;
        *limb = static_cast<std::uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    while (m_limbs.size() > 1 && m_limbs.back() == 0) {
        m_limbs.pop_back();
    }
    return static_cast<std::uint32_t>(remainder);
}

std::uint64_t BigWhole::value() const {
    std::uint64_t n = 0;
    for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb) {
        n = n * kBase + *limb;
    }
    return n;
}

std::string BigWhole::digits() const {
    std::string text = std::to_string(m_limbs.back());
    for (auto limb = m_limbs.rbegin() + 1; limb != m_limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        text.append(9 - part.size(), '0');
        text += part;
    }
    return text;
}

void ScanExponent(std::string_view text, std::size_t at, bool anyDigit, ScannedNumber& number) {
    if (!anyDigit || at == text.size() || (text[at] != 'e' && text[at] != 'E')) {
        number.valid = anyDigit && at == text.size();
        return;
    }
    ++at;
    const bool negative = at < text.size() && text[at] == '-';
    at += at < text.size() && (text[at] == '-' || text[at] == '+');
    const std::size_t start = at;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        number.exponent = std::min(number.exponent * 10 + (text[at] - '0'), kExponentCap);
    }
    number.exponent = negative ? -number.exponent : number.exponent;
    number.valid = at > start && at == text.size();
}

Decimal DecimalOf(const ScannedNumber& number) {
    Decimal d{std::string(number.whole), 0};
    d.digits += number.fraction;
    d.exponent = static_cast<int>(number.whole.size() + number.exponent);
    const std::size_t zeros = std::min(d.digits.find_first_not_of('0'), d.digits.size());
    d.digits.erase(0, zeros); // only a whole part of none has them: "0.05"
    d.exponent -= static_cast<int>(zeros);
    return d.digits.empty() ? Decimal{} : d;
}

namespace {

// The digits of `d` as a whole number of 10^-scale, for a scale at least as fine as its own.
std::string UnitsAt(const Decimal& d, int scale) {
    std::string units = d.digits;
    units.append(static_cast<std::size_t>(scale + d.exponent - static_cast<int>(d.digits.size())),
                 '0');
    return units;
}

int ScaleOf(const Decimal& d) {
    return static_cast<int>(d.digits.size()) - d.exponent;
}

Decimal FromUnits(const BigWhole& units, int scale) {
    std::string digits = units.digits();
    if (digits == "0") {
        return {};
    }
    const int exponent = static_cast<int>(digits.size()) - scale;
    return {std::move(digits), exponent};
}

} // namespace

Decimal Times(const Decimal& d, std::uint32_t factor) {
    BigWhole units = BigWhole::Of(d.digits);
    units.multiply(factor);
    return FromUnits(units, ScaleOf(d));
}

Decimal Plus(const Decimal& a, const Decimal& b) {
    const int scale = std::max(ScaleOf(a), ScaleOf(b));
    BigWhole sum = BigWhole::Of(UnitsAt(a, scale));
    sum.add(BigWhole::Of(UnitsAt(b, scale)));
    return FromUnits(sum, scale);
}

bool Exceeds(const Decimal& d, std::uint64_t bound) {
    const std::string whole = std::to_string(bound);
    const auto size = static_cast<int>(whole.size());
    if (d.digits.empty() || d.exponent != size) {
        return !d.digits.empty() && d.exponent > size;
    }
    std::string head = d.digits.substr(0, whole.size());
    head.append(whole.size() - head.size(), '0');
    return head > whole ||
           (head == whole && d.digits.find_first_not_of('0', whole.size()) != std::string::npos);
}

std::string RoundedUnitDigits(const Decimal& d, std::uint32_t factor, std::uint32_t divisor,
                              int decimals) {
    // d * factor * 10^decimals = digits * factor * 10^shift.
    const int shift = d.exponent - static_cast<int>(d.digits.size()) + decimals;
    if (d.digits.empty() || shift < -static_cast<int>(d.digits.size()) - 11) {
        return "0"; // below a tenth, factor (under 10^10) and all
    }
    BigWhole units = BigWhole::Of(d.digits);
    units.multiply(factor);
    units.multiply(10, std::max(shift, 0));
    const std::uint32_t remainder = units.divide(divisor);
    if (shift >= 0) {
        const std::uint64_t twice = 2 * static_cast<std::uint64_t>(remainder);
        if (twice > divisor || (twice == divisor && units.isOdd())) {
            units.add(BigWhole(1));
        }
        return units.digits();
    }
    // The quotient's digits below the point are rounded off by the rule of every decimal; a
    // remainder stands behind them as one more digit that is not zero.
    std::string quotient = units.digits();
    const int whole = static_cast<int>(quotient.size()) + shift;
    if (remainder != 0) {
        quotient += '1';
    }
    const Decimal rounded = RoundedDecimal({quotient, whole}, whole); // to a whole number
    if (rounded.digits.empty() || rounded.exponent <= 0) {
        return "0";
    }
    std::string digits = rounded.digits.substr(0, static_cast<std::size_t>(rounded.exponent));
    digits.append(static_cast<std::size_t>(rounded.exponent) - digits.size(), '0');
    return digits;
}

std::uint64_t RoundedUnits(const Decimal& d, std::uint32_t factor, std::uint32_t divisor,
                           int decimals) {
    const int shift = d.exponent - static_cast<int>(d.digits.size()) + decimals;
    // The common case of a few digits, in 64 bits: at most 15 of them, times a factor below 5000.
    if (!d.digits.empty() && d.digits.size() <= 15 && factor < 5000) {
        std::uint64_t units = 0;
        for (const char c : d.digits) {
            units = units * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (const auto small = RoundedShifted(units * factor, divisor, shift)) {
            return *small;
        }
    }
    std::uint64_t n = 0;
    for (const char c : RoundedUnitDigits(d, factor, divisor, decimals)) {
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return n;
}

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
    // |x| * 10^decimals as a whole number, by its digits.
    std::string units;
    if (const auto whole = ScaledWhole(x, decimals)) {
        units = DigitsOf(*whole);
    } else {
        const Decimal exact = ExactDecimal(x);
        const Decimal rounded = RoundedDecimal(exact, exact.exponent + decimals);
        units = rounded.digits;
        units.resize(static_cast<std::size_t>(std::max(rounded.exponent + decimals, 0)), '0');
    }
    return FixedPoint(units, decimals);
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
