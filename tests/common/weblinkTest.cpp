#include "Fakes.h"
#include "weblink.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

TEST(weblink, FileExtension) {
    EXPECT_EQ(GetFileExtension("https://a.b/page.HTM", true), "htm");
    EXPECT_EQ(GetFileExtension("https://a.b/page.HTM", false), "HTM");
    EXPECT_EQ(GetFileExtension("https://orvanel.example.org/", true), "org/");
    EXPECT_EQ(GetFileExtension("C:\\dir.x\\file", true), "");
}

TEST(weblink, OpensTheSecureFormInEveryLetterCase) {
    for (const char* url : {"http://a.b/", "HTTP://a.b/", "hTTp://a.b/", "https://a.b/"}) {
        FakeDesktop desktop;
        OpenWebPage(url, desktop.urls, desktop.messages, nullptr);
        EXPECT_EQ(desktop.urls.opened.value(0).toStdString(), "https://a.b/") << url;
        EXPECT_TRUE(desktop.messages.shown.empty()) << url;
    }
}

// clang-format off
TEST(weblink, EachShellCodeHasItsMessage) {
    const std::string first = "Error launching web browser, error code = ";
    const std::pair<int, std::string> rows[] = {
        {33, ""},
        {31, first + "31.\r\n\r\nFile extension 'htm' is not associated with any application program."},
        {8,  first + "8.\r\n\r\nOut of memory."},
        {2,  first + "2.\r\n\r\nPlease try once more."},
        {0,  first + "0."},
        {32, first + "32."},
    };
    for (const auto& [code, text] : rows) {
        FakeDesktop desktop;
        desktop.urls.code = code;
        OpenWebPage("http://a.b/PAGE.HTM", desktop.urls, desktop.messages, nullptr);
        std::vector<Message> expected;
        if (!text.empty()) {
            expected.push_back({text, "Cannot launch web browser", MessageStyle::Exclamation});
        }
        EXPECT_EQ(desktop.messages.shown, expected) << code;
    }
}
// clang-format on
