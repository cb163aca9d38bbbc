// The calculator's engine for the page in the browser, compiled to WebAssembly. The page hands
// over the controls' texts and states, the engine runs the command on them and hands back the
// fields, the pane's line, the message and the focus, as the desktop window's handlers do with
// the same engine.
//
// Requests and answers are entries "KEY:LENGTH:VALUE", one after another, LENGTH the number of
// bytes of VALUE in decimal. No text a user types can split or bend them: a value holds any
// bytes, separators and NULs included. Values are UTF-8, in which a lone surrogate a paste may
// leave in a field is written as any other code point (WTF-8), so every field comes back as it
// went. A request that is not made so gets the answer "error" with the reason.
#include "BatchOptions.h"
#include "Calculator.h"
#include "Exports.h"
#include "MainLayout.h"
#include "MainWindow.h"
#include "ProductConstants.h"
#include "SignLabelTexts.h"
#include "StrProc.h"
#include "ViewerMessages.h"
#include "WebAddress.h"
#include "Wire.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvanel;

using wire::Append;
using wire::Decode;
using wire::Entries;

// The window's state as entries: the flags, "1" or "0", that a request gives and its answer
// gives back.
struct Flag {
    std::string_view key;
    bool& (*of)(window::State&);
};
constexpr std::array<Flag, 11> kStateFlags = {{
    {"outputInDecimal",
     [](window::State& s) -> bool& { return s.options.outputInDecimal.checked; }},
    {"outputInDecimalEnabled",
     [](window::State& s) -> bool& { return s.options.outputInDecimal.enabled; }},
    {"roundToMinutes", [](window::State& s) -> bool& { return s.options.roundToMinutes.checked; }},
    {"roundToMinutesEnabled",
     [](window::State& s) -> bool& { return s.options.roundToMinutes.enabled; }},
    {"decimalDegrees", [](window::State& s) -> bool& { return s.options.decimalDegrees.checked; }},
    {"decimalDegreesEnabled",
     [](window::State& s) -> bool& { return s.options.decimalDegrees.enabled; }},
    {"decimalMinutesEnabled",
     [](window::State& s) -> bool& { return s.options.decimalMinutesEnabled; }},
    {"showPlusMinus", [](window::State& s) -> bool& { return s.options.showPlusMinus.checked; }},
    {"symbolFace", [](window::State& s) -> bool& { return s.symbolFace; }},
    {"startUpCompleted", [](window::State& s) -> bool& { return s.startUpCompleted; }},
    {"paneHasSelection", [](window::State& s) -> bool& { return s.paneHasSelection; }},
}};

// The context's flags, which a request gives and its answer does not: whether the buttons the
// focus may be sent to can take it.
constexpr std::array<std::pair<std::string_view, bool window::Context::*>, 2> kContextFlags = {{
    {"deg2RadFocusable", &window::Context::deg2RadFocusable},
    {"rad2DegFocusable", &window::Context::rad2DegFocusable},
}};

struct Field {
    std::string_view key;
    std::string EntryFields::*of;
};
constexpr std::array<Field, 6> kFields = {{{"radians", &EntryFields::radians},
                                           {"toAdd", &EntryFields::toAdd},
                                           {"degrees", &EntryFields::degrees},
                                           {"minutes", &EntryFields::minutes},
                                           {"seconds", &EntryFields::seconds},
                                           {"sign", &EntryFields::sign}}};

// The request's other keys: the event, the list entry chosen (its figures; empty before the
// first choice), the regional decimal separator, group separator and minus sign.
constexpr std::array<std::string_view, 5> kOtherKeys = {"command", "figures", "decimal", "group",
                                                        "minus"};

// The user's events by name, in the order of window::Event.
constexpr std::array<std::string_view, 12> kEvents = {
    "load", "rad2deg", "deg2rad",      "add",        "sub",     "move",
    "sign", "clear",   "decimalClick", "roundClick", "figures", "selection"};
static_assert(kEvents.size() == static_cast<std::size_t>(window::Event::SelectionChanged) + 1,
              "an event name for each window::Event");

struct Request {
    window::Event event = window::Event::Load;
    window::State state;
    window::Context context;
};

std::vector<std::string_view> RequestKeys() {
    std::vector<std::string_view> keys(kOtherKeys.begin(), kOtherKeys.end());
    for (const Flag& flag : kStateFlags) {
        keys.push_back(flag.key);
    }
    for (const auto& [key, of] : kContextFlags) {
        keys.push_back(key);
    }
    for (const Field& field : kFields) {
        keys.push_back(field.key);
    }
    return keys;
}

