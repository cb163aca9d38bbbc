#include "OptionTable.h"

#include <vector>

namespace orvanel::batch {
namespace {

std::string Marked(std::string_view word, ListStyle style) {
    return style == ListStyle::Manual ? "*" + std::string(word) + "*" : std::string(word);
}

// The list a "{...}" stands for, or nothing for one this does not know.
std::optional<std::string> List(std::string_view token, ListStyle style, bool withDefault) {
    if (token == "delimiters") {
        return DelimiterList(style, withDefault);
    }
    const auto space = token.find(' ');
    const CommandRow* row =
        space == std::string_view::npos ? nullptr : RowNamed(kCommands, token.substr(space + 1));
    const std::string_view kind = token.substr(0, space);
    if (row == nullptr || (kind != "forms" && kind != "names")) {
        return std::nullopt;
    }
    return FormList(row->command, style, kind == "names", withDefault);
}

} // namespace

std::string Joined(const std::vector<std::string>& items, std::string_view last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += i == 0 ? "" : i + 1 == items.size() ? last : ", ";
        text += items[i];
    }
    return text;
}

std::string FormList(Command command, ListStyle style, bool names, bool withDefault) {
    std::vector<std::string> items;
    for (const FormRow& row : kForms) {
        if (!Takes(command, row)) {
            continue;
        }
        std::string item = Marked(row.name, style);
        const bool isDefault = items.empty() && withDefault;
        if (!names && isDefault) {
            item += style == ListStyle::Manual ? " (" + std::string(row.brief) + "; the default)"
                                               : std::string(" (default)");
        } else if (!names) {
            item += " (" + std::string(row.brief) + ")";
        }
        items.push_back(std::move(item));
    }
    return Joined(items, " or ");
}

std::string DelimiterList(ListStyle style, bool withDefault) {
    std::vector<std::string> items;
    for (const DelimiterRow& row : kDelimiters) {
        std::string item = style == ListStyle::Manual || row.given == row.name
                               ? Marked(row.given, style)
                               : "\"" + std::string(row.given) + "\"";
        if (items.empty() && withDefault) {
            item += style == ListStyle::Manual ? " (the default)" : " (default)";
        }
        items.push_back(std::move(item));
    }
    return Joined(items, " or ");
}

std::string ListText(std::string_view text, ListStyle style, bool withDefault) {
    std::string out;
    for (;;) {
        const auto open = text.find('{');
        const auto close = text.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            return out + std::string(text);
        }
        out += text.substr(0, open);
        const std::string_view token = text.substr(open + 1, close - open - 1);
        out += List(token, style, withDefault)
                   .value_or(std::string(text.substr(open, close - open + 1)));
        text.remove_prefix(close + 1);
    }
}

} // namespace orvanel::batch
