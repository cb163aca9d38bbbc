// Runs the tables of examples in tests/engine/cases/*.tsv: one row a line, columns separated by
// tabs, "#" starts a comment. The first column names the rule; see the head of each file.
// Every row of a window command that orvanel-cli can express runs through it as well, and must
// print the same line.
#include "Calculator.h"
#include "Cli.h"
#include "Rad2Deg.h"
#include "StrProc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

using namespace orvanel;

namespace {

using Row = std::vector<std::string>;

// Tables: one row a line, cells separated by tabs, "#" starts a comment line; \t, \n and
// \r in a cell stand for a tab, a line feed and a carriage return.
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

// Numbers in the tables are read and written by the C++ library, independently of the calculator.
double Number(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}
std::string Text(double x) {
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr};
}

NumberFormat Format(const std::string& name) {
    NumberFormat format;
    format.decimalSeparator = name == "comma" ? "," : ".";
    format.groupSeparator = name == "comma" ? "." : ",";
    format.leadingZero = name != "nozero";
    format.negativeSign = name == "minus" ? "\u2212" : "-";
    format.defaultDecimals = name == "nodecimals" ? 0 : 2;
    format.groupSize = name == "nogroup" ? 0 : 3;
    return format;
}

// "sig=6 decmin comma quiet": the precision, the degree form, the regional format, the log.
CalcSettings Settings(const std::string& words) {
    CalcSettings settings;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        OutputOptions& options = settings.options;
        if (word.starts_with("sig=")) {
            settings.sigFigs = std::stoi(word.substr(4));
        } else if (word == "min" || word == "deg" || word == "decmin") {
            options.roundToMinutes = word == "min";
            options.outputInDecimal = word != "min";
            options.decimalDegrees = word == "deg";
        } else if (word == "quiet") {
            options.showPlusMinus = false;
        } else {
            settings.format = Format(word);
        }
    }
    return settings;
}

Outcome Run(const std::string& command, EntryFields& fields, const CalcSettings& settings) {
    if (command == "deg2rad" || command == "rad2deg") {
        return command == "deg2rad" ? ConvertDegreesToRadians(fields, settings)
                                    : ConvertRadiansToDegrees(fields, settings);
    }
    if (command.starts_with("sign")) {
        return ChangeSign(fields, command == "sign");
    }
    return PlusMinus(fields,
                     command == "add"   ? PlusMinusIndex::Add
                     : command == "sub" ? PlusMinusIndex::Subtract
                                        : PlusMinusIndex::Move,
                     settings);
}

struct CliRun {
    int status;
    std::string out, err;
};

