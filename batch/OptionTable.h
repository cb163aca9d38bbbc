#pragma once
// orvanel-cli's commands, forms, delimiters, options and exit statuses as rows of data. The
// command-line parser, --help, the manual page, the page's converter panel and the usage
// messages are all made from these rows: a new option, form or delimiter is a new row.

#include "Calculator.h"
#include "Sexagesimal.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::batch {

enum class Command { Rad2Deg, Deg2Rad, Add, Sub, Dms2Deg, Deg2Dms };

// add and sub take two values, X and Y.
constexpr bool IsAdder(Command command) {
    return command == Command::Add || command == Command::Sub;
}

// dms2deg and deg2dms work on the digits typed, with --decimals rather than --figures.
constexpr bool IsExact(Command command) {
    return command == Command::Dms2Deg || command == Command::Deg2Dms;
}

// Texts of the rows below are plain for --help and the page. A manual text marks *bold* and
// _italic_ words; "{forms C}", "{names C}" and "{delimiters}" in a help or manual text stand for
// the lists the rows below make (ListText).

struct CommandRow {
    Command command;
    std::string_view name;
    std::string_view operands; // as --help names them: "R...", "X Y"
    std::string_view summary;  // the page's list
    std::string_view help;     // --help's text, "\n" where its lines break
    bool figures;              // takes --figures
    bool decimals;             // takes --decimals (not with --form dm)
};

inline constexpr std::array<CommandRow, 6> kCommands = {{
    {Command::Rad2Deg, "rad2deg", "R...", "radians to degrees", "radians to degrees", true, false},
    {Command::Deg2Rad, "deg2rad", "A...", "degrees, minutes and seconds to radians",
     "degrees, minutes and seconds to radians; A is a whole angle such as\n"
     "45 30 15, 45:30:15, 45°30'15\", 45d30m15s, 23Deg25.8', -45.5, 45°30'S\n"
     "or N 45 30",
     true, false},
    {Command::Add, "add", "X Y", "X + Y modulo one turn, in radians",
     "(X + Y) modulo one turn, in radians", true, false},
    {Command::Sub, "sub", "X Y", "X - Y modulo one turn, in radians",
     "(X - Y) modulo one turn, in radians", true, false},
    {Command::Dms2Deg, "dms2deg", "A...",
     "degrees, minutes and seconds to decimal degrees, exactly",
     "a whole angle, as deg2rad reads it, to decimal degrees, exactly\n"
     "(minutes and seconds below 60: 36°57'59.5\" is an angle)",
     false, true},
    {Command::Deg2Dms, "deg2dms", "X...",
     "decimal degrees to degrees, minutes and seconds, exactly",
     "decimal degrees to degrees, minutes and seconds, exactly", false, true},
}};

// Whether `rows` has one row for each enumerator up to `last`, in the enumerators' order (so
// that a row is found by its enumerator's value).
template <typename Row, std::size_t N, typename Key>
constexpr bool InEnumOrder(const std::array<Row, N>& rows, Key Row::*key, Key last) {
    bool inOrder = N == static_cast<std::size_t>(last) + 1;
    for (std::size_t i = 0; i < N; ++i) {
        inOrder = inOrder && static_cast<std::size_t>(rows[i].*key) == i;
    }
    return inOrder;
}
static_assert(InEnumOrder(kCommands, &CommandRow::command, Command::Deg2Dms),
              "kCommands has one row for each Command, in its order");

// A --form value. The first row a command offers is its default.
struct FormRow {
    std::string_view name;
    std::string_view description;         // the page's list and the manual
    std::string_view brief;               // --help's
    std::optional<OutputOptions> window;  // what rad2deg shows with it, if it takes it
    std::optional<SexagesimalForm> exact; // what deg2dms writes with it, if it takes it
};

inline constexpr std::array<FormRow, 4> kForms = {{
    {"dms", "degrees, minutes and seconds", "degrees, minutes and seconds",
     OutputOptions{false, true, false, true}, SexagesimalForm::Dms},
    {"dm", "degrees and whole minutes", "whole minutes", OutputOptions{false, true, true, true},
     SexagesimalForm::Dm},
    {"deg", "decimal degrees", "decimal degrees", OutputOptions{true, true, false, true},
     std::nullopt},
    {"degmin", "degrees and decimal minutes", "degrees and decimal minutes",
     OutputOptions{true, false, false, true}, SexagesimalForm::DegMin},
}};

// Whether `command` takes the form `row` (only rad2deg and deg2dms take any).
constexpr bool Takes(Command command, const FormRow& row) {
    return (command == Command::Rad2Deg && row.window) ||
           (command == Command::Deg2Dms && row.exact);
}

struct DelimiterRow {
    std::string_view given; // as --delimiter takes it
    std::string_view name;  // the page's list
    char delimiter;
};

// The first is the default.
inline constexpr std::array<DelimiterRow, 4> kDelimiters = {{
    {",", "comma", ','},
    {";", "semicolon", ';'},
    {"|", "vertical bar", '|'},
    {"tab", "tab", '\t'},
}};

