#pragma once
// The main window without a toolkit: one object that owns the window's state, a table of which
// control sends which event, and what each event does (a line for the pane, a message, where
// the focus goes, what the view carries out besides). The desktop window and the page each keep
// one and are views over it: they hand it each input with what the user changed in the
// controls by hand, then show its state and carry out its reply.

#include "AngleEntry.h"
#include "Calculator.h"
#include "MainLayout.h"
#include "Outcome.h"
#include "ProductConstants.h"
#include "SignLabelTexts.h"
#include "StrProc.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::window {

enum class Event {
    Rad2Deg,
    Deg2Rad,
    Add,
    Subtract,
    Move,
    ChangeSign,
    ClearInput,
    DecimalClicked,        // the box already shows its new state
    RoundToMinutesClicked, // likewise
    FiguresChosen,
    SelectionChanged,
    ClearOutput,
    CopyOutput,
    ShowHelp,
    OpenPublisher,
    Quit,
};

// What the user does to a control. Enter stands for a press and release of the Enter key in
// the same field: the view reports the key's presses and releases and the field's losing the
// focus, and the model pairs them.
enum class Gesture { Click, Choose, SelectionChange, Enter, KeyDown, KeyUp, LeaveField };

inline constexpr std::array<std::string_view, 7> kGestureNames = {
    "click", "choose", "selectionChange", "enter", "keyDown", "keyUp", "leaveField"};

struct Wire {
    std::string_view control;
    Gesture gesture;
    Event event;
};

// Which control sends which event; a field's Enter runs its conversion.
inline constexpr std::array<Wire, 20> kWiring = {{
    {"txbOutput", Gesture::SelectionChange, Event::SelectionChanged},
    {"cmdQuit", Gesture::Click, Event::Quit},
    {"cmdClear0", Gesture::Click, Event::ClearOutput},
    {"cmdClear1", Gesture::Click, Event::ClearInput},
    {"cmdHelp", Gesture::Click, Event::ShowHelp},
    {"cboDecimalPlaces", Gesture::Choose, Event::FiguresChosen},
    {"cmdCopyOutput", Gesture::Click, Event::CopyOutput},
    {"cmdPlusMinus2", Gesture::Click, Event::Move},
    {"cmdPlusMinus1", Gesture::Click, Event::Subtract},
    {"cmdPlusMinus0", Gesture::Click, Event::Add},
    {"chkRoundToMinutes", Gesture::Click, Event::RoundToMinutesClicked},
    {"cmdRad2Deg", Gesture::Click, Event::Rad2Deg},
    {"txbRadians", Gesture::Enter, Event::Rad2Deg},
    {"chkDecimal", Gesture::Click, Event::DecimalClicked},
    {"txbSeconds", Gesture::Enter, Event::Deg2Rad},
    {"txbMinutes", Gesture::Enter, Event::Deg2Rad},
    {"txbDegrees", Gesture::Enter, Event::Deg2Rad},
    {"cmdChangeSign", Gesture::Click, Event::ChangeSign},
    {"cmdDeg2Rad", Gesture::Click, Event::Deg2Rad},
    {"lblCopyright", Gesture::Click, Event::OpenPublisher},
}};

// The row for `control`'s `gesture`, or nothing.
constexpr const Wire* WireFor(std::string_view control, Gesture gesture) {
    for (const Wire& wire : kWiring) {
        if (wire.control == control && wire.gesture == gesture) {
            return &wire;
        }
    }
    return nullptr;
}

// The key code of Enter, as the views report a key.
inline constexpr int kEnterKeyCode = 13;

struct Input {
    std::string_view control = {};
    Gesture gesture = Gesture::Click;
    int keyCode = 0;     // KeyDown, KeyUp
    bool repeat = false; // KeyDown, KeyUp: sent by the key's auto-repeat
    int entry = -1;      // Choose: the list entry chosen
};

// The check marks. "minutes" is the other option of its pair: it is selected exactly when
// "degrees" is not.
struct Checks {
    bool outputInDecimal = false; // chkDecimal
    bool roundToMinutes = false;  // chkRoundToMinutes
    bool decimalDegrees = true;   // optDecDegrees
    bool showPlusMinus = true;    // chkShowPlusMinus
    bool operator==(const Checks&) const = default;
};

// Whether each option can be used: rounding and decimal output grey each other, and the
// decimal form's pair can be chosen only while output is in decimal.
struct Enabled {
    bool outputInDecimal, roundToMinutes, decimalForm;
    bool always = true; // "Show +/- results"
};
constexpr Enabled EnabledOf(const Checks& checks) {
    return {!checks.roundToMinutes, !checks.outputInDecimal, checks.outputInDecimal};
}

// What the user changes in the controls without an event of the model's: the fields' texts,
// the check marks and option buttons, the pane's selection. A view hands them over with each
// input.
struct Edits {
    EntryFields fields; // but the sign, which only the model sets
    Checks checks;
    bool paneHasSelection = false;
};

