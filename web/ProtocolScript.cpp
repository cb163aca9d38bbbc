// Writes the page's side of the protocol with its engine from the tables of Protocol.h and the
// window's model: web/app/protocol.js, the names of the exports, calls, commands, gestures and
// edits
// (`orvanel_protocol_js js`), and web/app/protocol.d.ts, every document as a type for the
// script's checker with the names' declarations (`orvanel_protocol_js d.ts`). The build
// compares the files with what this writes; scripts/protocol-js writes them again.
#include "MainWindow.h"
#include "Protocol.h"

#include <iostream>
#include <string_view>
#include <tuple>

namespace p = orvanel::protocol;

int main(int argc, char** argv) {
    const bool declarations = argc > 1 && std::string_view(argv[1]) == "d.ts";
    std::cout
        << "// The page's side of the protocol with its engine, as the engine's tables say it.\n"
           "// Written by the build (scripts/protocol-js): do not edit.\n\n";
    if (declarations) {
        std::apply([](auto... d) { ((std::cout << p::ScriptTypedef<decltype(d)>()), ...); },
                   p::Documents{});
        std::cout << "\n";
    }
    std::cout << p::ScriptNames("EXPORTS", p::kExports, declarations)
              << p::ScriptNames("CALLS", p::kCalls, declarations)
              << p::ScriptNames("VIEWER_EVENTS", p::kViewerEvents, declarations)
              << p::ScriptNames("COMMANDS", p::kCommands, declarations)
              << p::ScriptNames("GESTURES", orvanel::window::kGestureNames, declarations)
              << p::ScriptNames("EDITS", orvanel::window::kEditNames, declarations);
    return 0;
}
