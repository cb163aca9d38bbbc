// The page's file converter: orvanel-cli's runner in the page's engine. The page hands over
// the run's options as the words of a command line, then the input in pieces of any size, and
// gets back the output bytes of each piece and the refusals, exactly as orvanel-cli writes
// them to standard output and standard error. The input and output never have to be whole in
// memory: what a piece gives is handed back and forgotten.
#include "BatchOptions.h"
#include "Converter.h"
#include "Csv.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::converter {
namespace {

using namespace orvanel;

// Refusals kept for the page to list; beyond them only the count grows.
constexpr std::size_t kKeptRefusals = 1000;

namespace p = orvanel::protocol;

class PageSink : public batch::Sink {
  public:
    bool write(std::string_view bytes) override {
        out += bytes;
        return true;
    }
    bool flush() override { return true; }
    void refuse(std::string_view message) override {
        if (++refused <= kKeptRefusals) {
            refusals.emplace_back(message);
        }
    }

    std::string out;                   // output not yet taken by the page
    std::vector<std::string> refusals; // refusals not yet taken
    std::size_t refused = 0;
};

struct Session {
    std::vector<std::string> words;
    batch::Options options;
    PageSink sink;
    std::optional<batch::Runner> runner;
};

// The name the result is offered under: the input's, with the command before its extension
// ("gauges.csv" gives "gauges.dms2deg.csv"); pasted text is "pasted".
std::string ConvertedName(std::string_view name, std::string_view command, bool csv) {
    if (name.empty()) {
        return "pasted." + std::string(command) + (csv ? ".csv" : ".txt");
    }
    const auto dot = name.rfind('.');
    const std::size_t stem = dot == std::string_view::npos || dot == 0 ? name.size() : dot;
    return std::string(name.substr(0, stem)) + "." + std::string(command) +
           std::string(name.substr(stem));
}

// The first rows of a CSV text, read by the file's own rules: the converter's CSV reader.
class FirstRows : private csv::Handler {
  public:
    static constexpr int kColumns = 40;
    static constexpr std::size_t kRows = 6;

    FirstRows(char delimiter, std::string_view bytes) {
        std::vector<csv::Column> columns;
        for (int c = 1; c <= kColumns; ++c) {
            columns.push_back({c, ""});
        }
        csv::Filter filter({delimiter, false}, columns, *this);
        std::string out;
        filter.feed(bytes, out);
        filter.finish(out);
    }

    std::vector<std::vector<std::string>> take() { return std::move(m_rows); }

  private:
    std::optional<std::string> convert(long, int column, std::string_view cell) override {
        if (column == 1) {
            m_rows.emplace_back();
        }
        if (m_rows.size() <= kRows) {
            m_rows.back().emplace_back(cell);
        }
        return std::nullopt;
    }
    void problem(long, int, std::string_view, std::string_view, bool) override {}

    std::vector<std::vector<std::string>> m_rows;
};

struct Converter {
    std::string output; // the last piece's output
    std::optional<Session> session;
};

Converter& TheConverter() {
    static Converter converter; // the page's one run at a time
    return converter;
}

std::string Error(std::string why) {
    return p::Written(p::ErrorAnswer{std::move(why)});
}

} // namespace

std::string Begin(const p::ConvertBeginRequest& request) {
    std::optional<Session>& session = TheConverter().session;
    session.reset();
    Session& run = session.emplace();
    run.words = request.words;
    const std::vector<std::string_view> args(run.words.begin(), run.words.end());
    if (const auto wrong = batch::Parse(args, run.options)) {
        session.reset();
        return Error(*wrong);
    }
    const batch::Job& job = run.options.job;
    run.runner.emplace(job, run.sink);
    run.runner->beginInput(request.name);
    return p::Written(p::ConvertBeginAnswer{
        ConvertedName(request.name, args.empty() ? "" : args.front(), job.csv.has_value())});
}

std::string Feed(const p::ConvertFeedRequest& request, std::string_view piece) {
    Converter& converter = TheConverter();
    if (!converter.session) {
        return Error("a piece without a run");
    }
    batch::Runner& runner = *converter.session->runner;
    PageSink& sink = converter.session->sink;
    p::ConvertFeedAnswer answer;
    if (runner.feed(piece) && request.last) {
        runner.endInput();
    }
    if (request.last) {
        runner.finish();
        answer.status = static_cast<int>(runner.status());
    }
    answer.refused = static_cast<std::int64_t>(sink.refused);
    answer.refusals = std::move(sink.refusals);
    sink.refusals.clear();
    std::swap(converter.output, sink.out); // handed over without a copy; the sink starts afresh
    sink.out.clear();
    return p::Written(answer);
}

const std::string& Output() {
    return TheConverter().output;
}

std::string Preview(const p::CsvPreviewRequest& request, std::string_view start) {
    if (request.delimiter.size() != 1) {
        return Error("the delimiter is not one character");
    }
    return p::Written(p::CsvPreviewAnswer{FirstRows(request.delimiter[0], start).take()});
}

} // namespace orvanel::converter