// Where each control the user changes by hand stands in the edits. "Unchecked" is the other
// option of a pair: it is shown, but read through its partner.
enum class EditKind { Text, Checked, Unchecked, Selection };
inline constexpr std::array<std::string_view, 4> kEditNames = {"text", "checked", "unchecked",
                                                               "selection"};
struct EditOf {
    std::string_view control;
    EditKind kind;
    std::string EntryFields::*text = nullptr;
    bool Checks::*check = nullptr;
    bool Enabled::*enabled = nullptr;
};
inline constexpr std::array<EditOf, 11> kEdits = {{
    {"txbRadians", EditKind::Text, &EntryFields::radians},
    {"txbToAdd", EditKind::Text, &EntryFields::toAdd},
    {"txbDegrees", EditKind::Text, &EntryFields::degrees},
    {"txbMinutes", EditKind::Text, &EntryFields::minutes},
    {"txbSeconds", EditKind::Text, &EntryFields::seconds},
    {"chkDecimal", EditKind::Checked, nullptr, &Checks::outputInDecimal, &Enabled::outputInDecimal},
    {"chkRoundToMinutes", EditKind::Checked, nullptr, &Checks::roundToMinutes,
     &Enabled::roundToMinutes},
    {"optDecDegrees", EditKind::Checked, nullptr, &Checks::decimalDegrees, &Enabled::decimalForm},
    {"optDecMinutes", EditKind::Unchecked, nullptr, &Checks::decimalDegrees, &Enabled::decimalForm},
    {"chkShowPlusMinus", EditKind::Checked, nullptr, &Checks::showPlusMinus, &Enabled::always},
    {"txbOutput", EditKind::Selection},
}};

struct State {
    EntryFields fields;
    Checks checks;
    int figuresEntry = -1; // the precision list's chosen entry, -1 before the first choice
    // The sign label draws its "-" as a minus sign once Change sign is used.
    bool symbolFace = false;
    bool startUpCompleted = false;
    bool paneHasSelection = false;
    std::string_view enterPressedIn; // the field Enter went down in, while it is down
    bool operator==(const State&) const = default;
};

// What the view knows that is not the model's: whether the buttons the focus may be sent to
// can take it now.
struct Focusable {
    bool deg2Rad = true;
    bool rad2Deg = true;
};

// What a copy takes and how it leaves: the selection, or the whole pane when nothing is
// selected; its line ends as CR LF, the clipboard's; once copied, the selection collapses to
// its start, so that the copy button says again that a click takes the whole pane.
struct CopyRule {
    bool selectionFirst;
    std::string_view lineEnd;
    bool collapseAfter;
};
inline constexpr CopyRule kCopyRule = {true, kCrLf, true};

// What the view carries out besides the outcome.
enum class Command { None, ClearPane, CopyPane, ShowHelp, OpenPublisher, EndProgram };

struct Reply {
    Outcome outcome;
    std::optional<Event> event = {}; // the event the input sent, if any
    Command command = Command::None;
    bool listChosen = false; // the list shows the model's entry: set it, as the user did not
};

// A control as the model shows it: its text, check mark and whether it can be used, where it
// has them.
struct Shown {
    std::string_view control;
    std::optional<std::string> text = {};
    std::optional<bool> checked = {};
    std::optional<bool> enabled = {};
};

// The copy button says what a click copies: the selection, or the whole pane. (Each button
// grows to hold its longer caption by widths of its own.)
constexpr std::string_view CopyCaption(bool paneHasSelection) {
    return paneHasSelection ? layout::kCopySelectionCaption : layout::kCopyCaption;
}

// SigFigs for the precision list's entry, 0 before the first choice.
constexpr int SigFigsOfEntry(int figuresEntry) {
    return figuresEntry < 0 ? 0 : SigFigsOf(kFewestFigures + figuresEntry);
}

// "Orvanel 5.54".
inline std::string Title() {
    return std::string(SpecifySoftware::ProductName) + " " + SpecifySoftware::VersionText;
}

class MainWindow {
  public:
    explicit MainWindow(NumberFormat format) : m_format(std::move(format)) {}

    const State& state() const { return m_state; }
    const NumberFormat& format() const { return m_format; }

    // Start-up: the default options and empty fields, the line for one radian (worked out
    // before a precision is chosen), the focus in "Radians", the precision "7".
    Reply start() {
        m_state = State{};
        m_state.fields.radians = "1";
        Reply reply{ConvertRadiansToDegrees(m_state.fields, settings())};
        reply.outcome.focus = FocusTarget::Radians;
        m_state.figuresEntry = kStartFigures - kFewestFigures;
        m_state.startUpCompleted = true;
        reply.listChosen = true;
        return reply;
    }

    // The user's input, after the edits made by hand since the last one. An input that sends no
    // event (a key that is not Enter's release, a field left) changes nothing the view shows.
    Reply handle(const Input& input, const Edits& edits, const Focusable& focusable) {
        take(edits);
        const std::optional<Event> event = eventOf(input);
        if (!event) {
            return {};
        }
        if (*event == Event::FiguresChosen) {
            m_state.figuresEntry = input.entry;
        }
        Reply reply = run(*event, focusable);
        reply.event = event;
        return reply;
    }

