// Degrees to radians over random field texts and settings.
#include "FuzzSupport.h"

#include "StrProc.h"

#include <cmath>

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto [settings, before, after, outcome] = RunCommand(data, ConvertDegreesToRadians);
    Check(after.radians == before.radians || !outcome.message, "a message leaves the radians");
    Check(after.toAdd == before.toAdd && after.sign == before.sign, "untouched fields");
    if (!outcome.message && !outcome.paneAppend.empty()) {
        const double r = ReadLeadingNumber(ReplaceChar(after.radians, ',', '.'));
        const int shown = ResolveDecimals(settings.sigFigs - 1, settings.format);
        Check(std::fabs(r) <= TwoPi + 0.5 * std::pow(10.0, -shown) + 1e-12,
              "at most one turn, as rounded for display", after.radians);
        Check(outcome.paneAppend.find(" radians\r\n") != std::string::npos, "line",
              outcome.paneAppend);
    }
    return 0;
}