// Reads the flag `key` into `flag`; why it is no flag, or nothing.
std::string ReadFlag(Entries& entries, std::string_view key, bool& flag) {
    const std::string_view value = entries[key];
    if (value != "0" && value != "1") {
        return std::string(key) + " is neither 0 nor 1";
    }
    flag = value == "1";
    return {};
}

std::string Flags(Entries& entries, Request& request) {
    for (const Flag& flag : kStateFlags) {
        if (std::string wrong = ReadFlag(entries, flag.key, flag.of(request.state));
            !wrong.empty()) {
            return wrong;
        }
    }
    for (const auto& [key, of] : kContextFlags) {
        if (std::string wrong = ReadFlag(entries, key, request.context.*of); !wrong.empty()) {
            return wrong;
        }
    }
    return {};
}

// The request in `bytes`, or why it is not one.
std::string Parse(std::string_view bytes, Request& request) {
    Entries entries;
    if (std::string wrong = Decode(bytes, entries); !wrong.empty()) {
        return wrong;
    }
    const std::vector<std::string_view> keys = RequestKeys();
    for (const auto& [key, value] : entries) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            return "unknown key " + std::string(key);
        }
    }
    for (const std::string_view key : keys) {
        if (!entries.contains(key)) {
            return std::string(key) + " is missing";
        }
    }
    const auto event = std::find(kEvents.begin(), kEvents.end(), entries["command"]);
    if (event == kEvents.end()) {
        return "unknown command " + std::string(entries["command"]);
    }
    request.event = static_cast<window::Event>(event - kEvents.begin());
    if (std::string wrong = Flags(entries, request); !wrong.empty()) {
        return wrong;
    }
    const std::string_view figures = entries["figures"];
    int entry = 0;
    std::from_chars(figures.data(), figures.data() + figures.size(), entry);
    if (!figures.empty() &&
        (figures.size() != 1 || entry < kFewestFigures || entry > kMostFigures)) {
        return "figures is not a list entry";
    }
    request.state.figuresEntry = figures.empty() ? -1 : entry - kFewestFigures;
    NumberFormat& format = request.context.format;
    format.decimalSeparator = entries["decimal"];
    format.groupSeparator = entries["group"];
    format.negativeSign = entries["minus"];
    for (const Field& field : kFields) {
        request.state.fields.*field.of = std::string(entries[field.key]);
    }
    return {};
}

// The answer: the window's new state (the fields, the flags, the list entry), the sign as seen
// and heard, the copy button's caption, the pane's line, 1 when the pane turns its points to
// commas, the message's text, title and style (empty without a message), the control to focus.
std::string Answer(Request& request, const Outcome& outcome) {
    window::State& state = request.state;
    const EntryFields& f = state.fields;
    const Message message = outcome.message.value_or(Message{});
    std::string text;
    for (const Field& field : kFields) {
        Append(text, field.key, f.*field.of);
    }
    for (const Flag& flag : kStateFlags) {
        Append(text, flag.key, flag.of(state) ? "1" : "0");
    }
    Append(text, "figures",
           state.figuresEntry < 0 ? std::string()
                                  : std::to_string(kFewestFigures + state.figuresEntry));
    Append(text, "signSeen", SignSeen(f.sign, state.symbolFace));
    Append(text, "signHeard", SignHeard(f.sign));
    Append(text, "copyCaption", window::CopyCaption(state.paneHasSelection));
    Append(text, "paneLine", outcome.result.text());
    Append(text, "paneCommas", outcome.paneCommas ? "1" : "0");
    Append(text, "messageText", message.text);
    Append(text, "messageTitle", message.title);
    Append(text, "messageStyle",
           outcome.message ? std::to_string(static_cast<int>(message.style)) : std::string());
    Append(text, "focus", layout::ControlOf(outcome.focus));
    return text;
}

std::string ErrorAnswer(std::string_view why) {
    std::string text;
    Append(text, "error", why);
    return text;
}

using wire::JsonText;

constexpr const char* kKinds[] = {"frame", "label",  "sign", "field", "button",
                                  "check", "option", "list", "pane",  "link"};
static_assert(std::size(kKinds) == static_cast<std::size_t>(layout::Kind::Link) + 1,
              "a kind name for each layout::Kind");

