#include "Orvanel.h"

#include <QApplication>

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kHelp =
    "Usage: orvanel [--help | --version]\n"
    "Starts Orvanel, a calculator for plane angles: degrees, minutes and seconds to radians\n"
    "and back, and adding angles modulo one turn. Qt's own options (such as -platform) are\n"
    "accepted too. For scripts and files, see orvanel-cli(1).\n";

} // namespace

int main(int argc, char* argv[]) {
    // Answered before any window system is needed, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "--version") {
            std::fputs(arg == "--help" ? kHelp : "orvanel " ORVANEL_VERSION "\n", stdout);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Orvanel"));
    QApplication::setDesktopFileName(QStringLiteral("orvanel"));

    orvanel::Orvanel orvanel;
    orvanel.window.Form_Load();
    return QApplication::exec();
}
