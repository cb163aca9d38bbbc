#pragma once
// Tables of cases: one row a line, cells separated by tabs; "#" starts a comment line, and
// \t, \n and \r in a cell stand for a tab, a line feed and a carriage return.

#include <fstream>
#include <string>
#include <vector>

namespace orvanel::testing {

struct TableRow {
    int line; // in the file, for messages
    std::vector<std::string> cells;
};

inline std::string Unescape(std::string text) {
    for (const auto& [escape, character] : {std::pair{"\\t", "\t"}, {"\\n", "\n"}, {"\\r", "\r"}}) {
        for (std::size_t at; (at = text.find(escape)) != std::string::npos;) {
            text.replace(at, 2, character);
        }
    }
    return text;
}

inline std::vector<TableRow> ReadTable(const std::string& path) {
    std::ifstream in(path);
    std::vector<TableRow> rows;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        if (++number, line.empty() || line[0] == '#') {
            continue;
        }
        TableRow& row = rows.emplace_back(TableRow{number, {}});
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            row.cells.push_back(line.substr(start, tab - start));
        }
    }
    return rows;
}

} // namespace orvanel::testing
