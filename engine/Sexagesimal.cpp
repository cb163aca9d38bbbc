#include "Sexagesimal.h"

#include "Decimal.h"
#include "Numbers.h"
#include "Rad2Deg.h"
#include "StrProc.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace orvanel {
namespace {

// A non-negative decimal as its digits and scale: value = digits / 10^scale.
struct Scaled {
    std::string digits;
    long scale = 0;
};

// `number` is digits with at most one "." or ",", then maybe an exponent (e, a sign, digits).
Scaled ScaledOf(std::string_view number) {
    Scaled value;
    std::size_t i = 0;
    bool afterPoint = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.' || number[i] == ',') {
            afterPoint = true;
        } else if (value.digits += number[i]; afterPoint) {
            ++value.scale;
        }
    }
    long exponent = 0;
    const bool negativeExponent = i + 1 < number.size() && number[i + 1] == '-';
    for (++i; i < number.size(); ++i) {
        if (number[i] >= '0' && number[i] <= '9') {
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000L); // far past 360
        }
    }
    value.scale += negativeExponent ? exponent : -exponent;
    const std::size_t first = std::min(value.digits.find_first_not_of('0'), value.digits.size());
    value.digits.erase(0, first);
    return value;
}

// 10^n as a whole number, n from 0 to 18 (exact in a double).
std::uint64_t PowerOf10(int n) {
    return static_cast<std::uint64_t>(PowerOfTen(n));
}

// Big-endian decimal digits times a small whole number.
std::string Times(std::string_view digits, unsigned factor) {
    std::string product(digits.size() + 10, '0');
    unsigned long carry = 0;
    std::size_t at = product.size();
    for (std::size_t i = digits.size(); i-- > 0;) {
        carry += static_cast<unsigned long>(digits[i] - '0') * factor;
        product[--at] = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10) {
        product[--at] = static_cast<char>('0' + carry % 10);
    }
    return product.substr(at);
}

std::string Plus(std::string_view a, std::string_view b) {
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    std::string sum(a.size() + 1, '0');
    int carry = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int digit = (a[a.size() - 1 - i] - '0') + (i < b.size() ? b[b.size() - 1 - i] - '0' : 0) + carry;
        sum[sum.size() - 1 - i] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    sum[0] = static_cast<char>('0' + carry);
    return sum;
}

