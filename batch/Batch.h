#pragma once
// The calculator's commands over many inputs: operands, or the lines of whole inputs fed in
// pieces as they arrive. Each result is the line the window puts in its results pane for the
// same input and options; each refusal says where the input was and why. Bytes in, bytes out:
// where they come from and go to is the front end's business (a terminal, a file, a page).

#include "Calculator.h"
#include "Csv.h"
#include "LineReader.h"
#include "OptionTable.h"
#include "Sexagesimal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::batch {

// The decimals dms2deg and deg2dms give when not told: decimal degrees to 0.000001° (about
// 0.1 m on the ground), seconds to 0.01" (about 0.3 m), minutes to 0.0001' (about 0.2 m).
inline constexpr int kDegreeDecimals = 6;
inline constexpr int kSecondDecimals = 2;
inline constexpr int kMinuteDecimals = 4;

struct CsvJob {
    csv::Dialect dialect;
    std::vector<csv::Column> columns;
};

struct Job {
    Command command = Command::Rad2Deg;
    CalcSettings settings;                       // rad2deg, deg2rad, add, sub
    SexagesimalForm form = SexagesimalForm::Dms; // deg2dms
    int decimals = -1;                           // dms2deg, deg2dms; -1: as above
    bool values = false;         // write only the result, after " = " and without " radians"
    std::optional<CsvJob> csv;   // convert columns of CSV rows instead of whole lines
    bool crlf = false;           // end result lines with CR LF, as the window's copy does
    bool strict = false;         // stop at the first refused input
    bool eachLineAtOnce = false; // hand every result line on as soon as it is made
};

// Where results and refusals go.
class Sink {
  public:
    virtual ~Sink() = default;
    // Takes result bytes; false when they could not be written (the sink tells why itself).
    virtual bool write(std::string_view bytes) = 0;
    // Pushes what was written out of any buffer of the sink's own.
    virtual bool flush() = 0;
    // One refusal, as `where: "input": why` ("line 3: \"abc\": Not a number"), no line end.
    virtual void refuse(std::string_view message) = 0;
};

struct Result; // one input's result line, or why it is refused

class Runner : private csv::Handler {
  public:
    Runner(const Job& job, Sink& sink);

    // The command's operands as given on a command line, "argument N" in refusals; for the
    // adder exactly two, X and Y. False when the run must stop.
    bool takeOperands(const std::vector<std::string_view>& operands);

    // The lines of one input, fed in pieces of any size. Refusals name its lines "line N" when
    // `name` is empty (standard input, pasted text), else "NAME: line N". A byte-order mark
    // before its first line is skipped.
    void beginInput(std::string_view name);
    bool feed(std::string_view bytes);
    bool endInput();

    // Hands on every result still held; false when writing failed.
    bool finish();

    // The run's exit status so far; `unreadable` when an input could not be read.
    Status status(bool unreadable = false) const {
        return m_writeFailed || unreadable || m_failed ? Status::Failed
               : m_refused                             ? Status::Refused
                                                       : Status::Converted;
    }

  private:
    bool takeLine(std::string_view line, bool tooLong);
    bool give(const Result& result, std::string_view where, long number, std::string_view input);
    bool afterFeed();
    bool refuse(std::string_view where, long number, std::string_view input, std::string_view why,
                int column = 0);
    std::optional<std::string> convert(long line, int column, std::string_view cell) override;
    void problem(long line, int column, std::string_view cell, std::string_view why,
                 bool failed) override;
    void tell(std::string_view where, long number, int column,
              std::optional<std::string_view> input, std::string_view why);
    bool emit(const ResultLine& line);
    bool pass();
    bool handOn();

    const Job& m_job;
    Sink& m_sink;
    std::string_view m_end;
    LineReader m_reader;
    std::optional<csv::Filter> m_csv;
    std::string m_source;
    long m_lineNumber = 0;
    std::string m_out; // result lines not yet handed to the sink
    bool m_refused = false;
    bool m_failed = false; // something the user must change before anything converts
    bool m_stop = false;   // --strict after a refusal
    bool m_writeFailed = false;
};

} // namespace orvanel::batch
