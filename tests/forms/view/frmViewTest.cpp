#include "frmView.h"
#include "Fakes.h"
#include "HelpCommand.h"
#include "TextFileSource.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

// Counts reads, so tests can tell a re-read from a kept text.
struct CountingSource final : TextFileSource {
    DiskTextFileSource disk;
    int reads = 0;
    FileText read(const QString& path, qsizetype limit) override {
        ++reads;
        return disk.read(path, limit);
    }
};

} // namespace

class frmViewTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingMessages messages;
    FakeClipboard clipboard;
    CountingSource files;
    std::unique_ptr<frmView> viewer;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return path;
    }

    void open(const QString& path) {
        viewer->strFilename = path;
        viewer->show();
        viewer->Form_Activate();
    }

    QPlainTextEdit* text() { return viewer->findChild<QPlainTextEdit*>("txbText1"); }
    QPushButton* copyButton() { return viewer->findChild<QPushButton*>("cmdCopyToClipboard"); }

  private slots:
    void init() {
        messages.shown.clear();
        clipboard = FakeClipboard{};
        files.reads = 0;
        viewer = std::make_unique<frmView>(files, messages, clipboard);
    }
    void cleanup() { viewer.reset(); }

    void cutsAtTheLimitWithHeaderAndTrailer() {
        const QString below(65529, QChar('a'));
        QCOMPARE(frmView::DisplayedText(below), below);
        const QString at = QString(65305, QChar('b')) + QChar('c') + QString(224, QChar('d'));
        QCOMPARE(at.size(), frmView::kTextLimit);
        const QString shown = frmView::DisplayedText(at);
        QCOMPARE(shown.size(), 65534);
        QVERIFY(shown.startsWith(QStringLiteral(
            "NOTE: This file is too large to display entirely in this textbox.\r\n")));
        QVERIFY(shown.endsWith(QStringLiteral(
            "bc\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n")));
    }

    void showsAFileWithTheCaretAtTheStart() {
        open(write("a.txt", "first line\r\nsecond\r\n"));
        QCOMPARE(viewer->displayedText(), QStringLiteral("first line\r\nsecond\r\n"));
        QCOMPARE(text()->textCursor().position(), 0);
        QVERIFY(text()->isReadOnly());
        init();
        open(write("nl.txt", "\r\n")); // a line break alone is not an empty file
        QCOMPARE(viewer->displayedText(), QStringLiteral("\r\n"));
        QVERIFY(messages.shown.empty());
    }

    void readsAHugeFileOnlyAsFarAsItShows() {
        QByteArray bytes(70000 * 3, 'x');
        bytes.replace(0, 3, "\xE2\x82\xAC"); // a euro sign first: three bytes, one character
        const QString path = write("big.txt", bytes);
        open(path);
        QCOMPARE(viewer->displayedText().size(), 65534);
        QVERIFY(viewer->displayedText().contains(QString(QChar(0x20AC)) + QStringLiteral("xxx")));
    }

    void decodesUtf8AndFallsBackPerByte() {
        QCOMPARE(DecodeText("caf\xC3\xA9", 5), QStringLiteral("café"));
        QCOMPARE(DecodeText("caf\xE9", 4), QStringLiteral("café"));
        QCOMPARE(DecodeText("\x80\x81", 2), QString(QChar(0x20AC)) + QChar(0x81));
        QCOMPARE(DecodeText("\xF0\x9F\x98\x80", 4).size(), 2); // one emoji, two UTF-16 units
        QCOMPARE(DecodeText("\xED\xA0\x80", 3).size(), 3);     // an encoded surrogate is not UTF-8
    }

    void failuresAreReportedAndHideTheWindow() {
        const QString fifo = dir.filePath("pipe");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        struct Row {
            QString path;
            Message message;
        };
        const Row rows[] = {
            {write("empty.txt", ""), {"File is empty!", "Error", MessageStyle::Exclamation}},
            {dir.filePath("missing.txt"),
             {"Error 53.  File not found", "Error reading file", MessageStyle::Exclamation}},
            {dir.path(),
             {"Error 75.  Path/File access error", "Error reading file",
              MessageStyle::Exclamation}},
            {fifo,
             {"Error 75.  Path/File access error", "Error reading file",
              MessageStyle::Exclamation}},
        };
        for (const Row& row : rows) {
            init();
            QElapsedTimer clock;
            clock.start();
            open(row.path);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(row.path));
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QCOMPARE(messages.shown[0], row.message);
            QVERIFY(!viewer->isVisible());
            QVERIFY(viewer->fileDisplayed());
            // shown again before an unload: an empty viewer and no message
            open(row.path);
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QCOMPARE(viewer->displayedText(), QString());
            copyButton()->click(); // nothing to copy: the clipboard keeps what it had
            QCOMPARE(clipboard.writes, 0);
        }
    }

    void closeKeepsTheTextAndTheCloseBoxRereads() {
        const QString path = write("c.txt", "one");
        open(path);
        viewer->Form_Activate(); // becoming active again reads nothing
        QCOMPARE(files.reads, 1);
        QTest::mouseClick(viewer->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        QVERIFY(!viewer->isVisible());
        write("c.txt", "two");
        open(path);
        QCOMPARE(viewer->displayedText(), QStringLiteral("one"));
        viewer->close(); // title-bar close box
        open(path);
        QCOMPARE(viewer->displayedText(), QStringLiteral("two"));
        QCOMPARE(files.reads, 2);
    }

    void keepsItsMinimumSize() {
        open(write("m.txt", "x"));
        viewer->resize(100, 50);
        QVERIFY(viewer->frameGeometry().width() >= 533);
        QVERIFY(viewer->frameGeometry().height() >= 133);
        auto* close = viewer->findChild<QPushButton*>("cmdClose");
        QCOMPARE(close->geometry().right(), text()->geometry().right());
        QCOMPARE(copyButton()->x(), text()->x());
    }

    void copyButtonFollowsTheSelectionAsTheReleaseLeftIt() {
        open(write("s.txt", "alpha beta\r\ngamma\r\n"));
        QCOMPARE(copyButton()->width(), 218);
        const QPoint start = text()->cursorRect(QTextCursor(text()->document())).center();
        Drag(text()->viewport(), start, start + QPoint(30, 0));
        QCOMPARE(copyButton()->text(), QStringLiteral("Copy selected text to clipboard"));
        QCOMPARE(copyButton()->width(), 295);
        QTest::mouseClick(text()->viewport(), Qt::LeftButton, {}, start + QPoint(10, 0));
        QCOMPARE(copyButton()->width(), 218); // a click inside the selection ended it
        text()->selectAll();
        QTest::keyClick(copyButton(), Qt::Key_Return); // Enter presses a focused button
        QCOMPARE(clipboard.text, QStringLiteral("alpha beta\r\ngamma\r\n"));
        QTest::keyClick(viewer->findChild<QPushButton*>("cmdClose"), Qt::Key_Enter);
        QVERIFY(!viewer->isVisible());
    }

    void helpGoesUnderTheMainWindowAndIsReadAsItsTitle() {
        QWidget main;
        main.setGeometry(100, 50, 797, 271);
        main.show();
        const QString path = write("orvanel_help.txt", "Help text\r\n");
        ShowHelp(*viewer, main, path);
        viewer->Form_Activate();
        QVERIFY(!copyButton()->isVisible());
        QCOMPARE(text()->accessibleName(), QStringLiteral("Help for Orvanel"));
        const auto isUnderMain = [&] {
            return viewer->frameGeometry().topLeft() ==
                       QPoint(main.frameGeometry().left(), main.frameGeometry().bottom() + 1) &&
                   viewer->frameGeometry().width() == main.frameGeometry().width();
        };
        QVERIFY(isUnderMain());
        viewer->move(400, 400);
        ShowHelp(*viewer, main, path);
        QVERIFY(isUnderMain());
        QCOMPARE(files.reads, 1);

        viewer->showMaximized();
        ShowHelp(*viewer, main, path);
        QVERIFY(viewer->isMaximized());
        viewer->showMinimized(); // maximised, then minimised: back to normal, under the main window
        ShowHelp(*viewer, main, path);
        QCOMPARE(viewer->windowState(), Qt::WindowNoState);
        QVERIFY(isUnderMain());
    }

    void aMissingHelpFileReportsOnce() {
        QWidget main;
        const QString path = dir.filePath("no_help.txt");
        for (bool visibleAfter : {false, true}) {
            ShowHelp(*viewer, main, path);
            viewer->Form_Activate();
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QCOMPARE(viewer->isVisible(), visibleAfter);
        }
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmViewTest>(argc, argv);
}

#include "frmViewTest.moc"
