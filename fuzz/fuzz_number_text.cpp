// General number text and FormatFixed over every double and decimal count: no inf/nan text,
// the general text reads back as the value to 15 digits, FormatFixed is within half a unit.
#include "FuzzSupport.h"
#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const double x = data.ConsumeFloatingPoint<double>();
    const int decimals = data.ConsumeIntegralInRange<int>(-3, 20);
    const std::string general = GeneralNumberText(x);
    Check(!HasNonFiniteText(general), "general text", general);
    if (std::isfinite(x)) {
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
        double fifteen = 0;
        if (std::from_chars(buffer, end, fifteen).ec == std::errc::result_out_of_range) {
            // 15 digits of the very largest doubles round past the largest double.
            fifteen = std::copysign(HUGE_VAL, x);
        }
        Check(ReadLeadingNumber(general) == (fifteen == 0 ? 0.0 : fifteen),
              "general text reads back", general);
        Check(general.find("E") != std::string::npos || std::fabs(x) < 1e15,
              "exponent from 1E+15 up", general);
    }

    NumberFormat format;
    format.groupSeparator = "";
    const std::string fixed = FormatFixed(x, decimals, format);
    Check(!HasNonFiniteText(fixed), "fixed text", fixed);
    const int n = ResolveDecimals(decimals, format);
    const auto point = fixed.find('.');
    Check(n == 0 ? point == std::string::npos : fixed.size() - point - 1 == std::size_t(n),
          "decimal count", fixed);
    if (std::isfinite(x) && std::fabs(x) < 1e15) {
        const double back = ReadLeadingNumber(fixed);
        Check(std::fabs(back - x) <= 0.5 * std::pow(10.0, -n) * (1 + 1e-9) + std::fabs(x) * 1e-15,
              "within half a unit", fixed);
    }
    Check(fixed.rfind("-", 0) != 0 || fixed.find_first_not_of("-0.") != std::string::npos,
          "no minus on zero", fixed);
    return 0;
}
