// The main window's model under any run of the user's events, as a window can deliver them: a
// box is clicked only while it is enabled, a field holds any text. Whatever the run, the two
// options that exclude each other are never both checked, each greys the other, the decimal
// form's pair is usable exactly while output is in decimal, an option click sends the focus on
// to "Radians to degrees", and start-up gives the same window from any state.
#include "FuzzSupport.h"
#include "MainWindow.h"

using namespace orvanel;
using namespace orvanel::fuzz;
using window::Event;

namespace {

void CheckOptions(const window::Options& o) {
    Check(!(o.outputInDecimal.checked && o.roundToMinutes.checked), "decimal and rounded at once");
    Check(o.roundToMinutes.enabled == !o.outputInDecimal.checked, "rounding greyed by decimal");
    Check(o.outputInDecimal.enabled == !o.roundToMinutes.checked, "decimal greyed by rounding");
    Check(o.decimalDegrees.enabled == o.outputInDecimal.checked &&
              o.decimalMinutesEnabled == o.outputInDecimal.checked,
          "the decimal form usable with decimal output");
}

// What a window lets the user do to its controls before the event.
void Deliver(FuzzedDataProvider& data, window::State& state, Event event) {
    window::Options& o = state.options;
    if (event == Event::DecimalClicked && o.outputInDecimal.enabled) {
        o.outputInDecimal.checked = !o.outputInDecimal.checked;
    } else if (event == Event::RoundToMinutesClicked && o.roundToMinutes.enabled) {
        o.roundToMinutes.checked = !o.roundToMinutes.checked;
    } else if (event == Event::FiguresChosen) {
        state.figuresEntry = data.ConsumeIntegralInRange(0, kMostFigures - kFewestFigures);
    } else if (event == Event::SelectionChanged) {
        state.paneHasSelection = data.ConsumeBool();
    }
    if (data.ConsumeBool() && o.decimalDegrees.enabled) {
        o.decimalDegrees.checked = data.ConsumeBool();
    }
    if (data.ConsumeBool()) {
        o.showPlusMinus.checked = !o.showPlusMinus.checked;
    }
    std::string* fields[] = {&state.fields.radians, &state.fields.toAdd, &state.fields.degrees,
                             &state.fields.minutes, &state.fields.seconds};
    *fields[data.ConsumeIntegralInRange<std::size_t>(0, 4)] = FieldText(data, 13);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    window::Context context;
    context.format.decimalSeparator = data.ConsumeBool() ? "," : ".";
    window::State state;
    const Outcome first = window::Handle(state, Event::Load, context);
    const window::State started = state;
    Check(first.focus == FocusTarget::Radians && state.startUpCompleted, "start-up");
    while (data.remaining_bytes() > 0) {
        const auto event = static_cast<Event>(
            data.ConsumeIntegralInRange<int>(0, static_cast<int>(Event::SelectionChanged)));
        const bool clickable =
            (event != Event::DecimalClicked || state.options.outputInDecimal.enabled) &&
            (event != Event::RoundToMinutesClicked || state.options.roundToMinutes.enabled);
        if (!clickable) {
            continue;
        }
        Deliver(data, state, event);
        const Outcome outcome = window::Handle(state, event, context);
        CheckOptions(state.options);
        if (event == Event::DecimalClicked || event == Event::RoundToMinutesClicked) {
            Check(outcome.focus == FocusTarget::Rad2DegButton && outcome.result.empty(),
                  "an option click");
        }
    }
    Check(window::Handle(state, Event::Load, context).result.text() == first.result.text() &&
              state == started,
          "start-up from any state");
    return 0;
}
