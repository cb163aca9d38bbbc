#pragma once
// The one protocol between the page and its engine. Every request and every answer is a JSON
// document, and every document is a struct below with the table of its keys: the engine reads
// and writes documents through these tables, and web/app/protocol.js, the page's side, is
// written from them (orvanel_protocol_js; the build fails while the file differs). So each key,
// call and export is named here once. The converter's input pieces and output bytes alone go
// as raw bytes, beside the documents.

#include "Json.h"
#include "Outcome.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace orvanel::protocol {

// The engine's exports: a request is written into buffer(size), run() runs it, and its answer
// is at the address run() returns, answer_size() bytes. A piece of input for the converter goes
// into piece(size) before its request; the output it gives is at output(), output_size() bytes.
inline constexpr std::array<std::string_view, 6> kExports = {"buffer", "run",    "answer_size",
                                                             "piece",  "output", "output_size"};

// What a request asks for, its key "call", in the order of Call.
enum class Call { Describe, Start, Input, Viewer, ConvertBegin, ConvertFeed, CsvPreview };
inline constexpr std::array<std::string_view, 7> kCalls = {
    "describe", "start", "input", "viewer", "convertBegin", "convertFeed", "csvPreview"};
static_assert(kCalls.size() == static_cast<std::size_t>(Call::CsvPreview) + 1);

// The viewer's events, its request's key "event", in the order of ViewerEvent.
enum class ViewerEvent { Load, Show, Read, Unload };
inline constexpr std::array<std::string_view, 4> kViewerEvents = {"load", "show", "read", "unload"};
static_assert(kViewerEvents.size() == static_cast<std::size_t>(ViewerEvent::Unload) + 1);

// The entry of `names` that is `name`, as the enum E of the same order; nothing for none.
template <typename E, std::size_t N>
std::optional<E> Named(const std::array<std::string_view, N>& names, std::string_view name) {
    const auto at = std::find(names.begin(), names.end(), name);
    return at == names.end() ? std::nullopt : std::optional(static_cast<E>(at - names.begin()));
}

// The commands a window answer gives, by name; "" for none.
inline constexpr std::array<std::string_view, 6> kCommands = {
    "", "clearPane", "copyPane", "showHelp", "openPublisher", "endProgram"};

// An object's text-keyed map, kept in its order.
template <typename V> using Record = std::vector<std::pair<std::string, V>>;

template <typename T, typename M> struct Key {
    std::string_view name;
    M T::*member;
};
template <typename T, typename M> Key(std::string_view, M T::*) -> Key<T, M>;

// Each document's name (its type in the page's script) and keys.
template <typename T> struct Document;

#define ORVANEL_DOCUMENT(Type, ...)                                                                \
    template <> struct Document<Type> {                                                            \
        static constexpr std::string_view name = #Type;                                            \
        static constexpr auto keys = std::tuple{__VA_ARGS__};                                      \
    }

// ---- The documents ----

struct Format {
    std::string decimal, group, minus;
};
ORVANEL_DOCUMENT(Format, Key{"decimal", &Format::decimal}, Key{"group", &Format::group},
                 Key{"minus", &Format::minus});

struct Focusable {
    bool deg2Rad = true, rad2Deg = true;
};
ORVANEL_DOCUMENT(Focusable, Key{"deg2Rad", &Focusable::deg2Rad},
                 Key{"rad2Deg", &Focusable::rad2Deg});

// A user's input: the control, the gesture (click, choose, selectionChange, keyDown, keyUp,
// leaveField), the key's code and whether it is the key's auto-repeat, the list entry chosen.
struct Input {
    std::string control, gesture;
    std::int64_t keyCode = 0;
    bool repeat = false;
    std::int64_t entry = -1;
};
ORVANEL_DOCUMENT(Input, Key{"control", &Input::control}, Key{"gesture", &Input::gesture},
                 Key{"keyCode", &Input::keyCode}, Key{"repeat", &Input::repeat},
                 Key{"entry", &Input::entry});

// What the user changed by hand: each field's text and each box's check mark by the control's
// name, and whether the pane has a selection.
struct Edits {
    Record<std::string> texts;
    Record<bool> checks;
    bool selection = false;
};
ORVANEL_DOCUMENT(Edits, Key{"texts", &Edits::texts}, Key{"checks", &Edits::checks},
                 Key{"selection", &Edits::selection});

