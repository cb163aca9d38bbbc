// The web launcher and the appearance helpers.
#include "Fakes.h"
#include "Tessaly_common.h"
#include "weblink.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

TEST(weblink, OpensTheSecureFormAndExplainsEachShellCode) {
    EXPECT_EQ(GetFileExtension("https://a.b/page.HTM", false), "HTM");
    EXPECT_EQ(GetFileExtension("C:\\dir.x\\file", true), "");
    const std::string first = "Error launching web browser, error code = ";
    const std::pair<int, std::string> rows[] = {
        {33, ""},
        {31, first + "31.\r\n\r\nFile extension 'htm' is not associated with any application "
                     "program."},
        {8, first + "8.\r\n\r\nOut of memory."},
        {2, first + "2.\r\n\r\nPlease try once more."},
        {32, first + "32."}};
    for (const auto& [code, text] : rows) {
        FakeDesktop desktop;
        desktop.urls.code = code;
        OpenWebPage("HTTP://a.b/PAGE.HTM", desktop.urls, desktop.messages, nullptr);
        EXPECT_EQ(desktop.urls.opened, QStringList{"https://a.b/PAGE.HTM"});
        EXPECT_EQ(desktop.messages.shown.empty() ? "" : desktop.messages.shown[0].text, text);
    }
}

// A frame holding a label and a text box, a button and a check box beside it: each helper
// reaches the kinds it names, frames' contents included, and changes nothing else.
TEST(Tessaly_common, EachHelperReachesTheKindsItNames) {
    QWidget window;
    auto* frame = new QGroupBox(&window);
    auto* label = new QLabel(frame);
    auto* text = new QLineEdit(frame);
    auto* button = new QPushButton(&window);
    auto* check = new QCheckBox(&window);
    EXPECT_EQ(FormControls(&window), (QList<QWidget*>{frame, label, text, button, check}));
    const QColor textBase = text->palette().color(QPalette::Base);
    const QColor buttonFace = button->palette().color(QPalette::Button);
    SetFormBackColor(&window, 0x00808000);
    SetFormForeColor(&window, 0x00FFFFFF);
    const QColor teal(0, 128, 128);
    EXPECT_EQ(label->palette().color(QPalette::Window), teal);
    EXPECT_EQ(check->palette().color(QPalette::Button), teal);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(text->palette().color(QPalette::Base), textBase);
    EXPECT_EQ(button->palette().color(QPalette::Button), buttonFace);
    text->setFont(QFont(QStringLiteral("Courier New"), 10));
    const int frameSize = frame->font().pointSize();
    SetFormFontSize(&window, 14);
    EXPECT_EQ(text->font().pointSize(), 14);
    EXPECT_EQ(frame->font().pointSize(), frameSize);
    SetFormFontName(&window, QStringLiteral("Arial"), false, false);
    EXPECT_EQ(button->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(text->font().family(), QStringLiteral("Courier New"));
    SetFormFontName(&window, QStringLiteral("Tahoma"), true, false);
    EXPECT_EQ(text->font().family(), QStringLiteral("Tahoma"));
}
