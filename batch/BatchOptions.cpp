#include "BatchOptions.h"

#include <array>
#include <charconv>

namespace orvanel::batch {
namespace {

// What the command line says, before it is checked against the command.
struct Given {
    std::optional<std::string_view> command, form, figures, decimals, delimiter;
    std::vector<std::string_view> columns;
    bool csv = false;
    bool header = false;
};

// The delimiter `given` names, by its name or as itself.
std::optional<char> DelimiterNamed(std::string_view given) {
    for (const DelimiterRow& row : kDelimiters) {
        if (given == row.given || (given.size() == 1 && given[0] == row.delimiter)) {
            return row.delimiter;
        }
    }
    return std::nullopt;
}

// The names of the commands `which` holds, joined: "dms2deg and deg2dms".
std::string CommandNames(bool (*which)(const CommandRow&), std::string_view last) {
    std::vector<std::string> names;
    for (const CommandRow& row : kCommands) {
        if (which(row)) {
            names.emplace_back(row.name);
        }
    }
    return Joined(names, last);
}

bool Any(const CommandRow&) {
    return true;
}
bool WithFigures(const CommandRow& row) {
    return row.figures;
}
bool WithDecimals(const CommandRow& row) {
    return row.decimals;
}
bool Adder(const CommandRow& row) {
    return IsAdder(row.command);
}

std::string FormMessage() {
    std::string message = "--form takes ";
    bool first = true;
    for (const CommandRow& row : kCommands) {
        if (const std::string forms = FormList(row.command, ListStyle::Plain, true, false);
            !forms.empty()) {
            message += (first ? "" : ", and ") + forms + " with " + std::string(row.name);
            first = false;
        }
    }
    return message;
}

std::optional<int> WholeNumber(std::string_view text, int least, int most) {
    int value = 0;
    const auto end = text.data() + text.size();
    if (text.empty() || std::from_chars(text.data(), end, value).ptr != end || value < least ||
        value > most) {
        return std::nullopt;
    }
    return value;
}

// Records the option `row` given with `value` (empty for a flag).
void Take(const OptionRow& row, std::string_view value, Options& options, Given& given) {
    Job& job = options.job;
    switch (row.option) {
    case Option::Figures:
        given.figures = value;
        break;
    case Option::Form:
        given.form = value;
        break;
    case Option::Decimals:
        given.decimals = value;
        break;
    case Option::Delimiter:
        given.delimiter = value;
        break;
    case Option::Column:
        given.columns.push_back(value);
        break;
    case Option::File:
        options.files.emplace_back(value);
        break;
    case Option::Values:
        job.values = true;
        break;
    case Option::Csv:
        given.csv = true;
        break;
    case Option::Header:
        given.header = true;
        break;
    case Option::Crlf:
        job.crlf = true;
        break;
    case Option::Strict:
        job.strict = true;
        break;
    case Option::LineBuffered:
        options.lineBuffered = true;
        break;
    case Option::Help:
    case Option::Version:
        break; // answered before the words are read
    }
}

// Reads the words; why they are wrong, or nothing.
std::optional<std::string> Read(const std::vector<std::string_view>& args, Options& options,
                                Given& given) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || arg.substr(0, 2) != "--") {
            (given.command ? options.operands.push_back(arg) : void(given.command = arg));
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string_view> value;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        const OptionRow* row = RowNamed(kOptions, arg);
        if (row == nullptr) {
            return "unknown option " + std::string(arg);
        }
        // --help and --version given bare have been answered before the words are read.
        const bool takesValue = !row->argument.empty();
        if (!takesValue &&
            (value || row->option == Option::Help || row->option == Option::Version)) {
            return std::string(arg) + " takes no value";
        }
        if (takesValue && !value) {
            if (i + 1 == args.size()) {
                return std::string(arg) + " needs a value";
            }
            value = args[++i];
        }
        Take(*row, value.value_or(""), options, given);
    }
    return std::nullopt;
}