struct Shown {
    std::string control;
    std::optional<std::string> text;
    std::optional<bool> checked, enabled;
};
ORVANEL_DOCUMENT(Shown, Key{"control", &Shown::control}, Key{"text", &Shown::text},
                 Key{"checked", &Shown::checked}, Key{"enabled", &Shown::enabled});

// The sign label: its caption, as seen, as heard.
struct Sign {
    std::string caption, seen, heard;
};
ORVANEL_DOCUMENT(Sign, Key{"caption", &Sign::caption}, Key{"seen", &Sign::seen},
                 Key{"heard", &Sign::heard});

ORVANEL_DOCUMENT(Message, Key{"text", &Message::text}, Key{"title", &Message::title},
                 Key{"style", &Message::style});

struct Copy {
    bool selectionFirst = true;
    std::string lineEnd;
    bool collapseAfter = true;
};
ORVANEL_DOCUMENT(Copy, Key{"selectionFirst", &Copy::selectionFirst}, Key{"lineEnd", &Copy::lineEnd},
                 Key{"collapseAfter", &Copy::collapseAfter});

// The window's answer: every control the model sets, the sign, the list entry where the model
// chose one, the pane's new line and whether its points turn to commas first, the message, the
// control to focus ("" for none), the command to carry out and, for a copy, its rule; and what
// a screen reader is to hear: the new line, or the sign a change of sign made.
struct WindowAnswer {
    std::vector<Shown> controls;
    Sign sign;
    std::optional<std::int64_t> listEntry;
    std::string line;
    bool commas = false;
    std::string announce;
    std::optional<Message> message;
    std::string focus, command;
    std::optional<Copy> copy;
};
ORVANEL_DOCUMENT(WindowAnswer, Key{"controls", &WindowAnswer::controls},
                 Key{"sign", &WindowAnswer::sign}, Key{"listEntry", &WindowAnswer::listEntry},
                 Key{"line", &WindowAnswer::line}, Key{"commas", &WindowAnswer::commas},
                 Key{"announce", &WindowAnswer::announce}, Key{"message", &WindowAnswer::message},
                 Key{"focus", &WindowAnswer::focus}, Key{"command", &WindowAnswer::command},
                 Key{"copy", &WindowAnswer::copy});

struct StartRequest {
    std::string call;
    Format format;
};
ORVANEL_DOCUMENT(StartRequest, Key{"call", &StartRequest::call},
                 Key{"format", &StartRequest::format});

struct InputRequest {
    std::string call;
    Input input;
    Edits edits;
    Focusable focusable;
};
ORVANEL_DOCUMENT(InputRequest, Key{"call", &InputRequest::call}, Key{"input", &InputRequest::input},
                 Key{"edits", &InputRequest::edits}, Key{"focusable", &InputRequest::focusable});

// The viewer: "load" makes it (readAgain: a failed read is tried again at the next show),
// "show" asks whether to read the file now, "read" says whether the read succeeded, "unload"
// is its close box.
struct ViewerRequest {
    std::string call, event;
    std::optional<bool> readAgain, read;
};
ORVANEL_DOCUMENT(ViewerRequest, Key{"call", &ViewerRequest::call},
                 Key{"event", &ViewerRequest::event}, Key{"readAgain", &ViewerRequest::readAgain},
                 Key{"read", &ViewerRequest::read});

struct ViewerAnswer {
    bool read = false;
};
ORVANEL_DOCUMENT(ViewerAnswer, Key{"read", &ViewerAnswer::read});

struct CallRequest {
    std::string call;
};
ORVANEL_DOCUMENT(CallRequest, Key{"call", &CallRequest::call});

// A run of the converter: the input's name ("" for pasted text) and orvanel-cli's words.
struct ConvertBeginRequest {
    std::string call, name;
    std::vector<std::string> words;
};
ORVANEL_DOCUMENT(ConvertBeginRequest, Key{"call", &ConvertBeginRequest::call},
                 Key{"name", &ConvertBeginRequest::name},
                 Key{"words", &ConvertBeginRequest::words});

// The name to offer the result under.
struct ConvertBeginAnswer {
    std::string offered;
};
ORVANEL_DOCUMENT(ConvertBeginAnswer, Key{"offered", &ConvertBeginAnswer::offered});

// A piece of the input, in piece(); `last` ends the input.
struct ConvertFeedRequest {
    std::string call;
    bool last = false;
};
ORVANEL_DOCUMENT(ConvertFeedRequest, Key{"call", &ConvertFeedRequest::call},
                 Key{"last", &ConvertFeedRequest::last});

