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

    // A control by name; "focus" is the control with the focus (the list for its text field).
    QWidget* control(const QString& name) {
        QWidget* found =
            name == window->objectName() ? window.get() : window->findChild<QWidget*>(name);
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
            {"clipboard", desktop.clipboard.text},
            {"writes", desktop.clipboard.writes},
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
                         ? accessibleName(named)
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
            QWidget* surface = control(w[1]) == pane() ? pane()->viewport() : control(w[1]);
            Drag(surface, at(control(w[1]), w, 2), at(control(w[1]), w, 4));
        } else if (step == "release") {
            QTest::mouseRelease(pane()->viewport(), Qt::RightButton, {}, QPoint(2, 2));
        } else if (step == "choose") {
            auto* combo = window->findChild<QComboBox*>();
            combo->setCurrentIndex(w[1].toInt());
            emit combo->activated(w[1].toInt());
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
            QFAIL(qPrintable("unknown step: " + rest(0)));
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
            play(line.split(QLatin1Char(' ')));
            if (QTest::currentTestFailed()) {
                qWarning("at step: %s", qPrintable(line));
                return;
            }
        }
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmMainTest>(argc, argv);
}

#include "frmMainTest.moc"
