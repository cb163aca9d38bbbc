// Radians to degrees, all four forms, over random texts and settings: fields hold whole
// degrees 0..360 and minutes and seconds 0..59; a range message changes nothing.
#include "FuzzSupport.h"

#include <string>

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto [settings, before, after, outcome] = RunCommand(data, ConvertRadiansToDegrees);
    if (outcome.message) {
        Check(after == before, "a range message changes nothing");
        return 0;
    }
    if (before.radians.empty()) {
        Check(after == before && outcome.paneAppend.empty(), "empty text does nothing");
        return 0;
    }
    const long d = std::stol(after.degrees);
    const long m = std::stol(after.minutes);
    Check(d >= 0 && d <= 360 && m >= 0 && m <= 59, "whole degrees and minutes", after.degrees);
    Check(settings.options.roundToMinutes == after.seconds.empty(), "seconds field");
    if (!after.seconds.empty()) {
        const long s = std::stol(after.seconds);
        Check(s >= 0 && s <= 59, "seconds", after.seconds);
    }
    if (settings.options.outputInDecimal && !settings.options.decimalDegrees) {
        const auto degree = outcome.paneAppend.find("°");
        Check(outcome.paneAppend.compare(degree + 2, 2, "60") != 0, "never 60 decimal minutes",
              outcome.paneAppend);
        Check(outcome.paneAppend.compare(degree + 2, 1, "-") != 0, "no minus on the minutes",
              outcome.paneAppend);
    }
    return 0;
}
