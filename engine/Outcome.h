#pragma once
// What a calculator operation asks the window to do once it has updated the fields.

#include <optional>
#include <string>
#include <string_view>

namespace orvanel {

enum class MessageStyle { Exclamation = 48, Information = 64 };

struct Message {
    std::string text;
    std::string title;
    MessageStyle style = MessageStyle::Exclamation;
    bool operator==(const Message&) const = default;
};

// Controls an operation may hand the focus to. A text field gets it with the caret at the end
// of its text.
enum class FocusTarget {
    Unchanged,
    Radians,
    ToAdd,
    Degrees,
    Minutes,
    Seconds,
    Deg2RadButton,
    Rad2DegButton
};

struct Outcome {
    std::optional<Message> message;             // shown after the fields are written
    FocusTarget focus = FocusTarget::Unchanged; // applied after the message is closed
    std::string paneLine;    // the line to add to the results pane, without its line end
    bool paneCommas = false; // turn every "." already in the pane into ","
};

} // namespace orvanel
