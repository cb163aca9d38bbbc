// orvanel-cli against the window's engine calls, and whole runs of the command from tables:
// same-line.tsv (an input, the fields a window user would type for it) and runs.tsv (a
// command line and its standard input, with what must come out).
#include "Cli.h"
#include "Calculator.h"
#include "TableFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

std::vector<TableRow> Table(const std::string& name) {
    std::vector<TableRow> rows = ReadTable(std::string(ORVANEL_CLI_CASES) + "/" + name);
    for (TableRow& row : rows) {
        for (std::string& cell : row.cells) {
            cell = Unescape(cell);
        }
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

struct CliRun {
    int status;
    std::string out, err;
};

// The command line is split at "|" so that operands may hold blanks.
CliRun RunCli(const std::string& commandLine, const std::string& input) {
    std::vector<std::string> words;
    std::istringstream split(commandLine);
    for (std::string word; std::getline(split, word, '|');) {
        words.push_back(word);
    }
    const std::vector<std::string_view> args(words.begin(), words.end());
    std::string in = input;
    char* out = nullptr;
    char* err = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE* inFile =
        in.empty() ? std::fopen("/dev/null", "r") : fmemopen(in.data(), in.size(), "r");
    std::FILE* outFile = open_memstream(&out, &outSize);
    std::FILE* errFile = open_memstream(&err, &errSize);
    CliRun run{cli::Run(args, {inFile, outFile, errFile}), {}, {}};
    for (std::FILE* f : {inFile, outFile, errFile}) {
        std::fclose(f);
    }
    run.out.assign(out, outSize);
    run.err.assign(err, errSize);
    std::free(out);
    std::free(err);
    return run;
}

std::string WindowLine(const std::vector<std::string>& row) {
    CalcSettings settings;
    settings.sigFigs = std::stoi(row[1]) - 1;
    settings.options.outputInDecimal = row[2] == "deg" || row[2] == "degmin";
    settings.options.decimalDegrees = row[2] != "degmin";
    settings.options.roundToMinutes = row[2] == "dm";
    EntryFields f{row[4], row[5], row[6], row[7], row[8], row[9]};
    const Outcome outcome =
        row[0] == "rad2deg" ? ConvertRadiansToDegrees(f, settings)
        : row[0] == "deg2rad"
            ? ConvertDegreesToRadians(f, settings)
            : PlusMinus(f, row[0] == "add" ? PlusMinusIndex::Add : PlusMinusIndex::Subtract,
                        settings);
    return outcome.message ? "refused: " + outcome.message->text : outcome.paneAppend;
}

} // namespace

TEST(Cli, PrintsTheWindowsLineForTheSameInput) {
    for (const auto& [number, row] : Table("same-line.tsv")) {
        const std::string form = row[0] == "rad2deg" ? "|--form|" + row[2] : "";
        const CliRun run =
            RunCli(row[0] + "|--figures|" + row[1] + form + "|--crlf", row[3] + "\n");
        const auto message = run.err.rfind("\": ") + 3;
        const std::string got = run.status == 0 ? run.out : "refused: " + run.err.substr(message);
        EXPECT_EQ(got, WindowLine(row) + (run.status == 0 ? "" : "\n")) << row[3];
    }
}

TEST(Cli, RunsAsTheTablesSay) {
    for (const auto& [number, row] : Table("runs.tsv")) {
        const CliRun run = RunCli(row[0], row[1]);
        EXPECT_EQ(run.out, row[2]) << row[0];
        EXPECT_EQ(run.err, row.size() > 4 ? row[4] : "") << row[0];
        EXPECT_EQ(run.status, std::stoi(row[3])) << row[0];
    }
}
