// Start-up: the program's own windows against a floor window that shows the same size, labels
// and fonts with no logic. Each runs in a process of its own (scripts/bench times the
// processes); the process ends as soon as its window is on the screen and painted.
#include "Orvanel.h"

#include <QLabel>
#include <QTest>

#include <array>

namespace {

// A window of the main window's size with its captions in the fonts it shows at start-up.
void ShowFloorWindow() {
    static QWidget window;
    window.setFixedSize(797, 271);
    constexpr std::array<const char*, 20> kCaptions = {"Radians",
                                                       "Radians to degrees",
                                                       "Round to minutes",
                                                       "Output in decimal",
                                                       "degrees",
                                                       "minutes",
                                                       "Degrees:",
                                                       "minutes:",
                                                       "seconds:",
                                                       "Degrees to radians",
                                                       "Change sign ",
                                                       "Show +/- results",
                                                       "Significant figures:",
                                                       "Clear input",
                                                       "Clear output",
                                                       "Help",
                                                       "Quit",
                                                       "Copy to clipboard",
                                                       "1.00 radians = 57°17'45\"",
                                                       "-"};
    QFont link("Arial", 8);
    link.setUnderline(true);
    const std::array<QFont, 7> fonts = {
        QFont("Arial", 10), QFont("Arial", 10, QFont::Bold), QFont("Arial", 12, QFont::Bold), link,
        QFont("Arial", 9),  QFont("Courier New", 10),        QFont("Courier New", 8)};
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        auto* label = new QLabel(QString::fromUtf8(kCaptions[i]), &window);
        label->setFont(fonts[i % fonts.size()]);
        label->move(static_cast<int>(i % 4) * 190, static_cast<int>(i / 4) * 50);
    }
    window.show();
    QTest::qWaitForWindowExposed(&window);
    window.grab();
}

void ShowOrvanel() {
    static orvanel::Orvanel orvanel;
    orvanel.window.Form_Load();
    QTest::qWaitForWindowExposed(&orvanel.window);
    orvanel.window.grab();
}

} // namespace

void ShowForStartUp(bool mainWindow) {
    mainWindow ? ShowOrvanel() : ShowFloorWindow();
}