enum class Option {
    Figures,
    Form,
    Decimals,
    Values,
    Csv,
    Column,
    Header,
    Delimiter,
    File,
    Crlf,
    Strict,
    LineBuffered,
    Help,
    Version
};

struct OptionRow {
    Option option;
    std::string_view name;     // "--figures"
    std::string_view argument; // its value as --help names it: "N"; empty for none
    std::string_view help;     // --help's text, "\n" where its lines break
    std::string_view manual;   // the manual page's paragraph
};

inline constexpr std::array<OptionRow, 14> kOptions = {{
    {Option::Figures, "--figures", "N",
     "significant figures, as in the window's list: 6, 7 (default), 8 or 9\n"
     "(rad2deg, deg2rad, add, sub)",
     "Significant figures, as in the window's list: 6, 7 (the default), 8 or 9. Radians are "
     "shown with one decimal fewer. Not for *dms2deg* and *deg2dms*."},
    {Option::Form, "--form", "F",
     "rad2deg's degree form: {forms rad2deg}; deg2dms's: {names deg2dms}",
     "The degree form of *rad2deg*: {forms rad2deg}; of *deg2dms*: {names deg2dms}."},
    {Option::Decimals, "--decimals", "N",
     "0 to 12 decimals of dms2deg's degrees (default 6), or of deg2dms's\n"
     "seconds (--form dms, default 2) or minutes (--form degmin, default 4)",
     "0 to 12 decimals: of the degrees of *dms2deg* (default 6, about 0.1 m on the ground), of "
     "the seconds of *deg2dms* (default 2, about 0.3 m) or of its minutes with *--form degmin* "
     "(default 4). Only with those two commands, and not with *--form dm*."},
    {Option::Values, "--values", "",
     "write only each result, not \"input = \"; an empty line for a refused one",
     "Print only each result: the text after * = *, without * radians*. A refused input gives an "
     "empty line (and is still reported)."},
    {Option::Csv, "--csv", "",
     "read CSV rows and convert the cells of each --column, leaving every\n"
     "other byte as it was",
     "Read CSV rows and convert the cells of the chosen columns (see *CSV FILES*)."},
    {Option::Column, "--column", "C",
     "a column to convert: a number from 1, or with --header a name; repeatable",
     "A column to convert: a number from 1, or with *--header* the name in the first row. May be "
     "given more than once. A name the header lacks is reported, and the exit status is 2."},
    {Option::Header, "--header", "", "the first row names the columns and is left as it is",
     "The first row names the columns; it is never converted."},
    {Option::Delimiter, "--delimiter", "D", "the CSV delimiter: {delimiters}",
     "The CSV delimiter: {delimiters}."},
    {Option::File, "--file", "F", "read the inputs from file F (\"-\": standard input); repeatable",
     "Read the inputs from file _F_; *-* is standard input. May be given more than once."},
    {Option::Crlf, "--crlf", "", "end the result lines with CR LF, as the window's copy does",
     "End the result lines with CR LF, as the window's copy does."},
    {Option::Strict, "--strict", "", "stop at the first input that is refused",
     "Stop at the first input that is refused."},
    {Option::LineBuffered, "--line-buffered", "",
     "write each result at once, also into a pipe or file",
     "Write each result as soon as it is converted, also into a pipe or a file."},
    {Option::Help, "--help", "", "show this help and exit", "Print a usage message and exit."},
    {Option::Version, "--version", "", "show the version and exit", "Print the version and exit."},
}};

static_assert(InEnumOrder(kOptions, &OptionRow::option, Option::Version),
              "kOptions has one row for each Option, in its order");

// The row of `rows` named `name` (a command, form or option: "deg2dms", "dm", "--form"), or
// nothing.
template <typename Row, std::size_t N>
constexpr const Row* RowNamed(const std::array<Row, N>& rows, std::string_view name) {
    for (const Row& row : rows) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

// Exit statuses of a run, as the command line and the page's converter give them.
enum class Status { Converted = 0, Refused = 1, Failed = 2 };

struct StatusRow {
    Status status;
    std::string_view manual;
};

inline constexpr std::array<StatusRow, 3> kStatuses = {{
    {Status::Converted, "Every input converted."},
    {Status::Refused, "Some input was refused."},
    {Status::Failed, "A usage error, a file that could not be read, or output that could not be "
                     "written."},
}};

// "a", "a or b", "a, b or c" with `last` " or ".
std::string Joined(const std::vector<std::string>& items, std::string_view last);

// How a list is written: for --help and messages, or for the manual page's markup.
enum class ListStyle { Plain, Manual };

// The forms `command` takes: "dms (default), dm (whole minutes)...", or with `names` alone
// "dms, dm or degmin"; `withDefault` marks the first as the default.
std::string FormList(Command command, ListStyle style, bool names, bool withDefault);

// The delimiters: "\",\" (default), \";\", \"|\" or tab", each quoted unless a word names it.
std::string DelimiterList(ListStyle style, bool withDefault);

// `text` with its "{...}" lists written out in `style`. `withDefault` marks the default of a
// list of forms or delimiters, as --help and the manual do and a usage message does not.
std::string ListText(std::string_view text, ListStyle style, bool withDefault = true);

} // namespace orvanel::batch
