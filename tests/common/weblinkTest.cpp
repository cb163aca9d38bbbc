#include "weblink.h"
#include "Fakes.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

TEST(weblink, FileExtension) {
    EXPECT_EQ(GetFileExtension("https://a.b/page.HTM", true), "htm");
    EXPECT_EQ(GetFileExtension("https://a.b/page.HTM", false), "HTM");
    EXPECT_EQ(GetFileExtension("https://orvanel.example.org/", true), "org/");
    EXPECT_EQ(GetFileExtension("C:\\dir.x\\file", true), "");
    EXPECT_EQ(GetFileExtension("noext", true), "");
}

TEST(weblink, OpensTheSecureFormInEveryLetterCase) {
    for (const char* url : {"http://a.b/", "HTTP://a.b/", "Http://a.b/", "hTTp://a.b/"}) {
        FakeUrlOpener opener;
        RecordingMessages messages;
        OpenWebPage(url, opener, messages, nullptr);
        EXPECT_EQ(opener.opened.value(0).toStdString(), "https://a.b/") << url;
        EXPECT_TRUE(messages.shown.empty()) << url;
    }
    FakeUrlOpener opener;
    RecordingMessages messages;
    OpenWebPage("ftp://a.b/", opener, messages, nullptr);
    EXPECT_EQ(opener.opened.value(0).toStdString(), "ftp://a.b/");
}

TEST(weblink, EachShellCodeHasItsMessage) {
    const std::string first = "Error launching web browser, error code = ";
    struct Row {
        int code;
        std::string text; // empty: no message
    };
    const Row rows[] = {
        {33, ""},
        {42, ""},
        {31,
         first + "31.\r\n\r\nFile extension 'htm' is not associated with any application program."},
        {8, first + "8.\r\n\r\nOut of memory."},
        {2, first + "2.\r\n\r\nPlease try once more."},
        {0, first + "0."},
        {32, first + "32."},
    };
    for (const Row& row : rows) {
        FakeUrlOpener opener;
        opener.code = row.code;
        RecordingMessages messages;
        OpenWebPage("http://a.b/PAGE.HTM", opener, messages, nullptr);
        if (row.text.empty()) {
            EXPECT_TRUE(messages.shown.empty()) << row.code;
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1u) << row.code;
        EXPECT_EQ(messages.shown[0],
                  (Message{row.text, "Cannot launch web browser", MessageStyle::Exclamation}));
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display; only running them builds the application.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
