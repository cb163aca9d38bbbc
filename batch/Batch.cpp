#include "Batch.h"

#include "Echo.h"
#include "Rad2Deg.h"
#include "StrProc.h"
#include "WholeAngle.h"

#include <optional>

namespace orvanel::batch {

// The result for one input, or why it is refused; for the adder, which of its two values is at
// fault (1 or 2), 0 for the input as a whole.
struct Result {
    ResultLine line;
    std::string refusal;
    int culprit = 0;
};

namespace {

constexpr std::string_view kTwoValues = "Two values are needed: X Y";
constexpr std::string_view kNotANumber = "Not a number";
constexpr std::string_view kSeparatorsDiffer = "Decimal separator differs from the first value's";
constexpr std::string_view kLineTooLong = "Line too long";
// Result lines are handed on in blocks of about this size unless each must go at once.
constexpr std::size_t kBlock = std::size_t{1} << 16;

Result Refusal(std::string_view why, int culprit = 0) {
    return {{}, std::string(why), culprit};
}

Result FromOutcome(Outcome&& outcome) {
    return outcome.message ? Refusal(outcome.message->text)
                           : Result{std::move(outcome.result), "", 0};
}

// The two values of an adder line: "X Y", blanks between; nothing when there are not two.
std::optional<std::pair<std::string_view, std::string_view>> SplitOperands(std::string_view line) {
    const auto gap = FindBlank(line);
    if (gap == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = TrimBlanks(line.substr(gap));
    if (FindBlank(rest) != std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{line.substr(0, gap), rest};
}

Result ConvertAdder(const Job& job, std::string_view first, std::string_view second) {
    if (!IsWrittenNumber(first)) {
        return Refusal(kNotANumber, 1);
    }
    if (!IsWrittenNumber(second)) {
        return Refusal(kNotANumber, 2);
    }
    // The window reads the second value in the first one's separator mode, so a comma in the
    // second alone would cut it short there ("2,5" read as 2): refused rather than misread.
    if (HasComma(second) && !HasComma(first)) {
        return Refusal(kSeparatorsDiffer, 2);
    }
    EntryFields fields;
    fields.radians = first;
    fields.toAdd = second;
    const PlusMinusIndex index =
        job.command == Command::Add ? PlusMinusIndex::Add : PlusMinusIndex::Subtract;
    return FromOutcome(PlusMinus(fields, index, job.settings));
}

int DecimalsOf(const Job& job) {
    if (job.decimals >= 0) {
        return job.decimals;
    }
    return job.command == Command::Dms2Deg       ? kDegreeDecimals
           : job.form == SexagesimalForm::DegMin ? kMinuteDecimals
                                                 : kSecondDecimals;
}

// "45°30'0\" = 45.500000": the angle as read, each part given, and its decimal degrees; the
// echo left out when only the value is wanted.
Result ConvertToDecimalDegrees(const Job& job, std::string_view input, bool valueOnly) {
    const WholeAngle angle = ReadWholeAngle(input, AngleLimits::BelowSixty);
    if (!angle) {
        return Refusal(ProblemText(angle.problem));
    }
    const EntryFields& f = angle.fields;
    std::optional<std::string> value = DecimalDegreesText(f, DecimalsOf(job), HasComma(f.degrees));
    if (!value) { // each part in range, the whole more than a full turn
        return Refusal(ProblemText(AngleProblem::DegreesOutOfRange));
    }
    Result result;
    result.line.value = std::move(*value);
    if (!valueOnly) {
        const auto part = [](const std::string& text) { return text.empty() ? "0" : text; };
        result.line.echo = DegreeText(f.sign, part(f.degrees), part(f.minutes), part(f.seconds));
    }
    return result;
}

// "-36.952778 = -36°57'10.00\"": the value as read, and its degrees, minutes and seconds.
Result ConvertToSexagesimal(const Job& job, std::string_view input, bool valueOnly) {
    const DecimalDegrees value = ReadDecimalDegrees(input);
    if (!value) {
        return Refusal(ProblemText(value.problem));
    }
    Result result;
    result.line.value = SexagesimalText(value, job.form, DecimalsOf(job));
    if (!valueOnly) {
        result.line.echo = (value.negative ? "-" : "") + std::string(value.number);
    }
    return result;
}

// `input` is trimmed of blanks and not empty. With `valueOnly` the echo may be left out.
Result Convert(const Job& job, std::string_view input, bool valueOnly = false) {
    EntryFields fields;
    switch (job.command) {
    case Command::Dms2Deg:
        return ConvertToDecimalDegrees(job, input, valueOnly);
    case Command::Deg2Dms:
        return ConvertToSexagesimal(job, input, valueOnly);
    case Command::Rad2Deg:
        if (!IsWrittenNumber(input)) {
            return Refusal(kNotANumber);
        }
        fields.radians = input;
        return FromOutcome(ConvertRadiansToDegrees(fields, job.settings));
    case Command::Deg2Rad:
        if (WholeAngle angle = ReadWholeAngle(input)) {
            return FromOutcome(ConvertDegreesToRadians(angle.fields, job.settings));
        } else {
            return Refusal(ProblemText(angle.problem));
        }
    case Command::Add:
    case Command::Sub:
        break;
    }
    const auto operands = SplitOperands(input);
    return operands ? ConvertAdder(job, operands->first, operands->second) : Refusal(kTwoValues);
}

} // namespace

Runner::Runner(const Job& job, Sink& sink)
    : m_job(job), m_sink(sink), m_end(job.crlf ? kCrLf : std::string_view("\n")) {}

bool Runner::takeOperands(const std::vector<std::string_view>& operands) {
    if (IsAdder(m_job.command) && operands.size() == 2) {
        const Result result = ConvertAdder(m_job, TrimBlanks(operands[0]), TrimBlanks(operands[1]));
        const int culprit = std::max(result.culprit, 1);
        return give(result, "argument", culprit, operands[static_cast<std::size_t>(culprit) - 1]);
    }
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const std::string_view trimmed = TrimBlanks(operands[i]);
        const Result result = trimmed.empty() ? Result{} : Convert(m_job, trimmed);
        if (!give(result, "argument", static_cast<long>(i) + 1, operands[i])) {
            return false;
        }
    }
    return true;
}

void Runner::beginInput(std::string_view name) {
    m_source = name.empty() ? "line" : std::string(name) + ": line";
    m_lineNumber = 0;
    m_reader = LineReader();
    if (m_job.csv) {
        m_csv.emplace(m_job.csv->dialect, m_job.csv->columns, static_cast<csv::Handler&>(*this));
    }
}

bool Runner::feed(std::string_view bytes) {
    if (m_csv) {
        m_csv->feed(bytes, m_out);
        return afterFeed();
    }
    return m_reader.feed(
        bytes, [this](std::string_view line, bool tooLong) { return takeLine(line, tooLong); });
}

bool Runner::endInput() {
    if (m_csv) {
        m_csv->finish(m_out);
        return afterFeed();
    }
    return m_reader.finish(
        [this](std::string_view line, bool tooLong) { return takeLine(line, tooLong); });
}

// A CSV filter writes rows as they pass; they are handed on as lines are.
bool Runner::afterFeed() {
    if (m_stop) {
        m_out.clear(); // --strict: nothing after the refused cell
        return false;
    }
    return pass();
}

std::optional<std::string> Runner::convert(long line, int column, std::string_view cell) {
    const std::string_view trimmed = TrimBlanks(cell);
    if (trimmed.empty() || m_stop) {
        return std::nullopt; // an empty cell stays empty, as a blank line gives a blank line
    }
    Result result = Convert(m_job, trimmed, true);
    if (!result.refusal.empty()) {
        m_stop = !refuse(m_source, line, cell, result.refusal, column);
        return std::nullopt;
    }
    return std::move(result.line.value);
}

void Runner::problem(long line, int column, std::string_view cell, std::string_view why,
                     bool failed) {
    tell(m_source, line, column, cell.empty() ? std::nullopt : std::optional(cell), why);
    (failed ? m_failed : m_refused) = true;
    m_stop = m_stop || (m_job.strict && !failed);
}

bool Runner::takeLine(std::string_view line, bool tooLong) {
    if (++m_lineNumber == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size()); // a byte-order mark some editors put first
    }
    const std::string_view trimmed = TrimBlanks(line);
    const Result result = tooLong           ? Refusal(kLineTooLong)
                          : trimmed.empty() ? Result{}
                                            : Convert(m_job, trimmed, m_job.values);
    return give(result, m_source, m_lineNumber, line);
}

bool Runner::give(const Result& result, std::string_view where, long number,
                  std::string_view input) {
    if (result.refusal.empty()) {
        return emit(result.line);
    }
    // With --values every input has its line, an empty one where it was refused.
    return refuse(where, number, input, result.refusal) && (!m_job.values || emit(ResultLine{}));
}

// The head of an over-long line is always longer than the echo, so it ends in "…" too.
bool Runner::refuse(std::string_view where, long number, std::string_view input,
                    std::string_view why, int column) {
    m_refused = true;
    tell(where, number, column, input, why);
    return !m_job.strict;
}

// "where N[: column C][: \"input\"]: why", the input quoted short and visible.
void Runner::tell(std::string_view where, long number, int column,
                  std::optional<std::string_view> input, std::string_view why) {
    std::string message(where);
    message += ' ' + std::to_string(number);
    if (column > 0) {
        message += ": column " + std::to_string(column);
    }
    if (input) {
        message += ": \"" + Echo(*input) + '"';
    }
    message += ": ";
    message += why;
    m_sink.refuse(message);
}

// The whole line, or with --values the value alone.
bool Runner::emit(const ResultLine& line) {
    if (m_job.values) {
        m_out += line.value;
    } else {
        line.appendTo(m_out);
    }
    m_out += m_end;
    return pass();
}

// Hands on what is held: at once where each line must go at once, else in blocks.
bool Runner::pass() {
    return m_job.eachLineAtOnce ? finish() : m_out.size() < kBlock || handOn();
}

bool Runner::handOn() {
    if (!m_writeFailed && !m_out.empty()) {
        m_writeFailed = !m_sink.write(m_out);
    }
    m_out.clear();
    return !m_writeFailed;
}

bool Runner::finish() {
    if (handOn() && !m_sink.flush()) {
        m_writeFailed = true;
    }
    return !m_writeFailed;
}

} // namespace orvanel::batch
