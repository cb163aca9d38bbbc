// The page's engine on any request bytes: every answer is one JSON document, and either an
// error alone with its reason or an answer without an error; nothing aborts. The seeds are the
// page's own requests, so that mutations reach past the JSON reader into each call.
#include "Exports.h"
#include "FuzzSupport.h"
#include "Json.h"

#include <algorithm>

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    // A request may carry a piece for the converter after a NUL.
    const std::string_view all(reinterpret_cast<const char*>(bytes), size);
    const std::size_t nul = std::min(all.find('\0'), all.size());
    const std::string_view request = all.substr(0, nul);
    const std::string_view piece = nul < all.size() ? all.substr(nul + 1) : std::string_view();
    std::copy(piece.begin(), piece.end(), PieceBuffer(piece.size()));
    std::copy(request.begin(), request.end(), RequestBuffer(request.size()));
    const std::string_view answer(RunRequest(), AnswerSize());
    json::Value document;
    Check(json::Reader::Read(answer, document).empty(), "an answer is JSON", std::string(answer));
    Check(document.kind == json::Value::Kind::Object, "an answer is an object",
          std::string(answer));
    bool error = false;
    for (const auto& [key, value] : document.members) {
        error = error || key == "error";
    }
    Check(!error || (document.members.size() == 1 &&
                     document.members[0].value.kind == json::Value::Kind::Text &&
                     !document.members[0].value.text.empty()),
          "an error alone, with its reason", std::string(answer));
    return 0;
}
