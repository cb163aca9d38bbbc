// The windows' wiring: which event runs which command, where the focus goes, what the pane,
// the clipboard and assistive technology receive (results are the engine tests' business);
// most of it told as scenarios in scenarios.txt, played here step by step. Then the viewer:
// what it shows of a file, how it reports what it cannot read, when it reads again, its copy
// button, and where the Help command puts it.
#include "Fakes.h"
#include "OutputPane.h"
#include "Tessaly_common.h"
#include "TextFileSource.h"
#include "frmMain.h"
#include "frmView.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include <sys/stat.h>

using namespace orvanel;
using namespace orvanel::testing;

class frmMainTest : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    DiskTextFileSource files;
    QTemporaryDir helpFolder;
    std::unique_ptr<frmView> viewer;
    std::unique_ptr<frmMain> window;

    // A control by name; "focus" is the control with the focus (the list for its text field).
    QWidget* control(const QString& name) {
        QWidget* found = name == window->objectName()        ? window.get()
                         : name == viewer->objectName()      ? viewer.get()
                         : window->findChild<QWidget*>(name) ? window->findChild<QWidget*>(name)
                                                             : viewer->findChild<QWidget*>(name);
        for (found = name == "focus" ? QApplication::focusWidget() : found;
             found && found->objectName().isEmpty();) {
            found = found->parentWidget();
        }
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    OutputPane* pane() { return window->findChild<OutputPane*>(QStringLiteral("txbOutput")); }
    // Checks that are not a property of one control.
    QString actual(const QString& what) {
        const QString text = pane()->wholeText();
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        const std::vector<Message>& shown = desktop.messages.shown;
        const QStringList& opened = desktop.urls.opened;
        const QMap<QString, QVariant> values = {
            {"last", lines.value(lines.size() - 2)},
            {"pane", text},
            {"lines", lines.size() - 1},
            {"focus", QApplication::focusWidget() ? control("focus")->objectName() : ""},
            {"messages", static_cast<int>(shown.size())},
            {"title", shown.empty() ? QString() : QString::fromStdString(shown.back().title)},
            {"message", shown.empty() ? QString() : QString::fromStdString(shown.back().text)},
            {"clipboard", desktop.clipboard.text},
            {"sigfigs", window->SigFigs()},
            {"ended", desktop.program.ended},
            {"opened",
             QString::number(opened.size()) + (opened.isEmpty() ? "" : " " + opened.back())},
            {"selection", pane()->textCursor().hasSelection()}};
        return values.value(what, QStringLiteral("(unknown check %1)").arg(what)).toString();
    }

    // Pixels relative to a control; for the pane, to its first character.
    QPoint at(QWidget* w, const QStringList& words, int first) {
        const QPoint origin =
            w == pane() ? pane()->cursorRect(QTextCursor(pane()->document())).center() : QPoint();
        return origin + QPoint(words[first].toInt(), words[first + 1].toInt());
    }

    // A control named by a step; the list's own text field stands in for the list.
    QWidget* target(const QString& name) {
        auto* combo = qobject_cast<QComboBox*>(control(name));
        return combo ? combo->lineEdit() : control(name);
    }

    // One step of a scenario; words[0] says what to do.
    void play(const QStringList& w) {
        const auto rest = [&](int from) { return w.mid(from).join(QLatin1Char(' ')); };
        const QString step = w[0];
        const auto dot = w.value(1).indexOf(QLatin1Char('.'));
        if (step == "expect" && dot > 0) {
            QWidget* named = control(w[1].left(dot));
            const QString property = w[1].mid(dot + 1);
            QCOMPARE(property == "accessibleName"
                         ? QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name)
                         : named->property(qPrintable(property)).toString(),
                     rest(2));
        } else if (step == "expect") {
            QCOMPARE(actual(w[1]), rest(2));
        } else if (step == "set") {
            control(w[1].left(dot))->setProperty(qPrintable(w[1].mid(dot + 1)), rest(2));
        } else if (step == "type") {
            QTest::keyClicks(target(w[1]), rest(2));
        } else if (step == "click") {
            QTest::mouseClick(control(w[1]), Qt::LeftButton);
        } else if (step == "key" || step == "keyrelease") {
            static const QMap<QString, Qt::KeyboardModifiers> mods = {{"ctrl", Qt::ControlModifier},
                                                                      {"shift", Qt::ShiftModifier}};
            const auto key = static_cast<Qt::Key>(QKeySequence::fromString(w[2])[0].key());
            step == "key" ? QTest::keyClick(target(w[1]), key, mods.value(w.value(3)))
                          : QTest::keyRelease(target(w[1]), key);
        } else if (step == "drag") {
            auto* area = qobject_cast<QAbstractScrollArea*>(control(w[1]));
            Drag(area ? area->viewport() : control(w[1]), at(control(w[1]), w, 2),
                 at(control(w[1]), w, 4));
        } else if (step == "release") {
            QTest::mouseRelease(pane()->viewport(), Qt::RightButton, {}, QPoint(2, 2));
        } else if (step == "choose") {
            auto* combo = window->findChild<QComboBox*>();
            combo->setCurrentIndex(w[1].toInt());
            emit combo->activated(w[1].toInt());
        } else if (step == "clipboard") {
            desktop.clipboard.available = false;
        } else if (step == "urlcode") {
            desktop.urls.code = w[1].toInt();
        } else if (step == "helpfile") {
            QFile help(helpFolder.filePath(QStringLiteral("orvanel_help.txt")));
            QVERIFY(help.open(QIODevice::WriteOnly) && help.write(rest(1).toUtf8()) >= 0);
        } else if (step == "call") { // a slot: setFocus, show, close (as the close box does)...
            QVERIFY(QMetaObject::invokeMethod(control(w[1]), qPrintable(w[2])));
        } else if (step == "wait") {
            QTest::qWait(w[1].toInt());
        } else {
            QFAIL(qPrintable("unknown step: " + rest(0)));
        }
    }

  private slots:
    void init() {
        desktop = FakeDesktop{};
        QFile::remove(helpFolder.filePath(QStringLiteral("orvanel_help.txt")));
        viewer = std::make_unique<frmView>(files, desktop.messages, desktop.clipboard);
        window = std::make_unique<frmMain>(frmMain::Services{
            desktop.messages, desktop.clipboard, desktop.urls, desktop.screen, desktop.program,
            *viewer, NumberFormat{}, helpFolder.filePath(QStringLiteral("orvanel_help.txt"))});
        window->Form_Load();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        window.reset();
        viewer.reset();
    }

    void scenario_data() {
        QTest::addColumn<QStringList>("steps");
        QFile file(QStringLiteral(ORVANEL_SCENARIOS));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList steps;
        QString name;
        const auto add = [&] {
            if (!name.isEmpty()) {
                QTest::newRow(qPrintable(name)) << steps;
            }
            steps.clear();
        };
        for (QString line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("## "))) {
                add();
                name = line.mid(3);
            } else if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
                steps << line.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
                             .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
            }
        }
        add();
    }

    void scenario() {
        QFETCH(QStringList, steps);
        for (const QString& line : steps) {
            play(line.split(QLatin1Char(' ')));
            if (QTest::currentTestFailed()) {
                qWarning("at step: %s", qPrintable(line));
                return;
            }
        }
    }

    // A frame holding a label and a text box, a button and a check box beside it: each
    // appearance helper reaches the kinds it names, frames' contents included, and no others.
    void appearanceHelpersReachTheKindsTheyName() {
        QWidget form;
        auto* frame = new QGroupBox(&form);
        auto* label = new QLabel(frame);
        auto* text = new QLineEdit(frame);
        auto* button = new QPushButton(&form);
        auto* check = new QCheckBox(&form);
        QCOMPARE(FormControls(&form), (QList<QWidget*>{frame, label, text, button, check}));
        const QColor base = text->palette().color(QPalette::Base);
        const QColor face = button->palette().color(QPalette::Button);
        SetFormBackColor(&form, 0x00808000);
        SetFormForeColor(&form, 0x00FFFFFF);
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 128, 128));
        QCOMPARE(check->palette().color(QPalette::Button), QColor(0, 128, 128));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(text->palette().color(QPalette::Base), base);
        QCOMPARE(button->palette().color(QPalette::Button), face);
        text->setFont(QFont(QStringLiteral("Courier New"), 10));
        const int frameSize = frame->font().pointSize();
        SetFormFontSize(&form, 14);
        QCOMPARE(text->font().pointSize(), 14);
        QCOMPARE(frame->font().pointSize(), frameSize);
        SetFormFontName(&form, QStringLiteral("Arial"), false, false);
        QCOMPARE(button->font().family(), QStringLiteral("Arial"));
        QCOMPARE(text->font().family(), QStringLiteral("Courier New"));
        SetFormFontName(&form, QStringLiteral("Tahoma"), true, false);
        QCOMPARE(text->font().family(), QStringLiteral("Tahoma"));
    }
};

class frmViewTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakeDesktop desktop;
    DiskTextFileSource files;
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
        desktop = FakeDesktop{};
        viewer = std::make_unique<frmView>(files, desktop.messages, desktop.clipboard);
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
            QCOMPARE(desktop.messages.shown, std::vector<Message>{message});
            QVERIFY(!viewer->isVisible());
            open(path); // shown again before an unload: empty, and no second message
            QCOMPARE(desktop.messages.shown.size(), std::size_t(1));
            button("cmdCopyToClipboard")->click(); // nothing to copy
            QCOMPARE(desktop.clipboard.writes, 0);
        }
    }

    void copyButtonFollowsTheSelectionAndEnterPressesButtons() {
        open(write("s.txt", "alpha beta\r\ngamma\r\n"));
        QCOMPARE(button("cmdCopyToClipboard")->text(), QStringLiteral("Copy to clipboard"));
        const QPoint start = text()->cursorRect(QTextCursor(text()->document())).center();
        Drag(text()->viewport(), start, start + QPoint(30, 0));
        QCOMPARE(button("cmdCopyToClipboard")->width(), 295);
        Drag(text()->viewport(), start + QPoint(10, 0), start + QPoint(10, 0));
        QCOMPARE(button("cmdCopyToClipboard")->width(), 218); // a click inside ended it
        text()->selectAll();
        QTest::keyClick(button("cmdCopyToClipboard"), Qt::Key_Return);
        QCOMPARE(desktop.clipboard.text, QStringLiteral("alpha beta\r\ngamma\r\n"));
        viewer->resize(100, 50); // its minimum size, laid out with the buttons under the text
        QVERIFY(viewer->frameGeometry().width() >= 533 && viewer->frameGeometry().height() >= 133);
        QCOMPARE(button("cmdClose")->geometry().right(), text()->geometry().right());
        QTest::keyClick(button("cmdClose"), Qt::Key_Enter);
        QVERIFY(!viewer->isVisible());
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmMainTest, frmViewTest>(argc, argv);
}

#include "WindowTest.moc"
