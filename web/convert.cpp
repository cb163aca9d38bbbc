// The page's file converter: orvanel-cli's runner in the page's engine. The page hands over
// the run's options as the words of a command line, then the input in pieces of any size, and
// gets back the output bytes of each piece and the refusals, exactly as orvanel-cli writes
// them to standard output and standard error. The input and output never have to be whole in
// memory: what a piece gives is handed back and forgotten.
//
// Words and answers are frames (Wire.h), one after another.
#include "BatchOptions.h"
#include "Csv.h"
#include "Exports.h"
#include "Wire.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvanel;

// Refusals kept for the page to list; beyond them only the count grows.
constexpr std::size_t kKeptRefusals = 1000;

using wire::AppendFrame;
using wire::JsonText;

// The framed words of `bytes`, or nothing when they are not framed so.
std::optional<std::vector<std::string>> Words(std::string_view bytes) {
    std::vector<std::string> words;
    for (std::string_view word; !bytes.empty(); words.emplace_back(word)) {
        if (wire::TakeFrame(bytes, word) != wire::FrameProblem::None) {
            return std::nullopt;
        }
    }
    return words;
}

class PageSink : public batch::Sink {
  public:
    bool write(std::string_view bytes) override {
        out += bytes;
        return true;
    }
    bool flush() override { return true; }
    void refuse(std::string_view message) override {
        if (++refused <= kKeptRefusals) {
            AppendFrame(refusals, message);
        }
    }

    std::string out;      // output not yet taken by the page
    std::string refusals; // framed refusals not yet taken
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

// The first rows of a CSV text as JSON, cells as their texts, so that a column can be picked
// by its header. The file's own rules read them: the converter's CSV reader.
class Preview : private csv::Handler {
  public:
    static constexpr int kColumns = 40;
    static constexpr std::size_t kRows = 6;

    Preview(char delimiter, std::string_view bytes) {
        std::vector<csv::Column> columns;
        for (int c = 1; c <= kColumns; ++c) {
            columns.push_back({c, ""});
        }
        csv::Filter filter({delimiter, false}, columns, *this);
        std::string out;
        filter.feed(bytes, out);
        filter.finish(out);
    }

    std::string json() const {
        std::string json = "[";
        for (const auto& row : m_rows) {
            json += json.size() > 1 ? ",[" : "[";
            for (std::size_t c = 0; c < row.size(); ++c) {
                json += (c > 0 ? "," : "") + JsonText(row[c]);
            }
            json += "]";
        }
        return json + "]";
    }

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

std::string g_buffer;
std::string g_answer;
std::string g_output; // the last piece's output
std::optional<Session> g_session;

} // namespace

// The page writes what it hands over into a buffer of `size` bytes that this returns.
extern "C" ORVANEL_EXPORT("convert_buffer") char* ConvertBuffer(std::size_t size) {
    g_buffer.assign(size, '\0');
    return g_buffer.data();
}

extern "C" ORVANEL_EXPORT("convert_answer_size") std::size_t ConvertAnswerSize() {
    return g_answer.size();
}

// Starts a run. The buffer holds the framed words: the input's name ("" for pasted text),
// then the command line. The answer: the framed name to offer the result under, or an empty
// frame and why the words are wrong, as orvanel-cli says it.
extern "C" ORVANEL_EXPORT("convert_begin") const char* ConvertBegin() {
    g_session.reset();
    g_answer.clear();
    auto words = Words(g_buffer);
    if (!words || words->empty()) {
        AppendFrame(g_answer, "");
        AppendFrame(g_answer, "the converter's words are not framed");
        return g_answer.data();
    }
    Session& session = g_session.emplace();
    session.words = std::move(*words);
    const std::vector<std::string_view> args(session.words.begin() + 1, session.words.end());
    if (const auto wrong = batch::Parse(args, session.options)) {
        g_session.reset();
        AppendFrame(g_answer, "");
        AppendFrame(g_answer, *wrong);
        return g_answer.data();
    }
    const std::string& name = session.words.front();
    const batch::Job& job = session.options.job;
    session.runner.emplace(job, session.sink);
    session.runner->beginInput(name);
    AppendFrame(g_answer,
                ConvertedName(name, args.empty() ? "" : args.front(), job.csv.has_value()));
    return g_answer.data();
}

// Converts the piece of input in the buffer (the end of the input when `last`). The answer is
// a frame with the count of refusals so far and, at the end, the exit status orvanel-cli would
// give, then the refusals this piece gives, each framed. The output it gives is at
// convert_output(), convert_output_size() bytes, until the next piece.
extern "C" ORVANEL_EXPORT("convert_feed") const char* ConvertFeed(int last) {
    g_answer.clear();
    if (!g_session) {
        AppendFrame(g_answer, "0 2");
        return g_answer.data();
    }
    batch::Runner& runner = *g_session->runner;
    PageSink& sink = g_session->sink;
    std::string status;
    if (runner.feed(g_buffer) && last != 0) {
        runner.endInput();
    }
    if (last != 0) {
        runner.finish();
        status = std::to_string(static_cast<int>(runner.status()));
    }
    AppendFrame(g_answer, std::to_string(sink.refused) + (status.empty() ? "" : " " + status));
    g_answer += sink.refusals;
    sink.refusals.clear();
    std::swap(g_output, sink.out); // handed over without a copy; the sink starts afresh
    sink.out.clear();
    return g_answer.data();
}

extern "C" ORVANEL_EXPORT("convert_output") const char* ConvertOutput() {
    return g_output.data();
}

extern "C" ORVANEL_EXPORT("convert_output_size") std::size_t ConvertOutputSize() {
    return g_output.size();
}

// The first rows of the CSV text in the buffer, with `delimiter`, as a JSON array of rows.
extern "C" ORVANEL_EXPORT("csv_preview") const char* CsvPreview(int delimiter) {
    g_answer = Preview(static_cast<char>(delimiter), g_buffer).json();
    return g_answer.data();
}
