// The four commands and the sign toggle over random field texts and settings: what every
// command keeps (a line ends in CR LF, a message adds none and changes only what it should),
// results within one turn, the entry fields in range, and the sign flips only the sign.
#include "Calculator.h"
#include "FuzzSupport.h"

#include <cmath>

using namespace orvanel;
using namespace orvanel::fuzz;

namespace {

CalcSettings Settings(FuzzedDataProvider& data) {
    CalcSettings settings;
    settings.sigFigs = data.ConsumeIntegralInRange<int>(data.ConsumeBool() ? 5 : -2, 8);
    OutputOptions& options = settings.options;
    options.outputInDecimal = data.ConsumeBool();
    options.decimalDegrees = data.ConsumeBool();
    options.roundToMinutes = !options.outputInDecimal && data.ConsumeBool();
    options.showPlusMinus = data.ConsumeBool();
    settings.format.decimalSeparator = data.ConsumeBool() ? "," : ".";
    return settings;
}

double Shown(const std::string& radians) {
    return ReadFieldNumber(radians, true);
}

// Rounded for display, a value within one turn can show half a unit above it.
bool WithinOneTurnAsShown(double r, int decimals) {
    return std::fabs(r) <= TwoPi + 0.5 * std::pow(10.0, -decimals) + 1e-12;
}

void Rad2Deg(const CalcSettings& settings, const EntryFields& after, const Outcome& outcome) {
    const int d = std::stoi(after.degrees);
    const int m = std::stoi(after.minutes);
    Check(d >= 0 && d <= 360 && m >= 0 && m <= 59, "whole degrees and minutes", after.degrees);
    Check(settings.options.roundToMinutes == after.seconds.empty(), "seconds field");
    Check(after.seconds.empty() || std::stoi(after.seconds) <= 59, "seconds", after.seconds);
    if (settings.options.outputInDecimal && !settings.options.decimalDegrees) {
        const auto minutes = outcome.paneAppend.find("°") + 2;
        Check(outcome.paneAppend.compare(minutes, 2, "60") != 0, "never 60 decimal minutes",
              outcome.paneAppend);
        Check(outcome.paneAppend[minutes] != '-', "no minus on the minutes", outcome.paneAppend);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int command = data.ConsumeIntegralInRange<int>(0, 5);
    const CalcSettings settings = Settings(data);
    EntryFields before; // up to and beyond the typing limits: the program writes longer texts
    for (std::string* text : {&before.radians, &before.toAdd, &before.degrees, &before.minutes,
                              &before.seconds, &before.sign}) {
        *text = FieldText(data, text == &before.sign ? 2 : 20);
    }
    EntryFields after = before;
    const bool focusable = data.ConsumeBool();
    const Outcome outcome =
        command == 0   ? ConvertDegreesToRadians(after, settings)
        : command == 1 ? ConvertRadiansToDegrees(after, settings)
        : command == 5 ? ChangeSign(after, focusable)
                       : PlusMinus(after, static_cast<PlusMinusIndex>(command - 2), settings);

    const std::string& line = outcome.paneAppend;
    Check(line.empty() || line.ends_with("\r\n"), "a result line ends in CR LF", line);
    Check(!(outcome.message && !line.empty()), "a message adds no line");
    const int decimals = std::max(ResolveDecimals(settings.sigFigs - 1, settings.format), 0);
    if (command == 0 && !line.empty()) {
        Check(WithinOneTurnAsShown(Shown(after.radians), decimals), "one turn", after.radians);
    } else if (command == 1 && outcome.message) {
        Check(after == before, "a range message changes nothing");
    } else if (command == 1 && !before.radians.empty()) {
        Check(WithinOneTurnAsShown(Shown(after.radians), decimals), "one turn", after.radians);
        Rad2Deg(settings, after, outcome);
    } else if (command == 4) {
        Check(after.toAdd == before.radians && after.radians.empty(), "move copies unread");
    } else if ((command == 2 || command == 3) && !outcome.message && !before.toAdd.empty()) {
        const double r = Shown(after.radians);
        Check(r >= 0 && WithinOneTurnAsShown(r, decimals), "sum within one turn", after.radians);
        Check(settings.options.showPlusMinus != line.empty(), "the log follows its option");
    } else if (command == 5) {
        const bool blank = after.degrees.empty() && after.minutes.empty() && after.seconds.empty();
        Check(blank ? after.sign.empty() : (after.sign == "-") == (before.sign != "-"), "flip");
        Check(after.radians == before.radians && after.toAdd == before.toAdd, "only the sign");
    }
    return 0;
}
