// Adding, subtracting and moving over random texts and settings: results lie within one turn,
// range messages leave the fields as documented, moving copies the text unread.
#include "FuzzSupport.h"
#include "StrProc.h"

#include <algorithm>
#include <cmath>

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto index = static_cast<PlusMinusIndex>(data.ConsumeIntegralInRange<int>(0, 2));
    const auto [settings, before, after, outcome] = RunCommand(
        data, [index](EntryFields& f, const CalcSettings& s) { return PlusMinus(f, index, s); });
    if (index == PlusMinusIndex::Move) {
        Check(after.toAdd == before.radians && after.radians.empty(), "move");
        return 0;
    }
    if (before.toAdd.empty()) {
        Check(after == before && !outcome.message, "empty second value does nothing");
        return 0;
    }
    if (outcome.message) {
        Check(outcome.message->text == "Radians out of range" ? after == before
                                                              : after.toAdd == before.toAdd,
              "range message leaves the fields", outcome.message->text);
        return 0;
    }
    const double r = ReadLeadingNumber(ReplaceChar(after.radians, ',', '.'));
    const int shown = std::max(settings.sigFigs - 1, 0);
    Check(r >= 0 && r <= TwoPi + 0.5 * std::pow(10.0, -shown) + 1e-12, "result within one turn",
          after.radians);
    Check(settings.options.showPlusMinus != outcome.paneAppend.empty(), "log line");
    return 0;
}