std::string Slurp(std::FILE* file) {
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

// orvanel-cli run in this process: the command line split at "|", so operands may hold blanks.
CliRun RunCli(const std::string& commandLine, const std::string& input) {
    std::vector<std::string> words;
    std::istringstream split(commandLine);
    for (std::string word; std::getline(split, word, '|');) {
        words.push_back(word);
    }
    std::FILE* in = std::tmpfile();
    std::fputs(input.c_str(), in);
    std::rewind(in);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = cli::Run({words.begin(), words.end()}, {in, out, err});
    std::fclose(in);
    return {status, Slurp(out), Slurp(err)};
}

// The command line's line for a window row it can express: the same input, the same list entry
// and form, the regional format the command uses. Empty when it cannot.
std::string CliCommandLine(const Row& row, const EntryFields& in, std::string& input) {
    const CalcSettings settings = Settings(row[1]);
    const OutputOptions& o = settings.options;
    const bool otherFormat = std::regex_search(row[1], std::regex("nozero|minus|nodecimals"));
    if (settings.sigFigs < 5 || otherFormat || !o.showPlusMinus || row[0].starts_with("sign") ||
        row[0] == "move") {
        return {};
    }
    const char* form = o.outputInDecimal  ? (o.decimalDegrees ? "deg" : "degmin")
                       : o.roundToMinutes ? "dm"
                                          : "dms";
    std::string line = row[0] + "|--figures|" + std::to_string(settings.sigFigs + 1);
    if (row[0] == "rad2deg") {
        input = in.radians;
        return input.empty() ? "" : line + "|--form|" + form; // a blank line gives a blank line
    }
    if (row[0] == "deg2rad") {
        // A whole angle from the three fields, each part marked by its unit.
        const std::string typed = in.degrees + in.minutes + in.seconds;
        if (typed.find_first_of(" -+") != std::string::npos) {
            return {}; // the command reads those as blanks and signs, not as field text
        }
        input = in.sign + (in.degrees.empty() ? "" : in.degrees + "°") +
                (in.minutes.empty() ? "" : in.minutes + "'") +
                (in.seconds.empty() ? "" : in.seconds + "\"");
        return typed.empty() ? "" : line;
    }
    input = in.radians + " " + in.toAdd;
    return in.radians.empty() || in.toAdd.empty() ||
                   input.find_first_of("\t") != std::string::npos ||
                   std::count(input.begin(), input.end(), ' ') != 1
               ? ""
               : line;
}

constexpr const char* kFocusNames[] = {"Unchanged", "Radians", "ToAdd",  "Degrees",
                                       "Minutes",   "Seconds", "Deg2Rad"};

// command, settings, input fields as key=value, "->", what must hold as key=value.
void CheckCommand(const Row& row, const std::string& where) {
    EntryFields fields;
    const std::map<std::string, std::string*> named = {
        {"radians", &fields.radians}, {"toAdd", &fields.toAdd},     {"degrees", &fields.degrees},
        {"minutes", &fields.minutes}, {"seconds", &fields.seconds}, {"sign", &fields.sign}};
    std::size_t i = 2;
    for (; row.at(i) != "->"; ++i) {
        *named.at(row[i].substr(0, row[i].find('='))) =
            Unescape(row[i].substr(row[i].find('=') + 1));
    }
    const EntryFields before = fields;
    const Outcome outcome = Run(row[0], fields, Settings(row[1]));
    const std::string& line = outcome.paneAppend;
    EXPECT_TRUE(line.empty() || line.ends_with("\r\n")) << where;
    const Message message = outcome.message.value_or(Message{});
    const std::map<std::string, std::string> got = {
        {"line", line.substr(0, line.empty() ? 0 : line.size() - 2)},
        {"message", message.text},
        {"title", message.title},
        {"style", outcome.message ? std::to_string(static_cast<int>(message.style)) : ""},
        {"focus", kFocusNames[static_cast<int>(outcome.focus)]},
        {"commas", outcome.paneCommas ? "1" : "0"},
        {"fields", fields == before ? "unchanged" : "changed"}};
    for (++i; i < row.size(); ++i) {
        const std::string key = row[i].substr(0, row[i].find('='));
        const std::string value = named.contains(key) ? *named.at(key) : got.at(key);
        EXPECT_EQ(value, Unescape(row[i].substr(row[i].find('=') + 1))) << where << " " << key;
    }
    // orvanel-cli prints the window's line for the same input, or refuses it with its message.
    std::string input;
    if (const std::string command = CliCommandLine(row, before, input); !command.empty()) {
        const CliRun run = RunCli(command + "|--crlf", input + "\n");
        EXPECT_EQ(run.status == 0 ? run.out : run.err.substr(run.err.rfind("\": ") + 3),
                  outcome.message ? message.text + "\n" : line)
            << where << " (orvanel-cli " << command << ")";
    }
}

// What each pure rule gives for a row's arguments, as text.
const std::map<std::string, std::function<std::string(const Row&)>> kRules = {
    {"read", [](const Row& r) { return Text(ReadLeadingNumber(Unescape(r[1]))); }},
    {"general", [](const Row& r) { return GeneralNumberText(Number(r[1])); }},
    {"fixed",
     [](const Row& r) { return FormatFixed(Number(r[1]), std::stoi(r[2]), Format(r[3])); }},
    {"round", [](const Row& r) { return Text(RoundHalfEven(Number(r[1]), std::stoi(r[2]))); }},
    {"field",
     [](const Row& r) {
         bool bad = false;
         bool comma = false;
         const double value = ParseAngleField(r[1], bad, comma);
         return (bad ? "bad " : "") + Text(value) + (comma ? " comma" : "");
     }},
    {"dms",
     [](const Row& r) { return Rad2DegMin(Number(r[1])) + " " + Rad2DegMinSec(Number(r[1])); }},
    {"mod2pi", [](const Row& r) { return Text(Mod2Pi(Number(r[1]))); }},
    {"count", [](const Row& r) { return std::to_string(CountOccurrences(r[1], r[2])); }},
    {"replace", [](const Row& r) { return ReplaceNoCase(r[1], r[2], r[3]); }}};

class Cases : public ::testing::TestWithParam<std::string> {};

TEST_P(Cases, EveryRowHolds) {
    const std::vector<TableRow> rows = ReadTable(std::string(ORVANEL_CASES) + "/" + GetParam());
    EXPECT_FALSE(rows.empty()) << GetParam();
    for (const auto& [number, row] : rows) {
        const std::string where = GetParam() + ":" + std::to_string(number);
        if (!kRules.contains(row[0])) {
            CheckCommand(row, where);
            continue;
        }
        // A double the library writes may be given either way (1000 or 1e+03); texts the
        // calculator writes must match to the letter.
        const std::string got = kRules.at(row[0])(row);
        const std::string& expected = row.back();
        double a = 0;
        double b = 1;
        const bool numbers =
            std::regex_match(row[0], std::regex("read|round|mod2pi")) &&
            std::from_chars(got.data(), got.data() + got.size(), a).ptr ==
                got.data() + got.size() &&
            std::from_chars(expected.data(), expected.data() + expected.size(), b).ptr ==
                expected.data() + expected.size();
        EXPECT_TRUE(got == expected || (numbers && a == b))
            << where << ": got " << got << ", expected " << expected;
    }
}

// Whole runs of orvanel-cli: a command line (words split at "|"), its standard input, then what
// must come out on standard output, the exit status and what on standard error.
TEST(Cli, RunsAsTheTableSays) {
    const std::vector<TableRow> rows = ReadTable(std::string(ORVANEL_CASES) + "/cli-runs.tsv");
    EXPECT_FALSE(rows.empty());
    for (const auto& [number, row] : rows) {
        const CliRun run = RunCli(row[0], Unescape(row[1]));
        EXPECT_EQ(run.out, Unescape(row[2])) << "cli-runs.tsv:" << number;
        EXPECT_EQ(run.status, std::stoi(row[3])) << "cli-runs.tsv:" << number;
        EXPECT_EQ(run.err, row.size() > 4 ? Unescape(row[4]) : "") << "cli-runs.tsv:" << number;
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, Cases,
                         ::testing::Values("numbers.tsv", "text.tsv", "deg2rad.tsv", "rad2deg.tsv",
                                           "adder.tsv", "sign.tsv", "badinput.tsv"),
                         [](const auto& info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

} // namespace
