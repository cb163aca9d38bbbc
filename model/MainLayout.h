#pragma once
// The main window's controls as data: kind, place in twips, caption, and the names assistive
// technology gives them, in tab order. The desktop window and the page in the browser are both
// built from this one table, so they cannot drift apart. No toolkit here.

#include "AngleEntry.h"
#include "Calculator.h"
#include "Pixels.h"

#include <array>
#include <string>
#include <string_view>

namespace orvanel::layout {

enum class Kind { Frame, Label, Sign, Field, Button, CheckBox, Option, List, Pane, Link };

struct Rect {
    int left, top, width, height;
};

struct Control {
    std::string_view name;
    Kind kind;
    std::string_view frame; // the frame it sits in; empty: the window itself
    Rect twips;             // within its frame
    std::string_view caption = {};
    // For a label, the control it names; for anything else, what assistive technology calls it
    // where neither its caption nor a label says it (a symbol face, an unlabelled field).
    std::string_view names = {};
    int maxLength = 0; // for entry fields
};

inline constexpr int kWindowWidth = 11955; // the client area, in twips
inline constexpr int kWindowHeight = 4065;

// The copy button grows to hold its longer caption while the pane has a selection.
inline constexpr std::string_view kCopyCaption = "Copy to clipboard";
inline constexpr std::string_view kCopySelectionCaption = "Copy selected text to clipboard";
inline constexpr int kCopyWidth = 2400;
inline constexpr int kCopySelectionWidth = 3100;

// Focusable controls in tab order; a frame stands before its controls, a label anywhere.
// The notice's caption is the product's copyright notice, which each front end fills in.
inline constexpr std::array<Control, 32> kMainControls = {{
    {"txbOutput", Kind::Pane, "", {6720, 600, 5055, 3255}, "", "Results"},
    {"cmdQuit", Kind::Button, "", {5070, 3075, 1450, 375}, "Quit"},
    {"cmdClear0", Kind::Button, "", {1785, 3075, 1450, 375}, "Clear output"},
    {"cmdClear1", Kind::Button, "", {120, 3075, 1450, 375}, "Clear input"},
    {"cmdHelp", Kind::Button, "", {3400, 3075, 1450, 375}, "Help"},
    {"chkShowPlusMinus", Kind::CheckBox, "", {6720, 195, 1815, 275}, "Show +/- results"},
    {"Label5", Kind::Label, "", {9375, 195, 1695, 275}, "Significant figures:", "cboDecimalPlaces"},
    {"cboDecimalPlaces", Kind::List, "", {11145, 150, 615, 315}},
    {"cmdCopyOutput", Kind::Button, "", {120, 3600, 2865, 315}, kCopyCaption},
    {"Frame1", Kind::Frame, "", {120, 120, 6495, 1455}},
    {"optDecMinutes", Kind::Option, "Frame1", {5235, 1020, 1025, 375}, "minutes"},
    {"optDecDegrees", Kind::Option, "Frame1", {4200, 1020, 1025, 375}, "degrees"},
    {"cmdPlusMinus2",
     Kind::Button,
     "Frame1",
     {3930, 225, 480, 360},
     "\u2192",
     "Move radians to second value"},
    {"cmdPlusMinus1", Kind::Button, "Frame1", {3375, 225, 400, 360}, "\u2212", "Subtract"},
    {"cmdPlusMinus0", Kind::Button, "Frame1", {2865, 225, 400, 360}, "+", "Add"},
    {"txbToAdd",
     Kind::Field,
     "Frame1",
     {4575, 225, 1600, 360},
     "",
     "Second value",
     kRadiansMaxLength},
    {"chkRoundToMinutes", Kind::CheckBox, "Frame1", {2160, 750, 1935, 375}, "Round to minutes"},
    {"cmdRad2Deg", Kind::Button, "Frame1", {120, 720, 1900, 375}, kRad2DegCaption},
    {"Label1", Kind::Label, "Frame1", {150, 225, 795, 255}, "Radians", "txbRadians"},
    {"txbRadians", Kind::Field, "Frame1", {1050, 225, 1600, 360}, "", "", kRadiansMaxLength},
    {"chkDecimal", Kind::CheckBox, "Frame1", {4200, 720, 2000, 375}, "Output in decimal"},
    {"Frame2", Kind::Frame, "", {120, 1680, 6495, 1215}},
    {"Label4", Kind::Label, "Frame2", {3735, 285, 1050, 360}, "seconds:", "txbSeconds"},
    {"txbSeconds", Kind::Field, "Frame2", {4630, 240, 550, 360}, "", "", kSecondsMaxLength},
    {"Label3", Kind::Label, "Frame2", {2280, 285, 1095, 360}, "minutes:", "txbMinutes"},
    {"txbMinutes", Kind::Field, "Frame2", {3080, 240, 550, 360}, "", "", kMinutesMaxLength},
    {"lblSign", Kind::Sign, "Frame2", {50, 240, 255, 255}},
    {"Label2", Kind::Label, "Frame2", {375, 240, 1095, 360}, "Degrees:", "txbDegrees"},
    {"txbDegrees", Kind::Field, "Frame2", {1280, 240, 900, 360}, "", "", kDegreesMaxLength},
    // "Change sign " ends in a blank, as users and screen readers have always known it.
    {"cmdChangeSign", Kind::Button, "Frame2", {3750, 720, 1455, 360}, "Change sign "},
    {"cmdDeg2Rad", Kind::Button, "Frame2", {120, 720, 1900, 375}, kDeg2RadCaption},
    {"lblCopyright", Kind::Link, "", {3360, 3600, 3135, 255}},
}};

// The page's reading order: the controls top to bottom, the left column first, each with the
// group it sits in, its column, and the unit it belongs to: controls of one unit (a label and
// its field, the adder's buttons) stay together on a line when the page wraps its lines on a
// narrow screen. The page's DOM and so its Tab key follow this order. It departs on purpose
// from the window's tab order above (right to left, bottom to top), which the desktop keeps: a
// page is read, and tabbed through, in the order it is read.
struct Placed {
    std::string_view name;
    std::string_view group; // a frame of the table, or a group of the page's own
    int column;             // 1 left, 2 right; one column on a narrow screen
    int unit;
};

inline constexpr std::array<Placed, 29> kReadingOrder = {{
    {"Label1", "Frame1", 1, 1},        {"txbRadians", "Frame1", 1, 1},
    {"cmdPlusMinus0", "Frame1", 1, 2}, {"cmdPlusMinus1", "Frame1", 1, 2},
    {"cmdPlusMinus2", "Frame1", 1, 2}, {"txbToAdd", "Frame1", 1, 2},
    {"cmdRad2Deg", "Frame1", 1, 3},    {"chkRoundToMinutes", "Frame1", 1, 4},
    {"chkDecimal", "Frame1", 1, 5},    {"optDecDegrees", "Frame1", 1, 6},
    {"optDecMinutes", "Frame1", 1, 6}, {"lblSign", "Frame2", 1, 7},
    {"Label2", "Frame2", 1, 7},        {"txbDegrees", "Frame2", 1, 7},
    {"Label3", "Frame2", 1, 8},        {"txbMinutes", "Frame2", 1, 8},
    {"Label4", "Frame2", 1, 9},        {"txbSeconds", "Frame2", 1, 9},
    {"cmdDeg2Rad", "Frame2", 1, 10},   {"cmdChangeSign", "Frame2", 1, 11},
    {"cmdClear1", "commands", 1, 12},  {"cmdClear0", "commands", 1, 13},
    {"cmdHelp", "commands", 1, 14},    {"cmdCopyOutput", "foot", 1, 15},
    {"lblCopyright", "foot", 1, 16},   {"chkShowPlusMinus", "options", 2, 17},
    {"Label5", "options", 2, 18},      {"cboDecimalPlaces", "options", 2, 18},
    {"txbOutput", "results", 2, 19},
}};

// How each entry field is used: whether it takes a minus (a phone then needs a keyboard that
// has one), and the control that describes it to a screen reader (the sign stands before the
// degrees). What its Enter runs is the window's wiring (MainWindow.h).
struct FieldUse {
    std::string_view name;
    bool takesMinus;
    std::string_view describedBy = {};
};

inline constexpr std::array<FieldUse, 5> kFieldUses = {{
    {"txbRadians", true},
    {"txbToAdd", true},
    {"txbDegrees", false, "lblSign"},
    {"txbMinutes", false},
    {"txbSeconds", false},
}};

// The control that `target` gives the focus to: "txbRadians"; empty for none.
constexpr std::string_view ControlOf(FocusTarget target) {
    switch (target) {
    case FocusTarget::Unchanged:
        return "";
    case FocusTarget::Radians:
        return "txbRadians";
    case FocusTarget::ToAdd:
        return "txbToAdd";
    case FocusTarget::Degrees:
        return "txbDegrees";
    case FocusTarget::Minutes:
        return "txbMinutes";
    case FocusTarget::Seconds:
        return "txbSeconds";
    case FocusTarget::Deg2RadButton:
        return "cmdDeg2Rad";
    case FocusTarget::Rad2DegButton:
        return "cmdRad2Deg";
    }
    return "";
}

// The control of that name; the table holds every name the windows ask for.
constexpr const Control& Find(std::string_view name) {
    for (const Control& control : kMainControls) {
        if (control.name == name) {
            return control;
        }
    }
    return kMainControls.front(); // unreachable for the names the windows use
}

// The member `index` of a control array: "cmdPlusMinus" and 1 name "cmdPlusMinus1".
inline std::string_view Member(std::string_view array, int index) {
    return Find(std::string(array) + std::to_string(index)).name;
}

// The name a label gives its control without the colon: "Degrees:" names "Degrees".
constexpr std::string_view LabelName(const Control& label) {
    return label.caption.substr(0, label.caption.find(':'));
}

} // namespace orvanel::layout
