// The calculator's engine for the page in the browser, compiled to WebAssembly. It keeps the
// page's window object and viewer, as the desktop window keeps its own: the page hands over
// each input with what the user changed by hand, the engine runs it and answers with the
// controls' states and what to do. It also describes the page, and runs the file converter
// (convert.cpp). Requests and answers are the JSON documents of Protocol.h.
#include "Converter.h"
#include "Exports.h"
#include "MainLayout.h"
#include "MainWindow.h"
#include "OptionTable.h"
#include "ProductConstants.h"
#include "Protocol.h"
#include "Sexagesimal.h"
#include "Viewer.h"
#include "ViewerMessages.h"
#include "WebAddress.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace orvanel;
namespace p = orvanel::protocol;

constexpr std::array<std::string_view, 10> kKinds = {"frame", "label",  "sign", "field", "button",
                                                     "check", "option", "list", "pane",  "link"};
static_assert(kKinds.size() == static_cast<std::size_t>(layout::Kind::Link) + 1,
              "a kind name for each layout::Kind");
static_assert(p::kCommands.size() == static_cast<std::size_t>(window::Command::EndProgram) + 1,
              "a command name for each window::Command");

std::string Error(std::string why) {
    return p::Written(p::ErrorAnswer{std::move(why)});
}

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

// How a control is used: the keyboard a phone shows for a field (digits and the decimal
// separator, or the text keyboard for a field that takes a minus, as the decimal pad lacks the
// minus and a Return key on some phones), its Enter key's label, what describes it, what the
// user edits in it by hand and the gestures it reports.
void AddUse(p::Control& control) {
    for (const layout::FieldUse& use : layout::kFieldUses) {
        if (use.name == control.name) {
            const bool enters = window::WireFor(use.name, window::Gesture::Enter) != nullptr;
            control.inputMode = use.takesMinus ? "text" : "decimal";
            control.enterKey = enters ? "go" : "done";
            control.describedBy = std::string(use.describedBy);
        }
    }
    for (const window::EditOf& edit : window::kEdits) {
        if (edit.control == control.name && edit.kind != window::EditKind::Unchecked) {
            control.edit = std::string(window::kEditNames[static_cast<std::size_t>(edit.kind)]);
        }
    }
    for (const window::Wire& wire : window::kWiring) {
        if (wire.control != control.name) {
            continue;
        }
        const auto add = [&](window::Gesture g) {
            control.gestures.emplace_back(window::kGestureNames[static_cast<std::size_t>(g)]);
        };
        if (wire.gesture == window::Gesture::Enter) {
            add(window::Gesture::KeyDown);
            add(window::Gesture::KeyUp);
            add(window::Gesture::LeaveField);
        } else {
            add(wire.gesture);
        }
    }
}

p::Converter ConverterDescription() {
    p::Converter converter;
    for (const batch::CommandRow& row : batch::kCommands) {
        p::CommandUse& use = converter.commands.emplace_back(p::CommandUse{
            std::string(row.name), std::string(row.summary), {}, row.figures, row.decimals});
        for (const batch::FormRow& form : batch::kForms) {
            if (batch::Takes(row.command, form)) {
                use.forms.emplace_back(form.name);
            }
        }
    }
    for (const batch::FormRow& form : batch::kForms) {
        converter.forms.emplace_back(form.name, form.description);
    }
    for (const batch::DelimiterRow& row : batch::kDelimiters) {
        converter.delimiters.push_back(
            {std::string(row.given), std::string(row.name), std::string(1, row.delimiter)});
    }
    for (const batch::OptionRow& row : batch::kOptions) {
        converter.options.emplace_back(row.name.substr(2), row.name);
    }
    converter.mostDecimals = kMostExactDecimals;
    converter.startFigures = kStartFigures;
    return converter;
}

std::string PageDescription() {
    using namespace orvanel::layout;
    p::PageDescription page;
    page.title = window::Title();
    page.notice = SpecifySoftware::CopyrightNotice;
    page.url = SecureAddress(SpecifySoftware::PublisherUrl);
    for (int figures = kFewestFigures; figures <= kMostFigures; ++figures) {
        page.figures.push_back(figures);
    }
    page.helpTitle = kHelpTitle;
    page.helpErrors = {FileErrorMessage(FileErrorFor(ENOENT)), FileErrorMessage(FileErrorFor(EIO)),
                       EmptyFileMessage()};
    page.converter = ConverterDescription();
    for (const Placed& placed : kReadingOrder) {
        if (page.groups.empty() || page.groups.back().name != placed.group) {
            page.groups.push_back({std::string(placed.group),
                                   Find(placed.group).name == placed.group, placed.column});
        }
        const Control& c = Find(placed.name);
        p::Control& control = page.controls.emplace_back();
        control.name = c.name;
        control.kind = kKinds[static_cast<std::size_t>(c.kind)];
        control.group = placed.group;
        control.unit = placed.unit;
        control.caption = c.caption;
        control.labels = c.kind == Kind::Label ? c.names : "";
        control.accessibleName = AccessibleName(c);
        control.maxLength = c.maxLength;
        AddUse(control);
    }
    return p::Written(page);
}

