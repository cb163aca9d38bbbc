// Runs the tables of examples in tests/engine/cases/*.tsv: one row a line, columns separated by
// tabs, "#" starts a comment. The first column names the rule; see the head of each file.
#include "AngleEntry.h"
#include "Calculator.h"
#include "Rad2Deg.h"
#include "StrProc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

using namespace orvanel;

namespace {

using Row = std::vector<std::string>;

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

// Numbers in the tables are read by the C library, a reading independent of the calculator's.
double Number(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

NumberFormat Format(const std::string& name) {
    NumberFormat format;
    if (name == "comma") {
        format.decimalSeparator = ",";
        format.groupSeparator = ".";
    } else if (name == "nozero") {
        format.leadingZero = false;
    } else if (name == "minus") {
        format.negativeSign = "\u2212";
    } else if (name == "nodecimals") {
        format.defaultDecimals = 0;
    }
    return format;
}

// "sig=6 decmin comma quiet": the precision, the degree form, the regional format, the log.
CalcSettings Settings(const std::string& words) {
    CalcSettings settings;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        if (word.rfind("sig=", 0) == 0) {
            settings.sigFigs = std::stoi(word.substr(4));
        } else if (word == "min") {
            settings.options.roundToMinutes = true;
        } else if (word == "deg" || word == "decmin") {
            settings.options.outputInDecimal = true;
            settings.options.decimalDegrees = word == "deg";
        } else if (word == "quiet") {
            settings.options.showPlusMinus = false;
        } else if (word != "dms") {
            settings.format = Format(word);
        }
    }
    return settings;
}

std::string* FieldNamed(EntryFields& f, const std::string& key) {
    const std::map<std::string, std::string*> fields = {
        {"radians", &f.radians}, {"toAdd", &f.toAdd},     {"degrees", &f.degrees},
        {"minutes", &f.minutes}, {"seconds", &f.seconds}, {"sign", &f.sign}};
    const auto found = fields.find(key);
    return found == fields.end() ? nullptr : found->second;
}

const char* FocusName(FocusTarget focus) {
    constexpr const char* names[] = {"Unchanged", "Radians", "ToAdd",  "Degrees",
                                     "Minutes",   "Seconds", "Deg2Rad"};
    return names[static_cast<int>(focus)];
}

Outcome Run(const std::string& command, EntryFields& fields, const CalcSettings& settings) {
    if (command == "deg2rad") {
        return ConvertDegreesToRadians(fields, settings);
    }
    if (command == "rad2deg") {
        return ConvertRadiansToDegrees(fields, settings);
    }
    if (command == "sign" || command == "sign-unfocusable") {
        return ChangeSign(fields, command == "sign");
    }
    const auto index = command == "add"   ? PlusMinusIndex::Add
                       : command == "sub" ? PlusMinusIndex::Subtract
                                          : PlusMinusIndex::Move;
    return PlusMinus(fields, index, settings);
}

// command, settings, input fields as key=value, "->", expectations as key=value.
void CheckCommand(const Row& row, const std::string& where) {
    EntryFields fields;
    std::size_t i = 2;
    for (; i < row.size() && row[i] != "->"; ++i) {
        const auto eq = row[i].find('=');
        *FieldNamed(fields, row[i].substr(0, eq)) = Unescape(row[i].substr(eq + 1));
    }
    const EntryFields before = fields;
    const Outcome outcome = Run(row[0], fields, Settings(row[1]));
    const std::string line = outcome.paneAppend.empty()
                                 ? ""
                                 : outcome.paneAppend.substr(0, outcome.paneAppend.size() - 2);
    const Message message = outcome.message.value_or(Message{"", "", MessageStyle::Exclamation});
    for (++i; i < row.size(); ++i) {
        const auto eq = row[i].find('=');
        const std::string key = row[i].substr(0, eq);
        const std::string expected = Unescape(row[i].substr(eq + 1));
        std::string got;
        if (std::string* field = FieldNamed(fields, key)) {
            got = *field;
        } else if (key == "line") {
            got = line;
            EXPECT_TRUE(line.empty() || outcome.paneAppend.ends_with("\r\n")) << where;
        } else if (key == "message") {
            got = message.text;
        } else if (key == "title") {
            got = message.title;
        } else if (key == "style") {
            got = std::to_string(static_cast<int>(message.style));
        } else if (key == "focus") {
            got = FocusName(outcome.focus);
        } else if (key == "commas") {
            got = outcome.paneCommas ? "1" : "0";
        } else if (key == "fields") {
            got = fields == before ? "unchanged" : "changed";
        } else {
            ADD_FAILURE() << where << ": unknown key " << key;
        }
        EXPECT_EQ(got, expected) << where << " (" << key << ")";
    }
}

void CheckRow(const Row& row, const std::string& where) {
    const std::string& rule = row[0];
    const auto arg = [&](std::size_t i) { return Unescape(row.at(i)); };
    if (rule == "read") {
        EXPECT_EQ(ReadLeadingNumber(arg(1)), Number(row.at(2))) << where;
    } else if (rule == "general") {
        EXPECT_EQ(GeneralNumberText(Number(row.at(1))), row.at(2)) << where;
    } else if (rule == "fixed") {
        EXPECT_EQ(FormatFixed(Number(row.at(1)), std::stoi(row.at(2)), Format(row.at(3))),
                  row.at(4))
            << where;
    } else if (rule == "round") {
        EXPECT_EQ(RoundHalfEven(Number(row.at(1)), std::stoi(row.at(2))), Number(row.at(3)))
            << where;
    } else if (rule == "field") {
        bool bad = false;
        bool comma = row.at(3) != "1";
        const double value = ParseAngleField(arg(1), bad, comma);
        EXPECT_EQ(bad ? std::string("bad") : GeneralNumberText(value), row.at(2)) << where;
        EXPECT_EQ(comma, row.at(3) == "1") << where;
    } else if (rule == "dms") {
        EXPECT_EQ(Rad2DegMin(Number(row.at(1))), row.at(2)) << where;
        EXPECT_EQ(Rad2DegMinSec(Number(row.at(1))), row.at(3)) << where;
    } else if (rule == "count") {
        EXPECT_EQ(CountOccurrences(arg(1), arg(2)), std::stoi(row.at(3))) << where;
    } else if (rule == "replace") {
        EXPECT_EQ(ReplaceNoCase(arg(1), arg(2), arg(3)), arg(4)) << where;
    } else {
        CheckCommand(row, where);
    }
}

class Cases : public ::testing::TestWithParam<std::string> {};

TEST_P(Cases, EveryRowHolds) {
    const std::filesystem::path path = std::filesystem::path(ORVANEL_CASES) / GetParam();
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    int number = 0;
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        Row row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            row.push_back(cell);
        }
        CheckRow(row, GetParam() + ":" + std::to_string(number));
        ++rows;
    }
    EXPECT_GT(rows, 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, Cases,
                         ::testing::Values("numbers.tsv", "text.tsv", "deg2rad.tsv", "rad2deg.tsv",
                                           "adder.tsv", "sign.tsv", "bad-input.tsv"),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
