#pragma once
// What a calculator operation asks the window to do once it has updated the fields.

#include <algorithm>
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

// A conversion's result in its parts, "echo [unit] = value [unit]": 30°0'0" = 0.52360
// radians, 1.00000 radians = 57°17'45". The results pane shows the whole line, orvanel-cli
// --values the value alone.
struct ResultLine {
    std::string echo;          // the input as read: 30°0'0", 1.00000, (1 + 2) mod 2pi
    std::string_view echoUnit; // the input's unit, where its text does not show it: radians
    std::string value;         // the result: 0.52360, 57°17'45"
    std::string_view unit;     // the value's unit, likewise

    bool empty() const { return echo.empty() && value.empty(); }

    // Appends the line as the results pane shows it, without its line end; nothing for no
    // result.
    void appendTo(std::string& out) const {
        if (empty()) {
            return;
        }
        // One resize and plain copies: orvanel-cli writes millions of these.
        const std::size_t at = out.size();
        out.resize(at + echo.size() + (echoUnit.empty() ? 0 : echoUnit.size() + 1) + 3 +
                   value.size() + (unit.empty() ? 0 : unit.size() + 1));
        char* p = out.data() + at;
        const auto put = [&p](std::string_view text) {
            p = std::copy(text.begin(), text.end(), p);
        };
        put(echo);
        if (!echoUnit.empty()) {
            put(" ");
            put(echoUnit);
        }
        put(" = ");
        put(value);
        if (!unit.empty()) {
            put(" ");
            put(unit);
        }
    }

    std::string text() const {
        std::string line;
        appendTo(line);
        return line;
    }
};

struct Outcome {
    std::optional<Message> message;             // shown after the fields are written
    FocusTarget focus = FocusTarget::Unchanged; // applied after the message is closed
    ResultLine result;                          // what to add to the results pane, if anything
    bool paneCommas = false;                    // turn every "." already in the pane into ","
};

} // namespace orvanel
