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

// kCommandUses lists the commands in the order of Command.
std::optional<Command> CommandNamed(std::string_view name) {
    for (std::size_t i = 0; i < kCommandUses.size(); ++i) {
        if (kCommandUses[i].name == name) {
            return static_cast<Command>(i);
        }
    }
    return std::nullopt;
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

// The option's flag, or nothing when `name` takes a value or is unknown.
bool* Flag(std::string_view name, Options& options, Given& given) {
    if (name == "--crlf" || name == "--strict") {
        return name == "--crlf" ? &options.job.crlf : &options.job.strict;
    }
    if (name == "--csv" || name == "--header") {
        return name == "--csv" ? &given.csv : &given.header;
    }
    if (name == "--values") {
        return &options.job.values;
    }
    return name == "--line-buffered" ? &options.lineBuffered : nullptr;
}

// Where an option's value goes, or nothing for an option that takes none or is unknown.
std::optional<std::string_view>* Valued(std::string_view name, Given& given) {
    if (name == "--figures" || name == "--form") {
        return name == "--figures" ? &given.figures : &given.form;
    }
    if (name == "--decimals" || name == "--delimiter") {
        return name == "--decimals" ? &given.decimals : &given.delimiter;
    }
    return nullptr;
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
        if (bool* flag = Flag(arg, options, given)) {
            if (value) {
                return std::string(arg) + " takes no value";
            }
            *flag = true;
            continue;
        }
        if (arg == "--help" || arg == "--version") {
            return std::string(arg) + " takes no value"; // given bare, Run has answered it
        }
        if (!Valued(arg, given) && arg != "--file" && arg != "--column") {
            return "unknown option " + std::string(arg);
        }
        if (!value) {
            if (i + 1 == args.size()) {
                return std::string(arg) + " needs a value";
            }
            value = args[++i];
        }
        if (arg == "--file") {
            options.files.emplace_back(*value);
        } else if (arg == "--column") {
            given.columns.push_back(*value);
        } else {
            *Valued(arg, given) = *value;
        }
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
            return std::string("--figures takes 6, 7, 8 or 9");
        }
        settings.sigFigs = SigFigsOf(*figures);
    }
    if (!given.form) {
        return std::nullopt;
    }
    const std::string_view form = *given.form;
    OutputOptions& out = settings.options;
    out.outputInDecimal = form == "deg" || form == "degmin";
    out.decimalDegrees = form != "degmin";
    out.roundToMinutes = form == "dm";
    if (options.job.command != Command::Rad2Deg ||
        !(form == "dms" || form == "dm" || form == "deg" || form == "degmin")) {
        return std::string("--form takes dms, dm, deg or degmin with rad2deg, and dms, dm or "
                           "degmin with deg2dms");
    }
    return std::nullopt;
}

// --form and --decimals for dms2deg and deg2dms.
std::optional<std::string> SetExactForm(const Given& given, batch::Job& job) {
    if (given.figures) {
        return std::string("--figures is for rad2deg, deg2rad, add and sub; dms2deg and deg2dms "
                           "take --decimals");
    }
    if (given.form) {
        const std::string_view form = *given.form;
        job.form = form == "dm"       ? SexagesimalForm::Dm
                   : form == "degmin" ? SexagesimalForm::DegMin
                                      : SexagesimalForm::Dms;
        if (job.command != Command::Deg2Dms || !(form == "dms" || form == "dm" || form == "degmin")) {
            return std::string("--form takes dms, dm, deg or degmin with rad2deg, and dms, dm or "
                               "degmin with deg2dms");
        }
    }
    if (given.decimals) {
        const auto decimals = WholeNumber(*given.decimals, 0, kMostDecimals);
        if (!decimals || job.form == SexagesimalForm::Dm) {
            return std::string("--decimals takes 0 to 12, with dms2deg or deg2dms --form dms or "
                               "degmin");
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
        const std::string_view d = *given.delimiter;
        if (!(d == "," || d == ";" || d == "|" || d == "\t" || d == "tab")) {
            return std::string("--delimiter takes \",\", \";\", \"|\" or tab");
        }
        csv.dialect.delimiter = d == "tab" ? '\t' : d[0];
    }
    for (std::string_view column : given.columns) {
        const auto number = WholeNumber(column, 1, 1 << 20);
        if (!number && !given.header) {
            return "--column " + std::string(column) + ": a column number from 1, or a name with --header";
        }
        csv.columns.push_back(number ? csv::Column{*number, ""} : csv::Column{0, std::string(column)});
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
        return std::string("a command is needed: rad2deg, deg2rad, add, sub, dms2deg or deg2dms");
    }
    const auto known = CommandNamed(*given.command);
    if (!known) {
        return "unknown command " + std::string(*given.command);
    }
    options.job.command = *known;
    if (IsExact(*known)) {
        if (auto wrong = SetExactForm(given, options.job)) {
            return wrong;
        }
    } else if (given.decimals) {
        return std::string("--decimals is for dms2deg and deg2dms; the others take --figures");
    } else if (auto wrong = SetWindowForm(given, options)) {
        return wrong;
    }
    if (IsAdder(*known) && !options.operands.empty() && options.operands.size() != 2) {
        return std::string("add and sub take two operands: X Y");
    }
    if (!options.operands.empty() && !options.files.empty()) {
        return std::string("give operands or --file, not both");
    }
    return SetCsv(given, options);
}

} // namespace orvanel::batch
