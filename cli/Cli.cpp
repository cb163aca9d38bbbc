#include "Cli.h"

#include "BatchOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <unistd.h>

#ifndef ORVANEL_VERSION
#define ORVANEL_VERSION "unknown"
#endif

namespace orvanel::cli {

using batch::Options;
using batch::Parse;
namespace {

void SayWriteError(std::FILE* err) {
    std::fprintf(err, "orvanel-cli: write error: %s\n", std::strerror(errno));
}

// Results to standard output, refusals to standard error; a failed write is told once.
class StreamSink : public batch::Sink {
  public:
    explicit StreamSink(const Streams& streams) : m_streams(streams) {}

    bool write(std::string_view bytes) override {
        // One thread only, so the unlocked call is safe and faster.
        return fwrite_unlocked(bytes.data(), 1, bytes.size(), m_streams.out) == bytes.size() ||
               failed();
    }

    bool flush() override {
        return (std::fflush(m_streams.out) == 0 && !std::ferror(m_streams.out)) || failed();
    }

    void refuse(std::string_view message) override {
        std::fprintf(m_streams.err, "orvanel-cli: %.*s\n", static_cast<int>(message.size()),
                     message.data());
    }

  private:
    bool failed() {
        if (!m_said) {
            SayWriteError(m_streams.err);
        }
        m_said = true;
        return false;
    }

    const Streams& m_streams;
    bool m_said = false;
};

// Whether each result must go out as soon as it is made: asked for, a terminal, or a line
// buffering chosen with stdbuf(1) ("L", or "0" for none).
bool EachLineAtOnce(const Options& options, std::FILE* out) {
    const char* stdbuf = std::getenv("_STDBUF_O");
    return options.lineBuffered || isatty(fileno(out)) != 0 ||
           (stdbuf != nullptr && (std::strcmp(stdbuf, "L") == 0 || std::strcmp(stdbuf, "0") == 0));
}

// Feeds what `fd` holds to the runner as it arrives: read(2) returns as soon as a terminal or a
// pipe has anything, so a line is converted before the next is typed. `stopped` is set when
// the runner asked to stop. Returns errno of a failed read, 0 otherwise.
int FeedFrom(int fd, batch::Runner& runner, std::vector<char>& buffer, bool& stopped) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got < 0 ? errno : 0;
        }
        if (!runner.feed({buffer.data(), static_cast<std::size_t>(got)})) {
            stopped = true;
            return 0;
        }
    }
}

class Reading {
  public:
    Reading(batch::Runner& runner, const Streams& streams) : m_runner(runner), m_streams(streams) {}

    // Reads each file in turn ("-" is standard input); false when the run must stop.
    bool take(const std::string& name) {
        const bool standardInput = name == "-";
        const int fd = standardInput ? fileno(m_streams.in) : ::open(name.c_str(), O_RDONLY);
        const std::string shown = standardInput ? "standard input" : name;
        if (fd < 0) {
            cannotRead(shown, errno);
            return true;
        }
        m_runner.beginInput(standardInput ? "" : name);
        bool stopped = false;
        const int error = FeedFrom(fd, m_runner, m_buffer, stopped);
        if (!standardInput) {
            ::close(fd);
        }
        if (error != 0) {
            cannotRead(shown, error);
        }
        return !stopped && m_runner.endInput();
    }

    bool anyUnreadable() const { return m_unreadable; }

  private:
    // Said at once; the status tells it at the end.
    void cannotRead(const std::string& name, int error) {
        std::fprintf(m_streams.err, "orvanel-cli: %s: %s\n", name.c_str(), std::strerror(error));
        m_unreadable = true;
    }

    batch::Runner& m_runner;
    const Streams& m_streams;
    std::vector<char> m_buffer = std::vector<char>(std::size_t{1} << 16);
    bool m_unreadable = false;
};

int Usage(const Streams& streams, const std::string& why) {
    std::fprintf(streams.err, "orvanel-cli: %s\nTry 'orvanel-cli --help'.\n", why.c_str());
    return static_cast<int>(batch::Status::Failed);
}

// --help and --version, when one is given (before any "--"): the exit status, else nothing.
std::optional<int> Answer(const std::vector<std::string_view>& args, const Streams& streams) {
    for (std::string_view arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "--version") {
            const std::string_view text =
                arg == "--help" ? HelpText() : "orvanel-cli " ORVANEL_VERSION "\n";
            std::fwrite(text.data(), 1, text.size(), streams.out);
            if (std::fflush(streams.out) != 0 || std::ferror(streams.out)) {
                SayWriteError(streams.err);
                return static_cast<int>(batch::Status::Failed);
            }
            return static_cast<int>(batch::Status::Converted);
        }
    }
    return std::nullopt;
}

} // namespace

int Run(const std::vector<std::string_view>& args, const Streams& streams) {
    if (const auto answered = Answer(args, streams)) {
        return *answered;
    }
    Options options;
    if (const auto wrong = Parse(args, options)) {
        return Usage(streams, *wrong);
    }
    options.job.eachLineAtOnce = EachLineAtOnce(options, streams.out);
    StreamSink sink(streams);
    batch::Runner runner(options.job, sink);
    Reading reading(runner, streams);
    if (!options.operands.empty()) {
        runner.takeOperands(options.operands);
    } else {
        const std::vector<std::string> standardInput = {"-"};
        for (const std::string& name : options.files.empty() ? standardInput : options.files) {
            if (!reading.take(name)) {
                break;
            }
        }
    }
    runner.finish();
    return static_cast<int>(runner.status(reading.anyUnreadable()));
}

} // namespace orvanel::cli