// What a piece gives besides its output: the refusals it adds, how many there are so far, and
// at the end orvanel-cli's exit status.
struct ConvertFeedAnswer {
    std::vector<std::string> refusals;
    std::int64_t refused = 0;
    std::optional<std::int64_t> status;
};
ORVANEL_DOCUMENT(ConvertFeedAnswer, Key{"refusals", &ConvertFeedAnswer::refusals},
                 Key{"refused", &ConvertFeedAnswer::refused},
                 Key{"status", &ConvertFeedAnswer::status});

// The first rows of the CSV text in piece(), with the delimiter given.
struct CsvPreviewRequest {
    std::string call, delimiter;
};
ORVANEL_DOCUMENT(CsvPreviewRequest, Key{"call", &CsvPreviewRequest::call},
                 Key{"delimiter", &CsvPreviewRequest::delimiter});

struct CsvPreviewAnswer {
    std::vector<std::vector<std::string>> rows;
};
ORVANEL_DOCUMENT(CsvPreviewAnswer, Key{"rows", &CsvPreviewAnswer::rows});

struct ErrorAnswer {
    std::string error;
};
ORVANEL_DOCUMENT(ErrorAnswer, Key{"error", &ErrorAnswer::error});

// The file converter's commands and options, as orvanel-cli takes them.
struct CommandUse {
    std::string name, summary;
    std::vector<std::string> forms;
    bool figures = false, decimals = false;
};
ORVANEL_DOCUMENT(CommandUse, Key{"name", &CommandUse::name}, Key{"summary", &CommandUse::summary},
                 Key{"forms", &CommandUse::forms}, Key{"figures", &CommandUse::figures},
                 Key{"decimals", &CommandUse::decimals});

// A CSV delimiter: as --delimiter takes it, as the list names it, and the character itself.
struct Delimiter {
    std::string given, name, delimiter;
};
ORVANEL_DOCUMENT(Delimiter, Key{"given", &Delimiter::given}, Key{"name", &Delimiter::name},
                 Key{"delimiter", &Delimiter::delimiter});

struct Converter {
    std::vector<CommandUse> commands;
    Record<std::string> forms;
    std::vector<Delimiter> delimiters;
    Record<std::string> options; // each option's name as the panel says it, and its flag
    std::int64_t mostDecimals = 0, startFigures = 0;
};
ORVANEL_DOCUMENT(Converter, Key{"commands", &Converter::commands}, Key{"forms", &Converter::forms},
                 Key{"delimiters", &Converter::delimiters}, Key{"options", &Converter::options},
                 Key{"mostDecimals", &Converter::mostDecimals},
                 Key{"startFigures", &Converter::startFigures});

// A control of the window's table as the page builds it: its kind, group and unit of the
// reading order, caption, the control a label names, its name for assistive technology, a
// field's length, keyboard, Enter key and describing control, what the user edits in it by
// hand (text, checked, selection), and the gestures it reports.
struct Control {
    std::string name, kind, group;
    std::int64_t unit = 0;
    std::string caption, labels, accessibleName;
    std::int64_t maxLength = 0;
    std::optional<std::string> inputMode, enterKey, describedBy, edit;
    std::vector<std::string> gestures;
};
ORVANEL_DOCUMENT(Control, Key{"name", &Control::name}, Key{"kind", &Control::kind},
                 Key{"group", &Control::group}, Key{"unit", &Control::unit},
                 Key{"caption", &Control::caption}, Key{"labels", &Control::labels},
                 Key{"accessibleName", &Control::accessibleName},
                 Key{"maxLength", &Control::maxLength}, Key{"inputMode", &Control::inputMode},
                 Key{"enterKey", &Control::enterKey}, Key{"describedBy", &Control::describedBy},
                 Key{"edit", &Control::edit}, Key{"gestures", &Control::gestures});

struct Group {
    std::string name;
    bool frame = false;
    std::int64_t column = 1;
};
ORVANEL_DOCUMENT(Group, Key{"name", &Group::name}, Key{"frame", &Group::frame},
                 Key{"column", &Group::column});

// What the viewer says when the help text cannot be fetched: missing (404), not reached, empty.
struct HelpErrors {
    Message missing, other, empty;
};
ORVANEL_DOCUMENT(HelpErrors, Key{"missing", &HelpErrors::missing}, Key{"other", &HelpErrors::other},
                 Key{"empty", &HelpErrors::empty});

