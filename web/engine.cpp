// The calculator's engine for the page in the browser, compiled to WebAssembly. The page hands
// over the controls' texts and states as one text, the engine runs the command on them and
// hands back the fields, the pane's line, the message and the focus, as the desktop window's
// handlers do with the same engine. Texts are UTF-8, their parts separated by U+001F.
#include "Calculator.h"
#include "MainLayout.h"
#include "ProductConstants.h"
#include "WebAddress.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvanel;

constexpr char kSeparator = '\x1F';

std::vector<std::string_view> Split(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(kSeparator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

int Number(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The request: command, list entry chosen (empty before the first choice), the four option
// states (1 or 0: output in decimal, decimal degrees, round to minutes, show +/- results),
// "Degrees to radians" can take the focus, the regional decimal separator, group separator and
// minus sign, then the fields: radians, second value, degrees, minutes, seconds, sign.
struct Request {
    std::string_view command;
    CalcSettings settings;
    bool deg2RadFocusable = false;
    EntryFields fields;
};

Request Parse(std::string_view text) {
    const std::vector<std::string_view> p = Split(text);
    Request request;
    if (p.size() != 16) {
        return request;
    }
    request.command = p[0];
    CalcSettings& settings = request.settings;
    settings.sigFigs = p[1].empty() ? 0 : SigFigsOf(Number(p[1]));
    settings.options = {p[2] == "1", p[3] == "1", p[4] == "1", p[5] == "1"};
    request.deg2RadFocusable = p[6] == "1";
    settings.format.decimalSeparator = p[7];
    settings.format.groupSeparator = p[8];
    settings.format.negativeSign = p[9];
    EntryFields& f = request.fields;
    f = {std::string(p[10]), std::string(p[11]), std::string(p[12]),
         std::string(p[13]), std::string(p[14]), std::string(p[15])};
    return request;
}

Outcome RunCommand(Request& request) {
    const std::string_view c = request.command;
    EntryFields& fields = request.fields;
    if (c == "rad2deg" || c == "deg2rad") {
        return c == "rad2deg" ? ConvertRadiansToDegrees(fields, request.settings)
                              : ConvertDegreesToRadians(fields, request.settings);
    }
    if (c == "add" || c == "sub" || c == "move") {
        const auto index = c == "add"   ? PlusMinusIndex::Add
                           : c == "sub" ? PlusMinusIndex::Subtract
                                        : PlusMinusIndex::Move;
        return PlusMinus(fields, index, request.settings);
    }
    if (c == "sign") {
        return ChangeSign(fields, request.deg2RadFocusable);
    }
    if (c == "clear") {
        ClearInput(fields);
    }
    return {};
}

constexpr const char* kFocusNames[] = {"",           "txbRadians", "txbToAdd",  "txbDegrees",
                                       "txbMinutes", "txbSeconds", "cmdDeg2Rad"};

// The answer: radians, second value, degrees, minutes, seconds, sign, the pane's line, 1 when
// the pane turns its points to commas, the message's text, title and style, the control to
// focus.
std::string Answer(const Request& request, const Outcome& outcome) {
    const EntryFields& f = request.fields;
    const Message message = outcome.message.value_or(Message{});
    const std::string style =
        outcome.message ? std::to_string(static_cast<int>(message.style)) : std::string();
    std::string text;
    for (const std::string_view part :
         {std::string_view(f.radians), std::string_view(f.toAdd), std::string_view(f.degrees),
          std::string_view(f.minutes), std::string_view(f.seconds), std::string_view(f.sign),
          std::string_view(outcome.paneLine), std::string_view(outcome.paneCommas ? "1" : "0"),
          std::string_view(message.text), std::string_view(message.title), std::string_view(style),
          std::string_view(kFocusNames[static_cast<int>(outcome.focus)])}) {
        text += part;
        text += kSeparator;
    }
    text.pop_back();
    return text;
}

std::string JsonText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

constexpr const char* kKinds[] = {"frame", "label",  "sign", "field", "button",
                                  "check", "option", "list", "pane",  "link"};

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

// What the page is built from: the product's texts, the precision list and the window's
// controls in tab order, with their places in CSS pixels.
std::string PageDescription() {
    using namespace orvanel::layout;
    std::string json = "{\"title\":" + JsonText(std::string(SpecifySoftware::ProductName) + " " +
                                                SpecifySoftware::VersionText);
    json += ",\"notice\":" + JsonText(SpecifySoftware::CopyrightNotice);
    json += ",\"url\":" + JsonText(SecureAddress(SpecifySoftware::PublisherUrl));
    json += ",\"width\":" + std::to_string(Px(kWindowWidth));
    json += ",\"height\":" + std::to_string(Px(kWindowHeight));
    json += ",\"figures\":[";
    for (int figures = kFewestFigures; figures <= kMostFigures; ++figures) {
        json += (figures > kFewestFigures ? "," : "") + std::to_string(figures);
    }
    json += "],\"startFigures\":" + std::to_string(kStartFigures);
    json += ",\"copy\":{\"caption\":" + JsonText(kCopyCaption) +
            ",\"selectionCaption\":" + JsonText(kCopySelectionCaption) +
            ",\"width\":" + std::to_string(Px(kCopyWidth)) +
            ",\"selectionWidth\":" + std::to_string(Px(kCopySelectionWidth)) + "}";
    json += ",\"controls\":[";
    for (const Control& c : kMainControls) {
        json += c.name == kMainControls.front().name ? "{" : ",{";
        json += "\"name\":" + JsonText(c.name) +
                ",\"kind\":" + JsonText(kKinds[static_cast<int>(c.kind)]) +
                ",\"frame\":" + JsonText(c.frame) + ",\"caption\":" + JsonText(c.caption) +
                ",\"labels\":" + JsonText(c.kind == Kind::Label ? c.names : "") +
                ",\"accessibleName\":" + JsonText(AccessibleName(c)) +
                ",\"maxLength\":" + std::to_string(c.maxLength) + ",\"box\":[" +
                std::to_string(Px(c.twips.left)) + "," + std::to_string(Px(c.twips.top)) + "," +
                std::to_string(Px(c.twips.width)) + "," + std::to_string(Px(c.twips.height)) + "]}";
    }
    return json + "]}";
}

std::string g_request;
std::string g_answer;

} // namespace

#ifdef __wasm__
#define ORVANEL_EXPORT(name) __attribute__((export_name(name)))
#else
#define ORVANEL_EXPORT(name)
#endif

// The page writes its request into a buffer of `size` bytes that this returns.
extern "C" ORVANEL_EXPORT("request_buffer") char* RequestBuffer(std::size_t size) {
    g_request.assign(size, '\0');
    return g_request.data();
}

// Runs the request; the answer's bytes are at the address returned, answer_size() of them.
extern "C" ORVANEL_EXPORT("run") const char* RunRequest() {
    if (g_request == "page") {
        g_answer = PageDescription();
    } else {
        Request request = Parse(g_request);
        const Outcome outcome = RunCommand(request);
        g_answer = Answer(request, outcome);
    }
    return g_answer.data();
}

extern "C" ORVANEL_EXPORT("answer_size") std::size_t AnswerSize() {
    return g_answer.size();
}

#ifndef __wasm__
#include <cstdio>
#include <iostream>
#include <iterator>

// Built natively, the same requests and answers go through standard input and output, one
// request after another separated by U+001E, so that the native engine and the WebAssembly one
// can be compared byte for byte.
int main() {
    const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
    for (std::size_t start = 0; start < input.size();) {
        const auto end = std::min(input.find('\x1E', start), input.size());
        g_request.assign(input, start, end - start);
        const char* answer = RunRequest();
        std::fwrite(answer, 1, AnswerSize(), stdout);
        std::fputc('\x1E', stdout);
        start = end + 1;
    }
    return 0;
}
#endif