// What assistive technology calls a control where its caption does not say it: the name the
// table gives it, or the name its label gives it.
std::string_view AccessibleName(const layout::Control& control) {
    using namespace orvanel::layout;
    if (control.kind == Kind::Label) {
        return {};
    }
    for (const Control& label : kMainControls) {
        if (label.kind == Kind::Label && label.names == control.name) {
            return LabelName(label);
        }
    }
    return control.names;
}

// How a field is typed into: the keyboard a phone shows (digits and the decimal separator,
// or the text keyboard for a field that takes a minus, as the decimal pad lacks the minus and
// a Return key on some phones), what its Enter runs and says, what describes it.
std::string FieldUseJson(std::string_view name) {
    for (const layout::FieldUse& use : layout::kFieldUses) {
        if (use.name == name) {
            return ",\"inputMode\":" + JsonText(use.takesMinus ? "text" : "decimal") +
                   ",\"enterCommand\":" + JsonText(use.enterCommand) +
                   ",\"enterKey\":" + JsonText(use.enterCommand.empty() ? "done" : "go") +
                   ",\"describedBy\":" + JsonText(use.describedBy);
        }
    }
    return {};
}

// Where a control's text, check mark and enabled state stand in the window's state: the keys
// of their entries. The sign label's and the list's are shown in their own way.
struct ControlState {
    std::string_view name, text, checked, enabled;
};
constexpr std::array<ControlState, 10> kControlStates = {{
    {"txbRadians", "radians", "", ""},
    {"txbToAdd", "toAdd", "", ""},
    {"txbDegrees", "degrees", "", ""},
    {"txbMinutes", "minutes", "", ""},
    {"txbSeconds", "seconds", "", ""},
    {"chkDecimal", "", "outputInDecimal", "outputInDecimalEnabled"},
    {"chkRoundToMinutes", "", "roundToMinutes", "roundToMinutesEnabled"},
    {"optDecDegrees", "", "decimalDegrees", "decimalDegreesEnabled"},
    {"optDecMinutes", "", "", "decimalMinutesEnabled"},
    {"chkShowPlusMinus", "", "showPlusMinus", ""},
}};

std::string ControlStateJson(std::string_view name) {
    for (const ControlState& keys : kControlStates) {
        if (keys.name == name) {
            std::string json = ",\"state\":{";
            for (const auto& [what, key] : {std::pair{"text", keys.text},
                                            {"checked", keys.checked},
                                            {"enabled", keys.enabled}}) {
                if (!key.empty()) {
                    json += (json.ends_with('{') ? "\"" : ",\"") + std::string(what) +
                            "\":" + JsonText(key);
                }
            }
            return json + "}";
        }
    }
    return {};
}

// What the file converter offers: orvanel-cli's commands and the options of each, its forms and
// delimiters, and the names of the options the panel sets.
std::string ConverterJson() {
    std::string json = "{\"commands\":[";
    for (const batch::CommandRow& row : batch::kCommands) {
        json += std::string(json.ends_with('[') ? "{" : ",{") + "\"name\":" + JsonText(row.name) +
                ",\"summary\":" + JsonText(row.summary) + ",\"forms\":[";
        for (const batch::FormRow& form : batch::kForms) {
            if (batch::Takes(row.command, form)) {
                json += (json.ends_with('[') ? "" : ",") + JsonText(form.name);
            }
        }
        json += std::string("],\"figures\":") + (row.figures ? "true" : "false") +
                ",\"decimals\":" + (row.decimals ? "true" : "false") + "}";
    }
    json += "],\"forms\":{";
    for (const batch::FormRow& form : batch::kForms) {
        json += (json.ends_with('{') ? "" : ",") + JsonText(form.name) + ":" +
                JsonText(form.description);
    }
    json += "},\"delimiters\":[";
    for (const batch::DelimiterRow& row : batch::kDelimiters) {
        json += (json.ends_with('[') ? "{" : ",{") + std::string("\"given\":") +
                JsonText(row.given) + ",\"name\":" + JsonText(row.name) +
                ",\"delimiter\":" + JsonText(std::string(1, row.delimiter)) + "}";
    }
    json += "],\"options\":{";
    for (const batch::OptionRow& row : batch::kOptions) {
        json += (json.ends_with('{') ? "" : ",") + JsonText(row.name.substr(2)) + ":" +
                JsonText(row.name);
    }
    json += "},\"mostDecimals\":" + std::to_string(kMostExactDecimals) +
            ",\"startFigures\":" + std::to_string(kStartFigures) + "}";
    return json;
}

