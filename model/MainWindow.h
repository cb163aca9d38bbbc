#pragma once
// What the main window does, without a toolkit: the state of its controls, how each of the
// user's events changes it, and what the window must do next (a line for the pane, a message,
// where the focus goes). The desktop window and the page are views over it: they copy their
// controls into a State, hand over the event, write the State back and carry out the Outcome.

#include "AngleEntry.h"
#include "Calculator.h"
#include "MainLayout.h"
#include "Outcome.h"

#include <string_view>

namespace orvanel::window {

struct Choice {
    bool checked = false;
    bool enabled = true;
    bool operator==(const Choice&) const = default;
};

// The output options. "minutes" is the other option of its pair: it is selected exactly when
// "degrees" is not, so only whether it is enabled is its own.
struct Options {
    Choice outputInDecimal; // chkDecimal
    Choice roundToMinutes;  // chkRoundToMinutes
    Choice decimalDegrees;  // optDecDegrees
    bool decimalMinutesEnabled = true;
    Choice showPlusMinus; // chkShowPlusMinus
    bool operator==(const Options&) const = default;
};

struct State {
    EntryFields fields;
    Options options;
    int figuresEntry = -1; // the precision list's chosen entry, -1 before the first choice
    // The sign label draws its "-" as a minus sign once Change sign is used.
    bool symbolFace = false;
    bool startUpCompleted = false;
    bool paneHasSelection = false;
    bool operator==(const State&) const = default;
};

// What the window knows that is not the model's: the regional number settings, and whether
// the buttons the focus may be sent to can take it now.
struct Context {
    NumberFormat format;
    bool deg2RadFocusable = true;
    bool rad2DegFocusable = true;
};

enum class Event {
    Load,
    Rad2Deg,
    Deg2Rad,
    Add,
    Subtract,
    Move,
    ChangeSign,
    ClearInput,
    DecimalClicked,        // the box already shows its new state
    RoundToMinutesClicked, // likewise
    FiguresChosen,         // figuresEntry already holds the entry chosen
    SelectionChanged,      // paneHasSelection already says whether there is one now
};

inline Options DefaultOptions() {
    Options options;
    options.outputInDecimal = {false, true};
    options.roundToMinutes = {false, true};
    options.decimalDegrees = {true, false};
    options.decimalMinutesEnabled = false;
    options.showPlusMinus = {true, true};
    return options;
}

// SigFigs for the precision list's entry, 0 before the first choice.
constexpr int SigFigsOfEntry(int figuresEntry) {
    return figuresEntry < 0 ? 0 : SigFigsOf(kFewestFigures + figuresEntry);
}

inline CalcSettings Settings(const State& state, const Context& context) {
    const Options& o = state.options;
    CalcSettings settings;
    settings.sigFigs = SigFigsOfEntry(state.figuresEntry);
    settings.options = {o.outputInDecimal.checked, o.decimalDegrees.checked,
                        o.roundToMinutes.checked, o.showPlusMinus.checked};
    settings.format = context.format;
    return settings;
}

// The decimal form's pair can be chosen only while output is in decimal.
inline void FollowOutputInDecimal(Options& options) {
    options.decimalDegrees.enabled = options.outputInDecimal.checked;
    options.decimalMinutesEnabled = options.outputInDecimal.checked;
}

inline Outcome FocusOn(FocusTarget target) {
    Outcome outcome;
    outcome.focus = target;
    return outcome;
}

// After an option click the focus goes on to "Radians to degrees", where it can go.
inline Outcome FocusRad2Deg(const Context& context) {
    return FocusOn(context.rad2DegFocusable ? FocusTarget::Rad2DegButton : FocusTarget::Unchanged);
}

// Start-up: the default options and empty fields, the line for one radian (worked out before a
// precision is chosen), the focus in "Radians", the precision "7".
inline Outcome Load(State& state, const Context& context) {
    state = State{};
    state.options = DefaultOptions();
    state.fields.radians = "1";
    Outcome outcome = ConvertRadiansToDegrees(state.fields, Settings(state, context));
    outcome.focus = FocusTarget::Radians;
    state.figuresEntry = kStartFigures - kFewestFigures;
    state.startUpCompleted = true;
    return outcome;
}

inline Outcome Handle(State& state, Event event, const Context& context) {
    Options& options = state.options;
    switch (event) {
    case Event::Load:
        return Load(state, context);
    case Event::Rad2Deg:
        return ConvertRadiansToDegrees(state.fields, Settings(state, context));
    case Event::Deg2Rad:
        return ConvertDegreesToRadians(state.fields, Settings(state, context));
    case Event::Add:
    case Event::Subtract:
    case Event::Move:
        return PlusMinus(
            state.fields,
            static_cast<PlusMinusIndex>(static_cast<int>(event) - static_cast<int>(Event::Add)),
            Settings(state, context));
    case Event::ChangeSign:
        state.symbolFace = true;
        return ChangeSign(state.fields, context.deg2RadFocusable);
    case Event::ClearInput:
        ClearInput(state.fields);
        return {};
    case Event::DecimalClicked:
        options.roundToMinutes.enabled = !options.outputInDecimal.checked;
        FollowOutputInDecimal(options);
        return FocusRad2Deg(context);
    case Event::RoundToMinutesClicked:
        options.outputInDecimal.enabled = !options.roundToMinutes.checked;
        FollowOutputInDecimal(options);
        return FocusRad2Deg(context);
    case Event::FiguresChosen:
        return FocusOn(state.startUpCompleted ? FocusTarget::Radians : FocusTarget::Unchanged);
    case Event::SelectionChanged:
        return {};
    }
    return {};
}

// The copy button says what a click copies: the selection, or the whole pane. (Each button
// grows to hold its longer caption by widths of its own.)
constexpr std::string_view CopyCaption(bool paneHasSelection) {
    return paneHasSelection ? layout::kCopySelectionCaption : layout::kCopyCaption;
}

} // namespace orvanel::window
