// The page's engine on any request bytes: every answer is made of well-formed entries, and is
// either an error with its reason or the whole answer of a command; nothing aborts.
#include "Exports.h"
#include "FuzzSupport.h"
#include "Wire.h"

#include <cstring>

using namespace orvanel::fuzz;
using orvanel::wire::Decode;
using orvanel::wire::Entries;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::memcpy(RequestBuffer(size), bytes, size);
    const std::string_view answer(RunRequest(), AnswerSize());
    if (answer.starts_with('{')) {
        return 0; // the page description, for "page:0:"
    }
    Entries entries;
    const std::string wrong = Decode(answer, entries);
    Check(wrong.empty(), "an answer is made of entries", std::string(answer));
    Check(entries.contains("error") ? entries.size() == 1 : entries.size() == 27,
          "an error alone, or every part of an answer", std::string(answer));
    return 0;
}