    // Every control the model sets, as it now stands.
    std::vector<Shown> shown() const {
        std::vector<Shown> shown;
        const Enabled enabled = EnabledOf(m_state.checks);
        for (const EditOf& edit : kEdits) {
            Shown control{edit.control};
            if (edit.kind == EditKind::Text) {
                control.text = m_state.fields.*edit.text;
            } else if (edit.kind != EditKind::Selection) {
                const bool checked = m_state.checks.*edit.check;
                control.checked = edit.kind == EditKind::Checked ? checked : !checked;
                control.enabled = enabled.*edit.enabled;
            }
            if (edit.kind != EditKind::Selection) {
                shown.push_back(std::move(control));
            }
        }
        shown.push_back({"cmdCopyOutput", std::string(CopyCaption(m_state.paneHasSelection))});
        return shown;
    }

    std::string signSeen() const { return SignSeen(m_state.fields.sign, m_state.symbolFace); }
    std::string_view signHeard() const { return SignHeard(m_state.fields.sign); }

  private:
    void take(const Edits& edits) {
        for (const EditOf& edit : kEdits) {
            if (edit.kind == EditKind::Text) {
                m_state.fields.*edit.text = edits.fields.*edit.text;
            }
        }
        m_state.checks = edits.checks;
        m_state.paneHasSelection = edits.paneHasSelection;
    }

    // The event an input sends, if any; a field's key presses and releases pair into Enter.
    std::optional<Event> eventOf(const Input& input) {
        Gesture gesture = input.gesture;
        if (gesture == Gesture::KeyDown || gesture == Gesture::KeyUp ||
            gesture == Gesture::LeaveField) {
            if (!pairsEnter(input)) {
                return std::nullopt;
            }
            gesture = Gesture::Enter;
        }
        const Wire* wire = WireFor(input.control, gesture);
        return wire ? std::optional(wire->event) : std::nullopt;
    }

    // Enter counts only when released in the field that also received its press: a message
    // box closed with Enter must not see the release start the same conversion, and the same
    // message, again. The key's auto-repeat changes nothing.
    bool pairsEnter(const Input& input) {
        const Wire* wire = WireFor(input.control, Gesture::Enter);
        if (wire == nullptr || input.repeat) {
            return false;
        }
        const bool enter = input.keyCode == kEnterKeyCode;
        if (input.gesture == Gesture::KeyDown) {
            m_state.enterPressedIn = enter ? wire->control : std::string_view();
            return false;
        }
        const bool paired =
            input.gesture == Gesture::KeyUp && enter && m_state.enterPressedIn == wire->control;
        m_state.enterPressedIn = {};
        return paired;
    }

    CalcSettings settings() const {
        const Checks& c = m_state.checks;
        CalcSettings settings;
        settings.sigFigs = SigFigsOfEntry(m_state.figuresEntry);
        settings.options = {c.outputInDecimal, c.decimalDegrees, c.roundToMinutes, c.showPlusMinus};
        settings.format = m_format;
        return settings;
    }

    static Reply FocusOn(FocusTarget target) {
        Reply reply;
        reply.outcome.focus = target;
        return reply;
    }

    static Reply Carry(Command command) {
        Reply reply;
        reply.command = command;
        return reply;
    }

    Reply run(Event event, const Focusable& focusable) {
        EntryFields& fields = m_state.fields;
        switch (event) {
        case Event::Rad2Deg:
            return {ConvertRadiansToDegrees(fields, settings())};
        case Event::Deg2Rad:
            return {ConvertDegreesToRadians(fields, settings())};
        case Event::Add:
            return {PlusMinus(fields, PlusMinusIndex::Add, settings())};
        case Event::Subtract:
            return {PlusMinus(fields, PlusMinusIndex::Subtract, settings())};
        case Event::Move:
            return {PlusMinus(fields, PlusMinusIndex::Move, settings())};
        case Event::ChangeSign:
            m_state.symbolFace = true;
            return {ChangeSign(fields, focusable.deg2Rad)};
        case Event::ClearInput:
            ClearInput(fields);
            return {};
        case Event::DecimalClicked:
        case Event::RoundToMinutesClicked:
            // After an option click the focus goes on to "Radians to degrees", where it can.
            return FocusOn(focusable.rad2Deg ? FocusTarget::Rad2DegButton : FocusTarget::Unchanged);
        case Event::FiguresChosen:
            return FocusOn(m_state.startUpCompleted ? FocusTarget::Radians
                                                    : FocusTarget::Unchanged);
        case Event::SelectionChanged:
            return {};
        case Event::ClearOutput:
            return Carry(Command::ClearPane);
        case Event::CopyOutput:
            return Carry(Command::CopyPane);
        case Event::ShowHelp:
            return Carry(Command::ShowHelp);
        case Event::OpenPublisher:
            return Carry(Command::OpenPublisher);
        case Event::Quit:
            return Carry(Command::EndProgram);
        }
        return {};
    }

    NumberFormat m_format;
    State m_state;
};

} // namespace orvanel::window
