// orvanel-cli on any input of any length: exactly one result or error line for each input
// line, an error line short and free of control characters whatever the input, and no abort.
// The line reader gives the same lines however the input is cut into pieces.
#include "Cli.h"
#include "FuzzSupport.h"
#include "LineReader.h"

#include <algorithm>

using namespace orvanel;
using namespace orvanel::fuzz;

namespace {

std::string Read(std::FILE* file) {
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

// The lines `input` gives when it is fed in pieces of `piece` bytes (0: all at once).
std::vector<std::string> Lines(std::string_view input, std::size_t piece) {
    std::vector<std::string> lines;
    LineReader reader;
    const auto take = [&](std::string_view line, bool tooLong) {
        lines.emplace_back(std::string(line) + (tooLong ? "\n(too long)" : ""));
        return true;
    };
    for (std::size_t at = 0; at < input.size(); at += piece == 0 ? input.size() : piece) {
        reader.feed(input.substr(at, piece == 0 ? input.size() : piece), take);
    }
    reader.finish(take);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const char* commands[] = {"rad2deg", "deg2rad", "add", "sub", "dms2deg", "deg2dms"};
    const char* command = commands[data.ConsumeIntegralInRange<int>(0, 5)];
    // Now and then a line far longer than any angle, to reach the bounded reader.
    const std::size_t longRun =
        data.ConsumeBool() ? data.ConsumeIntegralInRange<std::size_t>(0, 70000) : 0;
    std::string input = data.ConsumeRemainingBytesAsString();
    input.insert(input.size() / 2, std::string(longRun, data.ConsumeBool() ? '9' : '\xE9'));

    const std::size_t piece = 1 + size % 7;
    Check(Lines(input, piece) == Lines(input, 0), "lines do not depend on how input is cut", input);

    std::FILE* in = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = cli::Run({command}, {in, out, err});
    std::fclose(in);
    const std::string results = Read(out);
    const std::string errors = Read(err);

    const auto lines = [](const std::string& text) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    };
    const std::size_t inputLines = lines(input) + (input.empty() || input.back() == '\n' ? 0 : 1);
    Check(lines(results) + lines(errors) == inputLines, "one line out for each line in", input);
    Check(status == (errors.empty() ? 0 : 1), "refused exactly when an error was said", errors);
    std::size_t start = 0;
    for (std::size_t end; (end = errors.find('\n', start)) != std::string::npos; start = end + 1) {
        Check(end - start <= 400, "an error line is short", errors.substr(start, 400));
        Check(
            std::none_of(errors.begin() + static_cast<long>(start),
                         errors.begin() + static_cast<long>(end),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
            "no control character reaches the terminal", errors.substr(start, end - start));
    }
    return 0;
}
