// The main window's wiring: which event runs which command, where the focus goes, what the
// pane, the clipboard and assistive technology receive. Results are the engine tests' business.
// Most of it is told as scenarios in scenarios.txt, played here step by step.
#include "frmMain.h"
#include "Fakes.h"
#include "OutputPane.h"
#include "SignLabel.h"
#include "TextFileSource.h"
#include "frmView.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace orvanel;
using namespace orvanel::testing;

class frmMainTest : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    DiskTextFileSource files;
    std::unique_ptr<frmView> viewer;
    std::unique_ptr<frmMain> window;

    QWidget* control(const QString& name) {
        QWidget* found = name == QLatin1String("focus") ? QApplication::focusWidget()
                                                        : window->findChild<QWidget*>(name);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    OutputPane* pane() { return window->findChild<OutputPane*>(QStringLiteral("txbOutput")); }
    QString accessibleName(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }
    void start(MessageSink& sink) {
        viewer = std::make_unique<frmView>(files, sink, desktop.clipboard);
        window = std::make_unique<frmMain>(frmMain::Services{
            sink, desktop.clipboard, desktop.urls, desktop.screen, desktop.program, *viewer,
            NumberFormat{}, QStringLiteral("/nonexistent/orvanel_help.txt")});
        window->Form_Load();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Text a control shows: a field's, a button's, a label's or the list's current entry.
    QString textOf(QWidget* w) {
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            return field->text();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            return button->text();
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            return combo->currentText();
        }
        return qobject_cast<QLabel*>(w)->text();
    }

    // Pixels relative to a control; for the pane, to its first character.
    QPoint at(QWidget* w, const QStringList& words, int first) {
        QPoint origin;
        if (w == pane()) {
            origin = pane()->cursorRect(QTextCursor(pane()->document())).center();
        }
        return origin + QPoint(words[first].toInt(), words[first + 1].toInt());
    }

    static Qt::Key KeyNamed(const QString& name) {
        static const QMap<QString, Qt::Key> keys = {
            {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space},
            {"Tab", Qt::Key_Tab},       {"Right", Qt::Key_Right}, {"A", Qt::Key_A},
            {"X", Qt::Key_X},           {"Z", Qt::Key_Z}};
        return keys.value(name);
    }

    QString actual(const QString& what, const QStringList& w) {
        const std::vector<Message>& shown = desktop.messages.shown;
        const QString text = pane()->wholeText();
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        const QMap<QString, std::function<QString()>> checks = {
            {"text", [&] { return textOf(control(w[2])); }},
            {"sign", [&] { return window->findChild<SignLabel*>()->caption(); }},
            {"last", [&] { return lines.value(lines.size() - 2); }},
            {"pane", [&] { return text; }},
            {"lines", [&] { return QString::number(lines.size() - 1); }},
            {"focus", [&] { return QApplication::focusWidget()->objectName(); }},
            {"cursor",
             [&] {
                 return QString::number(static_cast<QLineEdit*>(control(w[2]))->cursorPosition());
             }},
            {"messages", [&] { return QString::number(shown.size()); }},
            {"title",
             [&] {
                 return shown.empty() ? QString() : QString::fromStdString(shown.back().title);
             }},
            {"clipboard", [&] { return desktop.clipboard.text; }},
            {"writes", [&] { return QString::number(desktop.clipboard.writes); }},
            {"width", [&] { return QString::number(control(w[2])->width()); }},
            {"enabled", [&] { return QString::number(control(w[2])->isEnabled()); }},
            {"checked",
             [&] {
                 return QString::number(static_cast<QAbstractButton*>(control(w[2]))->isChecked());
             }},
            {"sigfigs", [&] { return QString::number(window->SigFigs()); }},
            {"ended", [&] { return QString::number(desktop.program.ended); }},
            {"opened",
             [&] {
                 return QString::number(desktop.urls.opened.size()) +
                        (desktop.urls.opened.isEmpty() ? QString()
                                                       : " " + desktop.urls.opened.back());
             }},
            {"selection", [&] { return QString::number(pane()->textCursor().hasSelection()); }},
            {"visible", [&] { return QString::number(window->isVisible()); }},
            {"pos", [&] { return QStringLiteral("%1 %2").arg(window->x()).arg(window->y()); }},
            {"name", [&] { return accessibleName(control(w[2])); }}};
        return checks.value(what, [] { return QStringLiteral("(unknown check)"); })();
    }

    // One step of a scenario; words[0] says what to do.
    void play(const QStringList& w, const QString& line) {
        const auto rest = [&](int from) { return w.mid(from).join(QLatin1Char(' ')); };
        const QString& step = w[0];
        if (step == "expect") {
            const bool named =
                QStringList{"text", "cursor", "width", "enabled", "checked", "name"}.contains(w[1]);
            QCOMPARE(actual(w[1], w), rest(named ? 3 : 2));
        } else if (step == "set") {
            static_cast<QLineEdit*>(control(w[1]))->setText(rest(2));
        } else if (step == "type") {
            QWidget* target = control(w[1]);
            auto* combo = qobject_cast<QComboBox*>(target);
            QTest::keyClicks(combo ? combo->lineEdit() : target, rest(2));
        } else if (step == "click") {
            QTest::mouseClick(control(w[1]), Qt::LeftButton);
        } else if (step == "key" || step == "keyrelease") {
            QWidget* target = control(w[1]);
            if (auto* combo = qobject_cast<QComboBox*>(target)) {
                target = combo->lineEdit();
            }
            const Qt::KeyboardModifiers mods = w.value(3) == "ctrl"    ? Qt::ControlModifier
                                               : w.value(3) == "shift" ? Qt::ShiftModifier
                                                                       : Qt::NoModifier;
            step == "key" ? QTest::keyClick(target, KeyNamed(w[2]), mods)
                          : QTest::keyRelease(target, KeyNamed(w[2]), mods);
        } else if (step == "drag") {
            QWidget* target = control(w[1]);
            QWidget* surface = target == pane() ? pane()->viewport() : target;
            Drag(surface, at(target, w, 2), at(target, w, 4));
        } else if (step == "release") {
            QTest::mouseRelease(pane()->viewport(), Qt::RightButton, {}, QPoint(2, 2));
        } else if (step == "choose") {
            auto* combo = window->findChild<QComboBox*>();
            combo->setCurrentIndex(w[1].toInt());
            emit combo->activated(w[1].toInt());
        } else if (step == "selectall") {
            auto* combo = qobject_cast<QComboBox*>(control(w[1]));
            combo ? combo->lineEdit()->selectAll() : pane()->selectAll();
        } else if (step == "home" || step == "end") {
            pane()->moveCursor(step == "home" ? QTextCursor::Start : QTextCursor::End);
        } else if (step == "focus") {
            control(w[1])->setFocus();
        } else if (step == "clipboard") {
            desktop.clipboard.available = false;
        } else if (step == "urlcode") {
            desktop.urls.code = w[1].toInt();
        } else if (step == "closebox") {
            window->show();
            window->close();
        } else {
            QFAIL(qPrintable("unknown step: " + line));
        }
    }

  private slots:
    void init() {
        desktop = FakeDesktop{};
        start(desktop.messages);
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
            play(line.split(QLatin1Char(' ')), line);
            if (QTest::currentTestFailed()) {
                qWarning("at step: %s", qPrintable(line));
                return;
            }
        }
    }

    void tabVisitsTheControlsInOrderAndEndsAtTheLink() {
        const QStringList expected =
            QStringLiteral(
                "txbOutput cmdQuit cmdClear0 cmdClear1 cmdHelp chkShowPlusMinus cboDecimalPlaces "
                "cmdCopyOutput cmdPlusMinus2 cmdPlusMinus1 cmdPlusMinus0 txbToAdd "
                "chkRoundToMinutes cmdRad2Deg txbRadians chkDecimal txbSeconds txbMinutes "
                "txbDegrees cmdChangeSign cmdDeg2Rad lblCopyright txbOutput")
                .split(QLatin1Char(' '));
        pane()->setFocus();
        QStringList visited = {pane()->objectName()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            while (focus && focus->objectName().isEmpty()) { // the combo box's own editor
                focus = focus->parentWidget();
            }
            visited << (focus ? focus->objectName() : QStringLiteral("?"));
        }
        QCOMPARE(visited, expected);
    }

    // What a screen reader says for each focusable control is what a sighted user reads: the
    // caption, the label beside it (less its colon) or the list's text; controls without any
    // text say what they are for. The scenarios check the states that change a name.
    void accessibleNamesSayWhatIsOnScreen() {
        const QMap<QString, QString> noText = {{"cmdPlusMinus0", "Add"},
                                               {"cmdPlusMinus1", "Subtract"},
                                               {"cmdPlusMinus2", "Move radians to second value"},
                                               {"txbToAdd", "Second value"},
                                               {"txbOutput", "Results"}};
        for (QWidget* w = pane(); w; w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) {
                QString seen = noText.value(w->objectName());
                for (QLabel* label : window->findChildren<QLabel*>()) {
                    seen += label->buddy() == w && !qobject_cast<QComboBox*>(w)
                                ? label->text().remove(QLatin1Char(':'))
                                : QString();
                }
                QCOMPARE(accessibleName(w), seen.isEmpty() ? textOf(w) : seen);
            }
            if (w->nextInFocusChain() == pane()) {
                break;
            }
        }
        auto* link = QAccessible::queryAccessibleInterface(control("lblCopyright"));
        QCOMPARE(link->role(), QAccessible::Link);
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmMainTest>(argc, argv);
}

#include "frmMainTest.moc"