// The page's window and viewer, made by their first requests.
struct Page {
    std::optional<window::MainWindow> window;
    std::optional<viewer::Viewer> viewer;
};

std::string WindowAnswer(const window::MainWindow& w, const window::Reply& reply) {
    p::WindowAnswer answer;
    for (const window::Shown& shown : w.shown()) {
        answer.controls.push_back(
            {std::string(shown.control), shown.text, shown.checked, shown.enabled});
    }
    const window::State& state = w.state();
    answer.sign = {state.fields.sign, w.signSeen(), std::string(w.signHeard())};
    if (reply.listChosen) {
        answer.listEntry = state.figuresEntry;
    }
    const Outcome& outcome = reply.outcome;
    answer.line = outcome.result.text();
    answer.commas = outcome.paneCommas;
    const bool signChanged = reply.event == window::Event::ChangeSign;
    answer.announce = !answer.line.empty() ? answer.line : signChanged ? answer.sign.heard : "";
    answer.message = outcome.message;
    answer.focus = layout::ControlOf(outcome.focus);
    answer.command = p::kCommands[static_cast<std::size_t>(reply.command)];
    if (reply.command == window::Command::CopyPane) {
        const window::CopyRule& rule = window::kCopyRule;
        answer.copy = p::Copy{rule.selectionFirst, std::string(rule.lineEnd), rule.collapseAfter};
    }
    return p::Written(answer);
}

// The input's control and gesture as the model names them, or why they are not.
std::string ReadInput(const p::Input& given, window::Input& input) {
    const layout::Control& control = layout::Find(given.control);
    if (control.name != given.control) {
        return "unknown control " + p::Named(given.control);
    }
    const auto gesture =
        std::find(window::kGestureNames.begin(), window::kGestureNames.end(), given.gesture);
    if (gesture == window::kGestureNames.end() || *gesture == "enter") {
        return "unknown gesture " + p::Named(given.gesture);
    }
    if (given.entry < -1 || given.entry > kMostFigures - kFewestFigures) {
        return "entry is not a list entry";
    }
    input = {control.name, static_cast<window::Gesture>(gesture - window::kGestureNames.begin()),
             static_cast<int>(std::clamp<std::int64_t>(given.keyCode, -1, 1 << 20)), given.repeat,
             static_cast<int>(given.entry)};
    return {};
}

// The edits, each control of the model's table given exactly once.
std::string ReadEdits(const p::Edits& given, window::Edits& edits) {
    std::size_t texts = 0, checks = 0;
    for (const window::EditOf& edit : window::kEdits) {
        const auto find = [&](const auto& record) {
            return std::find_if(record.begin(), record.end(),
                                [&](const auto& entry) { return entry.first == edit.control; });
        };
        if (edit.kind == window::EditKind::Text) {
            const auto text = find(given.texts);
            if (text == given.texts.end()) {
                return "the text of " + std::string(edit.control) + " is missing";
            }
            edits.fields.*edit.text = text->second;
            ++texts;
        } else if (edit.kind == window::EditKind::Checked) {
            const auto check = find(given.checks);
            if (check == given.checks.end()) {
                return "the check mark of " + std::string(edit.control) + " is missing";
            }
            edits.checks.*edit.check = check->second;
            ++checks;
        }
    }
    if (texts != given.texts.size() || checks != given.checks.size()) {
        return "an edit of a control that has none, or one given twice";
    }
    edits.paneHasSelection = given.selection;
    return {};
}

// The answer to a request of type Request, read from `document`; or why it is not one.
template <typename Request, typename Answer>
std::string Answered(const json::Value& document, Answer&& answer) {
    Request request;
    const std::string wrong = p::Read(document, request, "the request");
    return wrong.empty() ? answer(request) : Error(wrong);
}

