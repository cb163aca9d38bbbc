// The CSV filter on any bytes, cut into pieces anywhere: when it keeps every cell it gives the
// input back byte for byte, whatever columns, header and delimiter it was told; converting
// cells never aborts, and a held cell never grows past the longest line.
#include "Csv.h"
#include "FuzzSupport.h"
#include "LineReader.h"

using namespace orvanel;
using namespace orvanel::fuzz;

namespace {

// Keeps every cell, or replaces it with text that may need quoting.
class Handler : public csv::Handler {
  public:
    explicit Handler(bool replace) : m_replace(replace) {}
    std::optional<std::string> convert(long, int, std::string_view cell) override {
        Check(cell.size() <= kLongestLine, "a held cell stays within the limit", std::string(cell));
        return m_replace ? std::optional<std::string>("a\"b," + std::string(cell.substr(0, 3)))
                         : std::nullopt;
    }
    void problem(long, int, std::string_view, std::string_view, bool) override {}

  private:
    bool m_replace;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    csv::Dialect dialect;
    dialect.delimiter = ",;|\t"[data.ConsumeIntegralInRange<int>(0, 3)];
    dialect.header = data.ConsumeBool();
    std::vector<csv::Column> columns;
    for (int n = data.ConsumeIntegralInRange<int>(0, 3); n > 0; --n) {
        columns.push_back(data.ConsumeBool()
                              ? csv::Column{data.ConsumeIntegralInRange<int>(1, 6), ""}
                              : csv::Column{0, data.ConsumeBytesAsString(2)});
    }
    const bool replace = data.ConsumeBool();
    const std::size_t piece = data.ConsumeIntegralInRange<std::size_t>(1, 64);
    // Now and then a cell far longer than any angle.
    std::string input = data.ConsumeRemainingBytesAsString();
    if (input.size() > 2 && input[0] == 'L') {
        input.insert(1, std::string(5000, input[1]));
    }

    Handler handler(replace);
    csv::Filter filter(dialect, columns, handler);
    std::string out;
    for (std::size_t at = 0; at < input.size(); at += piece) {
        filter.feed(std::string_view(input).substr(at, piece), out);
    }
    filter.finish(out);
    Check(replace || out == input, "every byte comes back when no cell changes", input);
    return 0;
}
