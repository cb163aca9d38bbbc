// The sign toggle: only "" or "-", flipped unless the three fields are blank, digits kept.
#include "FuzzSupport.h"
#include "StrProc.h"

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    EntryFields before = Fields(data);
    if (data.ConsumeBool()) {
        before.sign = FieldText(data, 3);
    }
    EntryFields after = before;
    const bool focusable = data.ConsumeBool();
    const Outcome outcome = ChangeSign(after, focusable);
    Check(after.sign.empty() || after.sign == "-", "sign is empty or a minus", after.sign);
    Check(after.degrees == TrimBlanks(before.degrees) && after.radians == before.radians,
          "digits kept");
    const bool allBlank = after.degrees.empty() && after.minutes.empty() && after.seconds.empty();
    Check(allBlank ? after.sign.empty() : (after.sign == "-") == (before.sign != "-"), "flip");
    Check((outcome.focus == FocusTarget::Deg2RadButton) == focusable, "focus");
    return 0;
}
