// The viewer: what it shows of a file, how it reports what it cannot read, when it reads
// again, its copy button, and where the Help command puts it.
#include "frmView.h"
#include "Fakes.h"
#include "HelpCommand.h"
#include "TextFileSource.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

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
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return file.fileName();
    }
    void open(const QString& path) {
        viewer->strFilename = path;
        viewer->show();
        viewer->Form_Activate();
    }
    QPlainTextEdit* text() { return viewer->findChild<QPlainTextEdit*>("txbText1"); }
    QPushButton* button(const char* name) { return viewer->findChild<QPushButton*>(name); }

  private slots:
    void init() {
        messages.shown.clear();
        clipboard = FakeClipboard{};
        files.reads = 0;
        viewer = std::make_unique<frmView>(files, messages, clipboard);
    }

    void showsTheFileOrItsHeadWithANote() {
        open(write("a.txt", "caf\xC3\xA9 \x80\r\n"));
        QCOMPARE(viewer->displayedText(), QString::fromUtf8("café €\r\n")); // bytes not UTF-8: 1252
        QCOMPARE(text()->textCursor().position(), 0);
        QByteArray huge(70000 * 3, 'x');
        huge.replace(0, 3, "\xE2\x82\xAC"); // three bytes, one character
        open(write("big.txt", huge));       // read again: the window was never unloaded
        QCOMPARE(viewer->displayedText(), QString::fromUtf8("café €\r\n"));
        viewer->close();
        open(dir.filePath("big.txt"));
        const QString shown = viewer->displayedText();
        QCOMPARE(shown.size(), 65534);
        QVERIFY(shown.startsWith(QStringLiteral("NOTE: This file is too large")));
        QVERIFY(shown.contains(QStringLiteral("\u20ACxxx")));
        QVERIFY(shown.endsWith(QStringLiteral("x\r\n\r\nNOTE: Entire contents of file have not "
                                              "been displayed.\r\n")));
    }

    void failuresAreReportedOnceAndHideTheWindow() {
        const QString fifo = dir.filePath("pipe");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        const std::pair<QString, Message> rows[] = {
            {write("empty.txt", ""), {"File is empty!", "Error", MessageStyle::Exclamation}},
            {dir.filePath("no.txt"), {"Error 53.  File not found", "Error reading file"}},
            {dir.path(), {"Error 75.  Path/File access error", "Error reading file"}},
            {fifo, {"Error 75.  Path/File access error", "Error reading file"}}};
        for (const auto& [path, message] : rows) {
            init();
            QElapsedTimer clock;
            clock.start();
            open(path);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(path)); // a FIFO never blocks
            QCOMPARE(messages.shown, std::vector<Message>{message});
            QVERIFY(!viewer->isVisible());
            open(path); // shown again before an unload: empty, and no second message
            QCOMPARE(messages.shown.size(), std::size_t(1));
            button("cmdCopyToClipboard")->click(); // nothing to copy
            QCOMPARE(clipboard.writes, 0);
        }
    }

    void copyButtonFollowsTheSelectionAndEnterPressesButtons() {
        open(write("s.txt", "alpha beta\r\ngamma\r\n"));
        const QPoint start = text()->cursorRect(QTextCursor(text()->document())).center();
        Drag(text()->viewport(), start, start + QPoint(30, 0));
        QCOMPARE(button("cmdCopyToClipboard")->width(), 295);
        Drag(text()->viewport(), start + QPoint(10, 0), start + QPoint(10, 0));
        QCOMPARE(button("cmdCopyToClipboard")->width(), 218); // a click inside ended it
        text()->selectAll();
        QTest::keyClick(button("cmdCopyToClipboard"), Qt::Key_Return);
        QCOMPARE(clipboard.text, QStringLiteral("alpha beta\r\ngamma\r\n"));
        viewer->resize(100, 50); // its minimum size, laid out with the buttons under the text
        QVERIFY(viewer->frameGeometry().width() >= 533 && viewer->frameGeometry().height() >= 133);
        QCOMPARE(button("cmdClose")->geometry().right(), text()->geometry().right());
        QTest::keyClick(button("cmdClose"), Qt::Key_Enter);
        QVERIFY(!viewer->isVisible());
    }

    void helpGoesUnderTheMainWindowReadOnce() {
        QWidget main;
        main.setGeometry(100, 50, 797, 271);
        main.show();
        const QString path = write("orvanel_help.txt", "Help text\r\n");
        const auto isUnderMain = [&] {
            return viewer->frameGeometry().topLeft() ==
                       QPoint(main.frameGeometry().left(), main.frameGeometry().bottom() + 1) &&
                   viewer->frameGeometry().width() == main.frameGeometry().width();
        };
        ShowHelp(*viewer, main, path);
        viewer->Form_Activate();
        QVERIFY(isUnderMain() && !button("cmdCopyToClipboard")->isVisible());
        QCOMPARE(text()->accessibleName(), QStringLiteral("Help for Orvanel"));
        viewer->move(400, 400);
        ShowHelp(*viewer, main, path);
        QVERIFY(isUnderMain());
        viewer->showMaximized();
        ShowHelp(*viewer, main, path);
        QVERIFY(viewer->isMaximized());
        viewer->showMinimized(); // maximised, then minimised: back to normal, under the main window
        ShowHelp(*viewer, main, path);
        QCOMPARE(viewer->windowState(), Qt::WindowNoState);
        QVERIFY(isUnderMain());
        QCOMPARE(files.reads, 1);
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmViewTest>(argc, argv);
}

#include "frmViewTest.moc"