// What the page is built from: the product's texts, the precision list, the help viewer's
// title and messages, the converter, and the window's controls in the page's reading order.
struct PageDescription {
    std::string title, notice, url;
    std::vector<std::int64_t> figures;
    std::string helpTitle;
    HelpErrors helpErrors;
    Converter converter;
    std::vector<Group> groups;
    std::vector<Control> controls;
};
ORVANEL_DOCUMENT(PageDescription, Key{"title", &PageDescription::title},
                 Key{"notice", &PageDescription::notice}, Key{"url", &PageDescription::url},
                 Key{"figures", &PageDescription::figures},
                 Key{"helpTitle", &PageDescription::helpTitle},
                 Key{"helpErrors", &PageDescription::helpErrors},
                 Key{"converter", &PageDescription::converter},
                 Key{"groups", &PageDescription::groups},
                 Key{"controls", &PageDescription::controls});

#undef ORVANEL_DOCUMENT

// Every document, for the page's script.
using Documents =
    std::tuple<Format, Focusable, Input, Edits, Shown, Sign, Message, Copy, WindowAnswer,
               CallRequest, StartRequest, InputRequest, ViewerRequest, ViewerAnswer,
               ConvertBeginRequest, ConvertBeginAnswer, ConvertFeedRequest, ConvertFeedAnswer,
               CsvPreviewRequest, CsvPreviewAnswer, ErrorAnswer, CommandUse, Delimiter, Converter,
               Control, Group, HelpErrors, PageDescription>;

// ---- Writing and reading documents through their tables ----

template <typename T> struct IsOptional : std::false_type {};
template <typename T> struct IsOptional<std::optional<T>> : std::true_type {};
template <typename T> struct IsVector : std::false_type {};
template <typename T> struct IsVector<std::vector<T>> : std::true_type {};
template <typename T> struct IsRecord : std::false_type {};
template <typename V> struct IsRecord<Record<V>> : std::true_type {};

template <typename T> void Write(json::Writer& out, const T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        out.string(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        out.boolean(value);
    } else if constexpr (std::is_integral_v<T>) {
        out.number(value);
    } else if constexpr (std::is_enum_v<T>) {
        out.number(static_cast<std::int64_t>(value));
    } else if constexpr (IsRecord<T>::value) {
        out.beginObject();
        for (const auto& [key, item] : value) {
            out.key(key);
            Write(out, item);
        }
        out.endObject();
    } else if constexpr (IsVector<T>::value) {
        out.beginArray();
        for (const auto& item : value) {
            Write(out, item);
        }
        out.endArray();
    } else {
        out.beginObject();
        std::apply(
            [&](const auto&... key) {
                (
                    [&] {
                        const auto& member = value.*key.member;
                        if constexpr (IsOptional<std::decay_t<decltype(member)>>::value) {
                            if (member) {
                                out.key(key.name);
                                Write(out, *member);
                            }
                        } else {
                            out.key(key.name);
                            Write(out, member);
                        }
                    }(),
                    ...);
            },
            Document<T>::keys);
        out.endObject();
    }
}

template <typename T> std::string Written(const T& document) {
    json::Writer out;
    Write(out, document);
    return out.take();
}

// A key as a reason gives it: a key that is not a name is not repeated, as it may hold anything.
inline std::string Named(std::string_view key) {
    const bool name =
        !key.empty() && key.size() <= 40 && std::all_of(key.begin(), key.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        });
    return name ? std::string(key) : std::string("a key that is not a name");
}

// Why `value` is not of `kind`, naming its key, or nothing.
inline std::string Expect(const json::Value& value, json::Value::Kind kind, std::string_view key,
                          std::string_view what) {
    return value.kind == kind ? std::string() : Named(key) + " is not " + std::string(what);
}

// The member `key` of an object, or null when it is not given; `wrong` says why when it is
// given twice, or missing and not `optional`.
inline const json::Value* MemberOf(const json::Value& object, std::string_view key, bool optional,
                                   std::string& wrong) {
    const json::Value* given = nullptr;
    for (const json::Member& m : object.members) {
        if (m.key == key) {
            if (given != nullptr) {
                wrong = std::string(key) + " is given twice";
                return nullptr;
            }
            given = &m.value;
        }
    }
    if (given == nullptr && !optional) {
        wrong = std::string(key) + " is missing";
    }
    return given;
}

