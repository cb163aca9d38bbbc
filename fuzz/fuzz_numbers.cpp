// Number reading and writing, the field reader and the degree formatters, each against an
// oracle of its own: a round trip, the C++ library's reading, or a regular expression.
#include "AngleEntry.h"
#include "Decimal.h"
#include "FuzzSupport.h"
#include "Numbers.h"
#include "Rad2Deg.h"

#include <charconv>
#include <cmath>
#include <regex>

using namespace orvanel;
using namespace orvanel::fuzz;

namespace {

void LeadingNumber(const std::string& text) {
    const double value = ReadLeadingNumber(text);
    Check(!std::isnan(value), "never NaN", text);
    // A leading blank changes nothing but keeps the reader off its plain-decimal shortcut, so
    // this compares the shortcut with the full rule on every text.
    Check(ReadLeadingNumber(" " + text) == value, "the shortcut reads as the full rule", text);
    if (text.empty() || text[0] == '&') {
        return;
    }
    std::string spaced = text;
    spaced.insert(spaced.size() / 2, " \t");
    Check(ReadLeadingNumber(spaced) == value, "blanks are ignored", text);
    Check(ReadLeadingNumber(text + ",9") == value, "a comma ends the number", text);
    static const std::regex number("[0-9]{1,300}(\\.[0-9]{0,300})?");
    if (std::regex_match(text, number)) {
        double library = 0;
        std::from_chars(text.data(), text.data() + text.size(), library);
        Check(value == library, "plain decimals read as the library reads them", text);
    }
}

void Field(const std::string& text) {
    bool bad = false;
    bool comma = false;
    const double value = ParseAngleField(text, bad, comma);
    static const std::regex accepted("[0-9]*(\\.[0-9]*)?|[0-9]*,[0-9]*");
    Check(bad != std::regex_match(text, accepted), "accepted exactly when digits and a separator",
          text);
    Check(bad ? value == -1 : value >= 0, "accepted values are never negative", text);
}

void NumberTexts(double x, int decimals) {
    const std::string general = GeneralNumberText(x);
    if (std::isfinite(x) && std::fabs(x) < 1e300) {
        const double back = ReadLeadingNumber(general);
        Check(std::fabs(back - x) <= std::fabs(x) * 1e-14, "general text reads back", general);
    }
    NumberFormat format;
    format.groupSeparator = "";
    const std::string fixed = FormatFixed(x, decimals, format);
    const int n = ResolveDecimals(decimals, format);
    // The whole-number shortcuts of fixed text and rounding against the library's own rounding
    // of the exact binary value, which the full rules use.
    if (std::isfinite(x)) {
        char library[400];
        const auto end = std::to_chars(library, library + sizeof library, std::fabs(x),
                                       std::chars_format::fixed, n)
                             .ptr;
        const std::string digits(library, end);
        Check(fixed == digits || fixed == "-" + digits, "fixed digits as the library's", fixed);
        double rounded = 0;
        std::from_chars(library, end, rounded);
        Check(RoundHalfEven(std::fabs(x), n) == rounded, "rounding as the library's", digits);
    }
    if (std::isfinite(x) && x != 0) {
        char library[64];
        const auto end = std::to_chars(library, library + sizeof library, std::fabs(x),
                                       std::chars_format::scientific, 14)
                             .ptr;
        const std::string sci(library, end); // d.dddddddddddddde[+-]x
        const auto [digits, exponent] = FifteenDigits(x);
        Check(digits == sci.substr(0, 1) + sci.substr(2, 14) &&
                  exponent == std::stoi(sci.substr(17)),
              "fifteen digits as the library's", sci);
    }
    const auto point = fixed.find('.');
    Check(n == 0 ? point == std::string::npos : fixed.size() - point - 1 == std::size_t(n),
          "decimal count", fixed);
    if (std::isfinite(x) && std::fabs(x) < 1e15) {
        const double back = ReadLeadingNumber(fixed);
        Check(std::fabs(back - x) <= 0.5 * std::pow(10.0, -n) * (1 + 1e-9) + std::fabs(x) * 1e-15,
              "within half a unit", fixed);
        Check(fixed[0] != '-' || back != 0, "no minus on zero", fixed);
    }
}

// [-]d°m'[s"] with minutes and seconds 0..59 and nothing beyond a full turn.
void DegreeText(const std::string& text, bool withSeconds) {
    static const std::regex shape("-?([0-9]+)°([0-9]+)'(([0-9]+)\")?");
    std::smatch parts;
    Check(std::regex_match(text, parts, shape) && parts[3].matched == withSeconds, "shape", text);
    const int d = std::stoi(parts[1]);
    const int m = std::stoi(parts[2]);
    const int s = withSeconds ? std::stoi(parts[4]) : 0;
    Check(d <= 360 && m <= 59 && s <= 59 && (d < 360 || m + s == 0), "within a turn", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string text = FieldText(data, 64);
    LeadingNumber(text);
    Field(text);
    const double x = data.ConsumeFloatingPoint<double>();
    NumberTexts(x, data.ConsumeIntegralInRange<int>(-3, 20));
    if (std::isfinite(x)) {
        const double r = std::fmod(x, TwoPi);
        DegreeText(Rad2DegMin(r), false);
        DegreeText(Rad2DegMinSec(r), true);
        Check(std::fabs(r) >= 0.000001 || Rad2DegMin(r)[0] != '-', "tiny values lose the sign");
    }
    return 0;
}
