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

#include <functional>
#include <memory>
#include <optional>
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

    // A control by name, or nullptr; "focus" is the control with the focus (the list for its
    // text field).
    QWidget* control(const QString& name) {
        QWidget* found = name == window->objectName()        ? window.get()
                         : name == viewer->objectName()      ? viewer.get()
                         : window->findChild<QWidget*>(name) ? window->findChild<QWidget*>(name)
                                                             : viewer->findChild<QWidget*>(name);
        for (found = name == "focus" ? QApplication::focusWidget() : found;
             found && found->objectName().isEmpty();) {
            found = found->parentWidget();
        }
        return found;
    }
    OutputPane* pane() { return window->findChild<OutputPane*>(QStringLiteral("txbOutput")); }

    // Checks that are not a property of one control; nothing for an unknown one.
    std::optional<QString> actual(const QString& what) {
        const QString text = pane()->wholeText();
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        const std::vector<Message>& shown = desktop.messages.shown;
        const QStringList& opened = desktop.urls.opened;
        const QWidget* focus = QApplication::focusWidget() ? control("focus") : nullptr;
        const QMap<QString, QVariant> values = {
            {"last", lines.value(lines.size() - 2)},
            {"pane", text},
            {"lines", lines.size() - 1},
            {"focus", focus ? focus->objectName() : QString()},
            {"messages", static_cast<int>(shown.size())},
            {"title", shown.empty() ? QString() : QString::fromStdString(shown.back().title)},
            {"message", shown.empty() ? QString() : QString::fromStdString(shown.back().text)},
            {"clipboard", desktop.clipboard.text},
            {"sigfigs", window->SigFigs()},
            {"ended", desktop.program.ended},
            {"opened",
             QString::number(opened.size()) + (opened.isEmpty() ? "" : " " + opened.back())},
            {"selection", pane()->textCursor().hasSelection()}};
        return values.contains(what) ? std::optional(values[what].toString()) : std::nullopt;
    }

    // A Qt property as a scenario writes it; fonts by family, size and weight, as the version
    // of Qt does not change them. Nothing when the control has no such property.
    static std::optional<QString> property(QWidget* w, const QString& name) {
        if (name == "accessibleName") {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        }
        if (w->metaObject()->indexOfProperty(qPrintable(name)) < 0) {
            return std::nullopt;
        }
        if (name == "font") {
            const QFont f = w->font();
            return QStringLiteral("%1, %2 pt, %3%4")
                .arg(f.family())
                .arg(f.pointSize())
                .arg(f.bold() ? "bold" : "normal", f.underline() ? ", underlined" : "");
        }
        return w->property(qPrintable(name)).toString();
    }

    // Pixels relative to a control; for the pane, to its first character.
    QPoint at(QWidget* w, const QStringList& words, int first) {
        const QPoint origin =
            w == pane() ? pane()->cursorRect(QTextCursor(pane()->document())).center() : QPoint();
        return origin + QPoint(words[first].toInt(), words[first + 1].toInt());
    }

    // A control named by a step; the list's own text field stands in for the list.
    QWidget* target(QWidget* named) {
        auto* combo = qobject_cast<QComboBox*>(named);
        return combo ? combo->lineEdit() : named;
    }
    static QWidget* viewport(QWidget* w) {
        auto* area = qobject_cast<QAbstractScrollArea*>(w);
        return area ? area->viewport() : w;
    }

    // An expectation holds within two seconds, or says what was seen instead.
    static QString expect(const std::function<std::optional<QString>()>& actualValue,
                          const QString& expected) {
        if (!actualValue()) {
            return QStringLiteral("no such check or property");
        }
        if (QTest::qWaitFor([&] { return *actualValue() == expected; }, 2000)) {
            return {};
        }
        return "expected [" + expected + "], got [" + *actualValue() + "]";
    }

    // Plays one step; what went wrong, or an empty text. A step the player does not know in
    // every word is wrong, as is a value with blanks at its end outside quotes.
    QString play(const QString& line) {
        if (line != line.trimmed()) {
            return QStringLiteral("blanks at the end: quote the value");
        }
        const QStringList w = line.split(QLatin1Char(' '));
        const auto from = [&](int word) {
            const QString text = w.mid(word).join(' ').replace("\\r", "\r").replace("\\n", "\n");
            const bool quoted = text.size() >= 2 && text.startsWith('"') && text.endsWith('"');
            return quoted ? text.mid(1, text.size() - 2) : text;
        };
        const QString value = from(2);
        // Each step's fewest and most words, and whether its first argument is a control.
        static const QMap<QString, std::tuple<int, int, bool>> grammar = {
            {"expect", {2, 99, true}},   {"set", {3, 99, true}},       {"type", {3, 99, true}},
            {"click", {2, 2, true}},     {"key", {3, 4, true}},        {"keyrelease", {3, 3, true}},
            {"drag", {6, 6, true}},      {"release", {3, 3, true}},    {"call", {3, 3, true}},
            {"choose", {2, 2, false}},   {"clipboard", {2, 2, false}}, {"urlcode", {2, 2, false}},
            {"helpfile", {2, 99, false}}};
        const QString& step = w[0];
        const auto [fewest, most, takesControl] = grammar.value(step, {99, 0, false});
        if (w.size() < fewest || w.size() > most) {
            return QStringLiteral("unknown step, or a wrong number of words");
        }
        const auto dot = w[1].indexOf(QLatin1Char('.'));
        const QString prop = w[1].mid(dot + 1);
        QWidget* named = control(dot > 0 ? w[1].left(dot) : w[1]);
        if (takesControl && !named && !(step == "expect" && dot < 0)) {
            return "no control " + w[1];
        }
        if (step == "expect") {
            return dot > 0
                       ? expect([&] { return property(named, prop); }, value)
                       : expect([&] { return actual(w[1]); }, w.size() == 2 ? QString() : value);
        }
        if (step == "set") {
            if (dot < 0 || !property(named, prop)) {
                return "no property " + w[1];
            }
            named->setProperty(qPrintable(prop), value);
        } else if (step == "type") {
            QTest::keyClicks(target(named), value);
        } else if (step == "click") {
            QTest::mouseClick(named, Qt::LeftButton);
        } else if (step == "key" || step == "keyrelease") {
            static const QMap<QString, Qt::KeyboardModifiers> mods = {
                {"", Qt::NoModifier}, {"ctrl", Qt::ControlModifier}, {"shift", Qt::ShiftModifier}};
            const QKeySequence keys = QKeySequence::fromString(w[2]);
            if (keys.count() != 1 || !mods.contains(w.value(3))) {
                return "no key " + w.mid(2).join(' ');
            }
            const auto key = keys[0].key();
            step == "key" ? QTest::keyClick(target(named), key, mods[w.value(3)])
                          : QTest::keyRelease(target(named), key);
        } else if (step == "drag") {
            Drag(viewport(named), at(named, w, 2), at(named, w, 4));
        } else if (step == "release" && (w[2] == "left" || w[2] == "right")) {
            const auto button = w[2] == "left" ? Qt::LeftButton : Qt::RightButton;
            QTest::mouseRelease(viewport(named), button, {}, QPoint(2, 2));
        } else if (step == "choose") {
            auto* combo = window->findChild<QComboBox*>();
            combo->setCurrentIndex(w[1].toInt());
            emit combo->activated(w[1].toInt());
        } else if (step == "clipboard" && w[1] == "off") {
            desktop.clipboard.available = false;
        } else if (step == "urlcode") {
            desktop.urls.code = w[1].toInt();
        } else if (step == "helpfile") {
            QFile help(helpFolder.filePath(QStringLiteral("orvanel_help.txt")));
            if (!help.open(QIODevice::WriteOnly) || help.write(from(1).toUtf8()) < 0) {
                return QStringLiteral("cannot write the help file");
            }
        } else if (step == "call") { // a slot: setFocus, show, close (as the close box does)...
            if (!QMetaObject::invokeMethod(named, qPrintable(w[2]))) {
                return "no slot " + w[2];
            }
        } else {
            return "no such argument: " + line;
        }
        return {};
    }

  private slots:
    void init() {
        desktop = FakeDesktop{};
        QFile::remove(helpFolder.filePath(QStringLiteral("orvanel_help.txt")));
        viewer = std::make_unique<frmView>(files, desktop.messages, desktop.clipboard);
        window = std::make_unique<frmMain>(frmMain::Services{
            desktop.messages, desktop.clipboard, desktop.urls, desktop.screen, desktop.program,
            [this]() -> frmView& { return *viewer; }, NumberFormat{},
            helpFolder.filePath(QStringLiteral("orvanel_help.txt"))});
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
        int number = 0;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            ++number;
            if (line.startsWith(QLatin1String("## "))) {
                add();
                name = line.mid(3);
            } else if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
                steps << QString::number(number) + " " + line;
            }
        }
        add();
    }

    void scenario() {
        QFETCH(QStringList, steps);
        for (const QString& numbered : steps) {
            const QString number = numbered.section(' ', 0, 0);
            const QString wrong = play(numbered.section(' ', 1));
            QVERIFY2(wrong.isEmpty(), qPrintable("scenarios.txt:" + number + ": " +
                                                 numbered.section(' ', 1) + ": " + wrong));
        }
    }

    // The player refuses what it does not understand rather than pass over it.
    void playerRefusesWhatItDoesNotKnow() {
        for (const char* typo :
             {"expect txbRadians.txet 1", "set txbRadians.txet 1", "click cmdNope",
              "expect txbNope.text 1", "clikc cmdQuit", "expect lenes 1",
              "release txbOutput middle", "clipboard of", "key txbRadians Return alt",
              "expect txbRadians.text 1 ", "call frmMain nosuchslot", "click"}) {
            QVERIFY2(!play(QString::fromLatin1(typo)).isEmpty(), typo);
        }
        QVERIFY(!play("expect txbRadians.text 2").isEmpty()); // and a plain mismatch
        QCOMPARE(play("expect txbRadians.text \"1.00\""), QString());
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

    void copyTakesTheWholeTextAndEnterPressesButtons() {
        open(write("s.txt", "alpha beta\r\ngamma\r\n"));
        // The copy button is the main window's class, whose captions the scenarios follow.
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