// Why the object has a key that is none of `keys`, or nothing.
inline std::string UnknownKey(const json::Value& object, std::span<const std::string_view> keys) {
    for (const json::Member& m : object.members) {
        if (std::find(keys.begin(), keys.end(), m.key) == keys.end()) {
            return "unknown key " + Named(m.key);
        }
    }
    return {};
}

// Reads `value` into `out`; why it cannot, naming the key at fault, or nothing.
template <typename T> std::string Read(const json::Value& value, T& out, std::string_view key) {
    using Kind = json::Value::Kind;
    if constexpr (std::is_same_v<T, std::string>) {
        out = value.text;
        return Expect(value, Kind::Text, key, "a text");
    } else if constexpr (std::is_same_v<T, bool>) {
        out = value.boolean;
        return Expect(value, Kind::Boolean, key, "true or false");
    } else if constexpr (std::is_integral_v<T>) {
        out = value.number;
        return Expect(value, Kind::Number, key, "a number");
    } else if constexpr (IsOptional<T>::value) {
        return Read(value, out.emplace(), key);
    } else if constexpr (IsRecord<T>::value) {
        std::string wrong = Expect(value, Kind::Object, key, "an object");
        for (std::size_t i = 0; wrong.empty() && i < value.members.size(); ++i) {
            auto& item =
                out.emplace_back(value.members[i].key, typename T::value_type::second_type{});
            wrong = Read(value.members[i].value, item.second, item.first);
        }
        return wrong;
    } else if constexpr (IsVector<T>::value) {
        std::string wrong = Expect(value, Kind::Array, key, "an array");
        for (std::size_t i = 0; wrong.empty() && i < value.items.size(); ++i) {
            wrong = Read(value.items[i], out.emplace_back(), key);
        }
        return wrong;
    } else {
        std::string wrong = Expect(value, Kind::Object, key, "an object");
        std::apply(
            [&](const auto&... k) {
                const auto one = [&](const auto& k1) {
                    auto& member = out.*k1.member;
                    constexpr bool optional = IsOptional<std::decay_t<decltype(member)>>::value;
                    if (!wrong.empty()) {
                        return;
                    }
                    if (const json::Value* given = MemberOf(value, k1.name, optional, wrong)) {
                        wrong = Read(*given, member, k1.name);
                    }
                };
                (one(k), ...);
                if (wrong.empty()) {
                    wrong =
                        UnknownKey(value, std::array<std::string_view, sizeof...(k)>{k.name...});
                }
            },
            Document<T>::keys);
        return wrong;
    }
}

// ---- The page's side, written from the tables ----

template <typename T> std::string ScriptType() {
    if constexpr (std::is_same_v<T, std::string>) {
        return "string";
    } else if constexpr (std::is_same_v<T, bool>) {
        return "boolean";
    } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
        return "number";
    } else if constexpr (IsOptional<T>::value) {
        return ScriptType<typename T::value_type>();
    } else if constexpr (IsRecord<T>::value) {
        return "Record<string, " + ScriptType<typename T::value_type::second_type>() + ">";
    } else if constexpr (IsVector<T>::value) {
        return ScriptType<typename T::value_type>() + "[]";
    } else {
        return std::string(Document<T>::name);
    }
}

template <typename T> std::string ScriptTypedef() {
    std::string keys;
    std::apply(
        [&](const auto&... k) {
            (
                [&] {
                    using M = std::decay_t<decltype(std::declval<T>().*k.member)>;
                    keys += " " + std::string(k.name) + (IsOptional<M>::value ? "?: " : ": ") +
                            ScriptType<M>() + ";";
                }(),
                ...);
        },
        Document<T>::keys);
    return "export type " + std::string(Document<T>::name) + " = {" + keys + " };\n";
}

// The names as the script's constants, and as their declarations for the script's checker.
template <std::size_t N>
std::string ScriptNames(std::string_view name, const std::array<std::string_view, N>& names,
                        bool declaration) {
    std::string script = "export " + std::string(declaration ? "declare " : "") + "const " +
                         std::string(name) + (declaration ? ": Readonly<{" : " = Object.freeze({");
    for (std::size_t i = 0; i < N; ++i) {
        const std::string n(names[i]);
        script += (i > 0 ? ", " : "") + (n.empty() ? std::string("none") : n) + ": '" + n + "'";
    }
    return script + (declaration ? "}>;\n" : "});\n");
}

} // namespace orvanel::protocol