// --figures and --form for the window's commands.
std::optional<std::string> SetWindowForm(const Given& given, Options& options) {
    CalcSettings& settings = options.job.settings;
    settings.sigFigs = SigFigsOf(kStartFigures);
    if (given.figures) {
        const auto figures = WholeNumber(*given.figures, kFewestFigures, kMostFigures);
        if (!figures) {
            std::vector<std::string> offered;
            for (int f = kFewestFigures; f <= kMostFigures; ++f) {
                offered.push_back(std::to_string(f));
            }
            return "--figures takes " + Joined(offered, " or ");
        }
        settings.sigFigs = SigFigsOf(*figures);
    }
    if (!given.form) {
        return std::nullopt;
    }
    const FormRow* form = RowNamed(kForms, *given.form);
    if (form == nullptr || !Takes(options.job.command, *form)) {
        return FormMessage();
    }
    OutputOptions& out = settings.options;
    out.outputInDecimal = form->window->outputInDecimal;
    out.decimalDegrees = form->window->decimalDegrees;
    out.roundToMinutes = form->window->roundToMinutes;
    return std::nullopt;
}

// --form and --decimals for dms2deg and deg2dms.
std::optional<std::string> SetExactForm(const Given& given, batch::Job& job) {
    if (given.figures) {
        return "--figures is for " + CommandNames(WithFigures, " and ") + "; " +
               CommandNames(WithDecimals, " and ") + " take --decimals";
    }
    if (given.form) {
        const FormRow* form = RowNamed(kForms, *given.form);
        if (form == nullptr || !Takes(job.command, *form)) {
            return FormMessage();
        }
        job.form = *form->exact;
    }
    if (given.decimals) {
        const auto decimals = WholeNumber(*given.decimals, 0, kMostExactDecimals);
        if (!decimals || job.form == SexagesimalForm::Dm) {
            return "--decimals takes 0 to " + std::to_string(kMostExactDecimals) +
                   ", with dms2deg or deg2dms --form dms or degmin";
        }
        job.decimals = *decimals;
    }
    return std::nullopt;
}

// --csv with its --column, --header and --delimiter.
std::optional<std::string> SetCsv(const Given& given, Options& options) {
    if (!given.csv) {
        const bool any = !given.columns.empty() || given.header || given.delimiter;
        return any ? std::optional<std::string>("--column, --header and --delimiter go with --csv")
                   : std::nullopt;
    }
    if (!options.operands.empty()) {
        return std::string("--csv reads files or standard input, not operands");
    }
    CsvJob csv;
    csv.dialect.header = given.header;
    if (given.delimiter) {
        const auto delimiter = DelimiterNamed(*given.delimiter);
        if (!delimiter) {
            return "--delimiter takes " + DelimiterList(ListStyle::Plain, false);
        }
        csv.dialect.delimiter = *delimiter;
    }
    for (std::string_view column : given.columns) {
        const auto number = WholeNumber(column, 1, 1 << 20);
        if (!number && !given.header) {
            return "--column " + std::string(column) +
                   ": a column number from 1, or a name with --header";
        }
        csv.columns.push_back(number ? csv::Column{*number, ""}
                                     : csv::Column{0, std::string(column)});
    }
    options.job.csv = std::move(csv);
    return std::nullopt;
}

} // namespace

std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options) {
    Given given;
    if (auto wrong = Read(args, options, given)) {
        return wrong;
    }
    if (!given.command) {
        return "a command is needed: " + CommandNames(Any, " or ");
    }
    const CommandRow* known = RowNamed(kCommands, *given.command);
    if (known == nullptr) {
        return "unknown command " + std::string(*given.command);
    }
    options.job.command = known->command;
    if (IsExact(known->command)) {
        if (auto wrong = SetExactForm(given, options.job)) {
            return wrong;
        }
    } else if (given.decimals) {
        return "--decimals is for " + CommandNames(WithDecimals, " and ") +
               "; the others take --figures";
    } else if (auto wrong = SetWindowForm(given, options)) {
        return wrong;
    }
    if (IsAdder(known->command) && !options.operands.empty() && options.operands.size() != 2) {
        return CommandNames(Adder, " and ") + " take two operands: X Y";
    }
    if (!options.operands.empty() && !options.files.empty()) {
        return std::string("give operands or --file, not both");
    }
    return SetCsv(given, options);
}

} // namespace orvanel::batch
