// The main window's object under any run of the user's inputs, as a window can deliver them: a
// box is clicked only while it is enabled, a field holds any text, keys go down and up in any
// field. Whatever the run, the two options that exclude each other are never both checked, an
// option click sends the focus on to "Radians to degrees", a release of Enter converts only
// after its press in the same field, and start-up gives the same window from any state.
#include "FuzzSupport.h"
#include "MainWindow.h"

using namespace orvanel;
using namespace orvanel::fuzz;
using window::Gesture;

namespace {

bool Enabled(const window::MainWindow& w, std::string_view control) {
    for (const window::Shown& shown : w.shown()) {
        if (shown.control == control) {
            return shown.enabled.value_or(true);
        }
    }
    return true;
}

// What a window lets the user do to its controls before the input.
window::Edits Deliver(FuzzedDataProvider& data, const window::MainWindow& w,
                      const window::Input& input) {
    const window::State& state = w.state();
    window::Edits edits{state.fields, state.checks, state.paneHasSelection};
    window::Checks& c = edits.checks;
    if (input.control == "chkDecimal" && input.gesture == Gesture::Click) {
        c.outputInDecimal = !c.outputInDecimal;
    } else if (input.control == "chkRoundToMinutes" && input.gesture == Gesture::Click) {
        c.roundToMinutes = !c.roundToMinutes;
    }
    if (data.ConsumeBool() && Enabled(w, "optDecDegrees")) {
        c.decimalDegrees = data.ConsumeBool();
    }
    if (data.ConsumeBool()) {
        c.showPlusMinus = !c.showPlusMinus;
    }
    edits.paneHasSelection = data.ConsumeBool();
    std::string* fields[] = {&edits.fields.radians, &edits.fields.toAdd, &edits.fields.degrees,
                             &edits.fields.minutes, &edits.fields.seconds};
    *fields[data.ConsumeIntegralInRange<std::size_t>(0, 4)] = FieldText(data, 13);
    return edits;
}

window::Input RandomInput(FuzzedDataProvider& data) {
    const window::Wire& wire =
        window::kWiring[data.ConsumeIntegralInRange<std::size_t>(0, window::kWiring.size() - 1)];
    window::Input input{wire.control, wire.gesture};
    if (wire.gesture == Gesture::Enter) {
        constexpr Gesture kKeys[] = {Gesture::KeyDown, Gesture::KeyUp, Gesture::LeaveField};
        input.gesture = kKeys[data.ConsumeIntegralInRange(0, 2)];
        input.keyCode = data.ConsumeBool() ? window::kEnterKeyCode : 65;
        input.repeat = data.ConsumeIntegralInRange(0, 7) == 0;
    }
    input.entry = data.ConsumeIntegralInRange(0, kMostFigures - kFewestFigures);
    return input;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    NumberFormat format;
    format.decimalSeparator = data.ConsumeBool() ? "," : ".";
    window::MainWindow w(format);
    const window::Reply first = w.start();
    const window::State started = w.state();
    Check(first.outcome.focus == FocusTarget::Radians && started.startUpCompleted, "start-up");
    while (data.remaining_bytes() > 0) {
        const window::Input input = RandomInput(data);
        if (input.gesture == Gesture::Click && !Enabled(w, input.control)) {
            continue;
        }
        const std::string_view pressedIn = w.state().enterPressedIn;
        const window::Edits edits = Deliver(data, w, input);
        const window::Reply reply = w.handle(input, edits, {data.ConsumeBool(), true});
        const window::Checks& c = w.state().checks;
        Check(!(c.outputInDecimal && c.roundToMinutes), "decimal and rounded at once");
        if (input.control == "chkDecimal" || input.control == "chkRoundToMinutes") {
            Check(reply.outcome.focus == FocusTarget::Rad2DegButton && reply.outcome.result.empty(),
                  "an option click");
        }
        if (input.gesture == Gesture::KeyUp && !reply.outcome.result.empty()) {
            Check(pressedIn == input.control && input.keyCode == window::kEnterKeyCode &&
                      !input.repeat,
                  "Enter converts only after its press in the same field");
        }
    }
    Check(w.start().outcome.result.text() == first.outcome.result.text() && w.state() == started,
          "start-up from any state");
    return 0;
}
