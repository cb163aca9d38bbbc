// Writes orvanel-cli's manual page from its template, with the options and exit statuses made
// from the option table: orvanel_manual_page TEMPLATE VERSION > orvanel-cli.1
#include "OptionTable.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

using namespace orvanel::batch;

// A manual text (ListText's markup: *bold*, _italic_) as roff.
std::string Roff(std::string_view text) {
    std::string roff;
    bool bold = false;
    bool italic = false;
    for (const char c : text) {
        if (c == '*' || c == '_') {
            bool& on = c == '*' ? bold : italic;
            roff += on ? "\\fP" : c == '*' ? "\\fB" : "\\fI";
            on = !on;
        } else if (c == '-' || c == '\\') {
            roff += c == '-' ? "\\-" : "\\e";
        } else {
            roff += c;
        }
    }
    return roff;
}

std::string Options() {
    std::string roff;
    for (const OptionRow& row : kOptions) {
        roff += ".TP\n";
        roff += row.argument.empty()
                    ? ".B " + Roff(row.name)
                    : ".BI " + Roff(row.name) + " \" " + std::string(row.argument) + "\"";
        roff += "\n" + Roff(ListText(row.manual, ListStyle::Manual)) + "\n";
    }
    return roff;
}

std::string ExitStatuses() {
    std::string roff;
    for (const StatusRow& row : kStatuses) {
        roff += ".TP\n.B " + std::to_string(static_cast<int>(row.status)) + "\n" +
                Roff(row.manual) + "\n";
    }
    return roff;
}

void Replace(std::string& text, std::string_view mark, const std::string& by) {
    const auto at = text.find(mark);
    if (at != std::string::npos) {
        // A mark stands on a line of its own, whose line end the replacement brings.
        const bool line =
            at + mark.size() < text.size() && text[at + mark.size()] == '\n' && by.ends_with('\n');
        text.replace(at, mark.size() + (line ? 1 : 0), by);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvanel_manual_page TEMPLATE VERSION\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string page{std::istreambuf_iterator<char>(in), {}};
    if (!in && !in.eof()) {
        std::cerr << "orvanel_manual_page: cannot read " << argv[1] << "\n";
        return 2;
    }
    Replace(page, "@VERSION@", argv[2]);
    Replace(page, "@OPTIONS@", Options());
    Replace(page, "@EXIT_STATUS@", ExitStatuses());
    std::cout << page;
    return std::cout ? 0 : 2;
}