// What the page is built from: the product's texts, the precision list, and the window's
// controls in the page's reading order, in their groups and columns.
std::string PageDescription() {
    using namespace orvanel::layout;
    std::string json = "{\"title\":" + JsonText(std::string(SpecifySoftware::ProductName) + " " +
                                                SpecifySoftware::VersionText);
    json += ",\"notice\":" + JsonText(SpecifySoftware::CopyrightNotice);
    json += ",\"url\":" + JsonText(SecureAddress(SpecifySoftware::PublisherUrl));
    json += ",\"figures\":[";
    for (int figures = kFewestFigures; figures <= kMostFigures; ++figures) {
        json += (figures > kFewestFigures ? "," : "") + std::to_string(figures);
    }
    json += "]";
    // What the model keeps that no control shows, as a window holds it before start-up.
    const window::State before;
    const auto bit = [](bool on) { return on ? std::string("\"1\"") : std::string("\"0\""); };
    json += ",\"kept\":[[\"figures\",\"\"],[\"symbolFace\"," + bit(before.symbolFace) +
            "],[\"startUpCompleted\"," + bit(before.startUpCompleted) + "]]";
    json += ",\"converter\":" + ConverterJson();
    json += ",\"helpTitle\":" + JsonText(kHelpTitle);
    // What the viewer says when the help text cannot be fetched: missing (404), or not reached.
    const auto messageJson = [](const Message& m) {
        return "{\"text\":" + JsonText(m.text) + ",\"title\":" + JsonText(m.title) +
               ",\"style\":" + std::to_string(static_cast<int>(m.style)) + "}";
    };
    json += ",\"helpErrors\":{\"missing\":" + messageJson(FileErrorMessage(FileErrorFor(ENOENT))) +
            ",\"other\":" + messageJson(FileErrorMessage(FileErrorFor(EIO))) +
            ",\"empty\":" + messageJson(EmptyFileMessage()) + "}";
    json += ",\"groups\":[";
    std::string_view last;
    for (const Placed& placed : kReadingOrder) {
        if (placed.group != last) {
            json += (last.empty() ? "{" : ",{") + std::string("\"name\":") +
                    JsonText(placed.group) +
                    ",\"frame\":" + (Find(placed.group).name == placed.group ? "true" : "false") +
                    ",\"column\":" + std::to_string(placed.column) + "}";
            last = placed.group;
        }
    }
    json += "],\"controls\":[";
    for (const Placed& placed : kReadingOrder) {
        const Control& c = Find(placed.name);
        json += placed.name == kReadingOrder.front().name ? "{" : ",{";
        json += "\"name\":" + JsonText(c.name) +
                ",\"kind\":" + JsonText(kKinds[static_cast<int>(c.kind)]) +
                ",\"group\":" + JsonText(placed.group) +
                ",\"unit\":" + std::to_string(placed.unit) + ",\"caption\":" + JsonText(c.caption) +
                ",\"labels\":" + JsonText(c.kind == Kind::Label ? c.names : "") +
                ",\"accessibleName\":" + JsonText(AccessibleName(c)) +
                ",\"maxLength\":" + std::to_string(c.maxLength) + FieldUseJson(c.name) +
                ControlStateJson(c.name) + "}";
    }
    return json + "]}";
}

std::string g_request;
std::string g_answer;

} // namespace

// The page writes its request into a buffer of `size` bytes that this returns.
extern "C" ORVANEL_EXPORT("request_buffer") char* RequestBuffer(std::size_t size) {
    g_request.assign(size, '\0');
    return g_request.data();
}

// Runs the request; the answer's bytes are at the address returned, answer_size() of them.
extern "C" ORVANEL_EXPORT("run") const char* RunRequest() {
    Request request;
    if (g_request == "page:0:") {
        g_answer = PageDescription();
    } else if (const std::string wrong = Parse(g_request, request); !wrong.empty()) {
        g_answer = ErrorAnswer(wrong);
    } else {
        const Outcome outcome = window::Handle(request.state, request.event, request.context);
        g_answer = Answer(request, outcome);
    }
    return g_answer.data();
}

extern "C" ORVANEL_EXPORT("answer_size") std::size_t AnswerSize() {
    return g_answer.size();
}