std::string Start(Page& page, const p::StartRequest& request) {
    NumberFormat format;
    format.decimalSeparator = request.format.decimal;
    format.groupSeparator = request.format.group;
    format.negativeSign = request.format.minus;
    window::MainWindow& w = page.window.emplace(format);
    return WindowAnswer(w, w.start());
}

std::string Handle(Page& page, const p::InputRequest& request) {
    window::Input input;
    window::Edits edits;
    if (!page.window) {
        return Error("an input before start");
    }
    if (std::string wrong = ReadInput(request.input, input); !wrong.empty()) {
        return Error(wrong);
    }
    if (std::string wrong = ReadEdits(request.edits, edits); !wrong.empty()) {
        return Error(wrong);
    }
    const window::Focusable focusable{request.focusable.deg2Rad, request.focusable.rad2Deg};
    return WindowAnswer(*page.window, page.window->handle(input, edits, focusable));
}

std::string Viewer(Page& page, const p::ViewerRequest& request) {
    const auto event = p::Named<p::ViewerEvent>(p::kViewerEvents, request.event);
    if (event == p::ViewerEvent::Load) {
        page.viewer.emplace(request.readAgain.value_or(false)
                                ? viewer::AfterFailedRead::ReadAgain
                                : viewer::AfterFailedRead::CountAsDisplayed);
    } else if (!page.viewer) {
        return Error("a viewer event before load");
    } else if (event == p::ViewerEvent::Show) {
        return p::Written(p::ViewerAnswer{page.viewer->showReads()});
    } else if (event == p::ViewerEvent::Read && request.read) {
        page.viewer->readDone(*request.read);
    } else if (event == p::ViewerEvent::Unload) {
        page.viewer->unload();
    } else {
        return Error("unknown viewer event " + p::Named(request.event));
    }
    return p::Written(p::ViewerAnswer{});
}

std::string Run(Page& page, std::string_view bytes, std::string_view piece) {
    json::Value document;
    if (std::string wrong = json::Reader::Read(bytes, document); !wrong.empty()) {
        return Error(wrong);
    }
    const json::Value* call = nullptr;
    for (const auto& [key, value] : document.members) {
        call = key == "call" && value.kind == json::Value::Kind::Text ? &value : call;
    }
    if (call == nullptr) {
        return Error("the request has no call");
    }
    const auto named = p::Named<p::Call>(p::kCalls, call->text);
    if (!named) {
        return Error("unknown call " + p::Named(call->text));
    }
    switch (*named) {
    case p::Call::Describe:
        return Answered<p::CallRequest>(document, [](const auto&) { return PageDescription(); });
    case p::Call::Start:
        return Answered<p::StartRequest>(document, [&](const auto& r) { return Start(page, r); });
    case p::Call::Input:
        return Answered<p::InputRequest>(document, [&](const auto& r) { return Handle(page, r); });
    case p::Call::Viewer:
        return Answered<p::ViewerRequest>(document, [&](const auto& r) { return Viewer(page, r); });
    case p::Call::ConvertBegin:
        return Answered<p::ConvertBeginRequest>(document, converter::Begin);
    case p::Call::ConvertFeed:
        return Answered<p::ConvertFeedRequest>(
            document, [piece](const auto& r) { return converter::Feed(r, piece); });
    case p::Call::CsvPreview:
        return Answered<p::CsvPreviewRequest>(
            document, [piece](const auto& r) { return converter::Preview(r, piece); });
    }
    return Error("unknown call");
}

struct Buffers {
    std::string request, piece, answer;
    Page page;
};

Buffers& TheBuffers() {
    static Buffers buffers; // the page's one engine instance
    return buffers;
}

} // namespace

extern "C" ORVANEL_EXPORT("buffer") char* RequestBuffer(std::size_t size) {
    TheBuffers().request.assign(size, '\0');
    return TheBuffers().request.data();
}

extern "C" ORVANEL_EXPORT("piece") char* PieceBuffer(std::size_t size) {
    TheBuffers().piece.assign(size, '\0');
    return TheBuffers().piece.data();
}

extern "C" ORVANEL_EXPORT("run") const char* RunRequest() {
    Buffers& b = TheBuffers();
    b.answer = Run(b.page, b.request, b.piece);
    return b.answer.data();
}

extern "C" ORVANEL_EXPORT("answer_size") std::size_t AnswerSize() {
    return TheBuffers().answer.size();
}

extern "C" ORVANEL_EXPORT("output") const char* ConvertOutput() {
    return converter::Output().data();
}

extern "C" ORVANEL_EXPORT("output_size") std::size_t ConvertOutputSize() {
    return converter::Output().size();
}