// value * factor * 10^decimals, rounded half to even to a whole number.
std::uint64_t RoundedUnits(const Scaled& value, unsigned factor, int decimals) {
    Decimal product{Times(value.digits, factor), 0};
    product.exponent = static_cast<int>(static_cast<long>(product.digits.size()) - value.scale + decimals);
    const Decimal whole = RoundedDecimal(product, product.exponent); // no digit after the point
    std::uint64_t units = 0;
    for (char c : whole.digits) {
        units = units * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return whole.digits.empty() ? 0 : units * PowerOf10(whole.exponent - static_cast<int>(whole.digits.size()));
}

// `units` of 10^-decimals as fixed-point text: 123, 2 gives "1.23"; 5, 2 gives "0.05".
std::string FixedOf(std::uint64_t units, int decimals, bool comma) {
    std::string text = std::to_string(units);
    const auto places = static_cast<std::size_t>(decimals);
    if (text.size() <= places) {
        text.insert(0, places + 1 - text.size(), '0');
    }
    if (decimals > 0) {
        text.insert(text.size() - places, 1, comma ? ',' : '.');
    }
    return text;
}

// Whether `value` is more than `bound` (digits without leading zeros), exactly.
bool Beyond(const Scaled& value, std::string_view bound) {
    const long wholeDigits = static_cast<long>(value.digits.size()) - value.scale;
    const auto size = static_cast<long>(bound.size());
    if (value.digits.empty() || wholeDigits != size) {
        return !value.digits.empty() && wholeDigits > size;
    }
    std::string whole = value.digits.substr(0, bound.size());
    whole.append(bound.size() - whole.size(), '0'); // "36e1": digits 36, one place up
    return whole > bound ||
           (whole == bound && value.digits.find_first_not_of('0', bound.size()) != std::string::npos);
}

// 3600 d + 60 m + s, exactly, at the finest scale typed.
Scaled ArcSeconds(const EntryFields& fields) {
    std::array<Scaled, 3> parts = {ScaledOf(fields.degrees), ScaledOf(fields.minutes),
                                   ScaledOf(fields.seconds)};
    long scale = 0;
    for (const Scaled& part : parts) {
        scale = std::max(scale, part.scale);
    }
    for (Scaled& part : parts) {
        part.digits.append(static_cast<std::size_t>(scale - part.scale), '0');
    }
    Scaled seconds{Plus(Plus(Times(parts[0].digits, 3600), Times(parts[1].digits, 60)), parts[2].digits), scale};
    seconds.digits.erase(0, std::min(seconds.digits.find_first_not_of('0'), seconds.digits.size()));
    return seconds;
}

// A part as a whole number of 10^-decimals, for the common case of a few digits.
struct SmallPart {
    std::uint64_t units = 0;
    int decimals = 0;
};

std::optional<SmallPart> SmallPartOf(std::string_view text) {
    SmallPart part;
    bool afterPoint = false;
    int digits = 0;
    for (char c : text) {
        if (c == '.' || c == ',') {
            afterPoint = true;
            continue;
        }
        part.decimals += afterPoint;
        digits += digits > 0 || c != '0';
        part.units = part.units * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return part.decimals <= kMostDecimals && digits <= 16 ? std::optional(part) : std::nullopt;
}

// 3600 d + 60 m + s in units of 10^-scale, when no part has more than 12 decimals: a whole
// number within 1.3 * 10^18 for parts within their limits. Nothing for longer parts.
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

// A quotient by 3600 rounded half to even, by its remainder and whether anything nonzero
// follows that remainder.
std::uint64_t RoundedQuotient(std::uint64_t quotient, std::uint64_t remainder, bool tail) {
    const std::uint64_t twice = 2 * remainder;
    return quotient + (twice > 3600 || (twice == 3600 && (tail || quotient % 2 == 1)));
}

// Whole units of 10^-decimals of degrees from arc seconds * 10^scale, rounded half to even.
std::uint64_t DegreeUnits(std::uint64_t seconds, int scale, int decimals) {
    bool tail = false;
    if (decimals >= scale) {
        seconds *= PowerOf10(decimals - scale);
    } else {
        tail = seconds % PowerOf10(scale - decimals) != 0;
        seconds /= PowerOf10(scale - decimals);
    }
    return RoundedQuotient(seconds / 3600, seconds % 3600, tail);
}

} // namespace

std::optional<std::string> DecimalDegreesText(const EntryFields& fields, int decimals, bool comma) {
    const std::string_view minus = fields.sign == "-" ? "-" : "";
    int smallScale = 0;
    if (const auto seconds = SmallArcSeconds(fields, smallScale)) {
        if (*seconds > 1296000 * PowerOf10(smallScale)) {
            return std::nullopt;
        }
        const std::uint64_t units = DegreeUnits(*seconds, smallScale, decimals);
        return std::string(units != 0 ? minus : "") + FixedOf(units, decimals, comma);
    }
    const Scaled arcSeconds = ArcSeconds(fields);
    if (Beyond(arcSeconds, "1296000")) {
        return std::nullopt;
    }
    const std::string& seconds = arcSeconds.digits;
    const long scale = arcSeconds.scale;

    // Degrees * 10^decimals = seconds * 10^(decimals - scale) / 3600, by long division.
    const long shift = decimals - scale;
    std::string dividend = seconds;
    if (shift > 0) {
        dividend.append(static_cast<std::size_t>(shift), '0');
    }
    const std::size_t tailSize = shift < 0 ? static_cast<std::size_t>(-shift) : 0;
    const std::size_t headSize = dividend.size() > tailSize ? dividend.size() - tailSize : 0;
    std::uint64_t quotient = 0;
    unsigned remainder = 0;
    for (std::size_t i = 0; i < headSize; ++i) {
        remainder = remainder * 10 + static_cast<unsigned>(dividend[i] - '0');
        quotient = quotient * 10 + remainder / 3600;
        remainder %= 3600;
    }
    // What is left is (remainder + the tail's fraction) / 3600, against one half.
    const bool tail = dividend.find_first_not_of('0', headSize) != std::string::npos;
    const std::uint64_t units = RoundedQuotient(quotient, remainder, tail);
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
    } else if (Beyond(ScaledOf(text), "360")) {
        value.problem = AngleProblem::DegreesOutOfRange;
    }
    return value;
}

std::string SexagesimalText(const DecimalDegrees& value, SexagesimalForm form, int decimals) {
    const bool comma = HasComma(value.number);
    const Scaled degrees = ScaledOf(value.number);
    if (form == SexagesimalForm::Dm) {
        const std::uint64_t minutes = RoundedUnits(degrees, 60, 0);
        return DegreeText(value.negative && minutes != 0 ? "-" : "", std::to_string(minutes / 60),
                          std::to_string(minutes % 60));
    }
    const std::uint64_t unit = PowerOf10(decimals);
    if (form == SexagesimalForm::DegMin) {
        const std::uint64_t minutes = RoundedUnits(degrees, 60, decimals);
        return DegreeText(value.negative && minutes != 0 ? "-" : "",
                          std::to_string(minutes / (60 * unit)),
                          FixedOf(minutes % (60 * unit), decimals, comma));
    }
    const std::uint64_t seconds = RoundedUnits(degrees, 3600, decimals);
    return DegreeText(value.negative && seconds != 0 ? "-" : "",
                      std::to_string(seconds / (3600 * unit)),
                      std::to_string(seconds % (3600 * unit) / (60 * unit)),
                      FixedOf(seconds % (60 * unit), decimals, comma));
}

} // namespace orvanel
