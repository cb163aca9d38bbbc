// The four commands and the sign toggle over random field texts and settings: what every
// command keeps (a result is one line, a message adds none and changes only what it should),
// results within one turn, the entry fields in range, the sign flips only the sign; and the
// conversions there and back, like adding and subtracting, keep the angle.
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

// The radians a field shows are within one turn, give or take half a unit of display.
bool WithinOneTurnAsShown(const std::string& radians, int decimals) {
    return std::fabs(ReadFieldNumber(radians, true)) <=
           TwoPi + 0.5 * std::pow(10.0, -decimals) + 1e-12;
}

void Rad2Deg(const CalcSettings& settings, const EntryFields& after, const Outcome& outcome) {
    const int d = std::stoi(after.degrees);
    const int m = std::stoi(after.minutes);
    Check(d >= 0 && d <= 360 && m >= 0 && m <= 59, "whole degrees and minutes", after.degrees);
    Check(settings.options.roundToMinutes == after.seconds.empty(), "seconds field");
    Check(after.seconds.empty() || std::stoi(after.seconds) <= 59, "seconds", after.seconds);
    if (settings.options.outputInDecimal && !settings.options.decimalDegrees) {
        const std::string& degrees = outcome.result.value;
        const auto minutes = degrees.find("°") + 2;
        Check(degrees.compare(minutes, 2, "60") != 0, "never 60 decimal minutes", degrees);
        Check(degrees[minutes] != '-', "no minus on the minutes", degrees);
    }
}

// Both ways round, where the texts in between can carry the angle: degrees -> radians ->
// degrees keeps the typed angle within half a unit of the radians shown and half a second.
void RoundTrip(FuzzedDataProvider& data) {
    CalcSettings settings;
    settings.sigFigs = data.ConsumeIntegralInRange<int>(5, 8);
    const double halfUnit = 0.5 * std::pow(10.0, -(settings.sigFigs - 1));
    EntryFields fields;
    const int typed[] = {data.ConsumeIntegralInRange<int>(0, 359),
                         data.ConsumeIntegralInRange<int>(0, 59),
                         data.ConsumeIntegralInRange<int>(0, 59)};
    fields.degrees = std::to_string(typed[0]);
    fields.minutes = std::to_string(typed[1]);
    fields.seconds = std::to_string(typed[2]);
    ConvertDegreesToRadians(fields, settings);
    const double shown = ReadFieldNumber(fields.radians, false);
    ConvertRadiansToDegrees(fields, settings);
    const double seconds = std::stoi(fields.degrees) * 3600 + std::stoi(fields.minutes) * 60 +
                           std::stoi(fields.seconds);
    const double typedSeconds = typed[0] * 3600 + typed[1] * 60 + typed[2];
    Check(std::fabs(seconds - typedSeconds) <= std::max(halfUnit / TwoPi * 1296000 + 0.5, 1.0),
          "degrees to radians and back", fields.radians);
    ConvertDegreesToRadians(fields, settings);
    Check(std::fabs(ReadFieldNumber(fields.radians, false) - shown) <=
              2 * halfUnit + 0.5 / 1296000 * TwoPi + 1e-12,
          "radians to degrees and back", fields.radians);
    // Adding a value and subtracting it again comes back to the start, modulo one turn.
    const double start = data.ConsumeFloatingPointInRange<double>(-TwoPi, TwoPi);
    fields.radians = GeneralNumberText(start);
    fields.toAdd = GeneralNumberText(data.ConsumeFloatingPointInRange<double>(-TwoPi, TwoPi));
    PlusMinus(fields, PlusMinusIndex::Add, settings);
    PlusMinus(fields, PlusMinusIndex::Subtract, settings);
    const double apart =
        std::fmod(std::fabs(ReadFieldNumber(fields.radians, false) - start), TwoPi);
    Check(std::min(apart, TwoPi - apart) <= 3 * halfUnit + 1e-12, "add then subtract",
          fields.radians);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int command = data.ConsumeIntegralInRange<int>(0, 6);
    if (command == 6) {
        RoundTrip(data);
        return 0;
    }
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

    const std::string line = outcome.result.text();
    Check(line.find_first_of("\r\n") == std::string::npos, "a result line is one line", line);
    Check(!(outcome.message && !line.empty()), "a message adds no line");
    const int decimals = std::max(ResolveDecimals(settings.sigFigs - 1, settings.format), 0);
    if (command == 0 && !line.empty()) {
        Check(WithinOneTurnAsShown(after.radians, decimals), "one turn", after.radians);
    } else if (command == 1 && outcome.message) {
        Check(after == before, "a range message changes nothing");
    } else if (command == 1 && !before.radians.empty()) {
        Check(WithinOneTurnAsShown(after.radians, decimals), "one turn", after.radians);
        Rad2Deg(settings, after, outcome);
    } else if (command == 4) {
        Check(after.toAdd == before.radians && after.radians.empty(), "move copies unread");
    } else if ((command == 2 || command == 3) && !outcome.message && !before.toAdd.empty()) {
        Check(after.radians[0] != '-' && WithinOneTurnAsShown(after.radians, decimals),
              "sum within one turn", after.radians);
        Check(settings.options.showPlusMinus != line.empty(), "the log follows its option");
    } else if (command == 5) {
        const bool blank = after.degrees.empty() && after.minutes.empty() && after.seconds.empty();
        Check(blank ? after.sign.empty() : (after.sign == "-") == (before.sign != "-"), "flip");
        Check(after.radians == before.radians && after.toAdd == before.toAdd, "only the sign");
    }
    return 0;
}
