// The main window's wiring: which event runs which command, where the focus goes, what the
// pane, the clipboard and assistive technology receive. Results are the engine tests' business.
#include "frmMain.h"
#include "Fakes.h"
#include "OutputPane.h"
#include "QtPlatform.h"
#include "SignLabel.h"
#include "TextFileSource.h"
#include "frmView.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

class frmMainTest : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    DiskTextFileSource files;
    std::unique_ptr<frmView> viewer;
    std::unique_ptr<frmMain> window;

    template <typename T = QWidget> T* control(const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    OutputPane* pane() { return control<OutputPane>("txbOutput"); }
    QString sign() { return control<SignLabel>("lblSign")->caption(); }
    std::size_t messages() const { return desktop.messages.shown.size(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    QWidget* focus() { return QApplication::focusWidget(); }
    void key(Qt::Key k) { QTest::keyClick(focus(), k); }
    void start(MessageSink& sink) {
        viewer = std::make_unique<frmView>(files, sink, desktop.clipboard);
        window = std::make_unique<frmMain>(frmMain::Services{
            sink, desktop.clipboard, desktop.urls, desktop.screen, desktop.program, *viewer,
            NumberFormat{}, QStringLiteral("/nonexistent/orvanel_help.txt")});
        window->Form_Load();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void set(const char* name, const char* text) { field(name)->setText(S(text)); }
    void typeAndEnter(const char* name, const char* text) {
        set(name, text);
        QTest::keyClick(field(name), Qt::Key_Return);
    }
    QString lastLine() {
        const QStringList all = pane()->wholeText().split(QStringLiteral("\r\n"));
        return all.value(all.size() - 2);
    }
    int lines() { return static_cast<int>(pane()->wholeText().count(QStringLiteral("\r\n"))); }
    QPoint paneStart() { return pane()->cursorRect(QTextCursor(pane()->document())).center(); }
    QString accessibleName(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
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

    void startUp() {
        QCOMPARE(pane()->wholeText(), S("1.00 radians = 57°17'45\"\r\n"));
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(control<QComboBox>("cboDecimalPlaces")->currentText(), S("7"));
        QCOMPARE(window->SigFigs(), 6);
        QVERIFY(window->blnStartUpCompleted());
        QCOMPARE(window->pos(), QPoint(160, 72)); // an eighth and a tenth of 1280 x 720
        QCOMPARE(desktop.clipboard.writes, 0);    // the user's clipboard survives start-up
    }

    void enterReleasedInAnEntryFieldRunsItsConversionAndNothingElseDoes() {
        const std::pair<const char*, const char*> rows[] = {{"txbDegrees", "1°2'3\""},
                                                            {"txbMinutes", "1°2'3\""},
                                                            {"txbSeconds", "1°2'3\""},
                                                            {"txbRadians", " radians = "}};
        for (const auto& [name, expected] : rows) {
            set("txbDegrees", "1");
            set("txbMinutes", "2");
            set("txbSeconds", "3");
            QTest::keyClick(field(name), Qt::Key_Enter); // keypad Enter, released in the field
            QVERIFY2(lastLine().contains(S(expected)), name);
        }
        QTest::keyClick(field("txbDegrees"), Qt::Key_A);
        typeAndEnter("txbToAdd", "1");
        typeAndEnter("txbDegrees", "abc"); // a message, whose Enter press went to the box:
        QTest::keyRelease(field("txbDegrees"), Qt::Key_Return); // its release converts nothing
        QCOMPARE(lines(), 5);
        QCOMPARE(messages(), std::size_t(1));
    }

    void answeringARealMessageBoxWithEnterClosesItForGood() {
        QtMessageSink real;
        cleanup();
        start(real);
        int boxes = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                QTest::keyPress(box, Qt::Key_Return); // the press alone closes it
            }
        });
        closer.start(10);
        field("txbRadians")->setCursorPosition(0);
        typeAndEnter("txbRadians", "7");
        QCOMPARE(window->focusWidget(), field("txbRadians")); // the field at fault, caret at end
        QCOMPARE(field("txbRadians")->cursorPosition(), 1);
        QTest::keyRelease(field("txbRadians"), Qt::Key_Return);
        QTest::qWait(50);
        QCOMPARE(boxes, 1);
    }

    void enterOnAFocusedButtonClicksIt() {
        click("cmdClear1");
        set("txbDegrees", "30");
        control("cmdChangeSign")->setFocus();
        key(Qt::Key_Return);
        QCOMPARE(sign(), S("-"));
        QCOMPARE(control<QLabel>("lblSign")->text(), S("\u2212"));
        QCOMPARE(focus(), control("cmdDeg2Rad")); // moved there by the command
        key(Qt::Key_Enter);
        QCOMPARE(lastLine(), S("-30°0'0\" = -0.52360 radians"));
    }

    void commaModeRewritesPointsAlsoTheUserTyped() {
        pane()->moveCursor(QTextCursor::End);
        QTest::keyClicks(pane(), S("a.b"));
        click("cmdClear1");
        typeAndEnter("txbDegrees", "12,5");
        QCOMPARE(pane()->wholeText(), S("1,00 radians = 57°17'45\"\r\na,b12,5°0'0\" = 0,21817 "
                                        "radians\r\n"));
    }

    void clearButtons() {
        set("txbToAdd", "2");
        control<SignLabel>("lblSign")->setCaption(S("-"));
        click("cmdClear0");
        QCOMPARE(pane()->wholeText(), QString());
        typeAndEnter("txbRadians", "1");
        click("cmdClear1");
        for (const char* name : {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes"}) {
            QCOMPARE(field(name)->text(), QString());
        }
        QCOMPARE(sign(), QString());
        QCOMPARE(lines(), 1);
    }

    void tabVisitsTheControlsInOrderAndEndsAtTheLink() {
        const QStringList expected =
            S("txbOutput cmdQuit cmdClear0 cmdClear1 cmdHelp chkShowPlusMinus cboDecimalPlaces "
              "cmdCopyOutput cmdPlusMinus2 cmdPlusMinus1 cmdPlusMinus0 txbToAdd chkRoundToMinutes "
              "cmdRad2Deg txbRadians chkDecimal txbSeconds txbMinutes txbDegrees cmdChangeSign "
              "cmdDeg2Rad lblCopyright txbOutput")
                .split(QLatin1Char(' '));
        pane()->setFocus();
        QStringList visited = {focus()->objectName()};
        while (visited.size() < expected.size()) {
            key(Qt::Key_Tab);
            QWidget* at = focus();
            while (at && at->objectName().isEmpty()) { // the combo box's own editor
                at = at->parentWidget();
            }
            visited << (at ? at->objectName() : S("?"));
        }
        QCOMPARE(visited, expected);
    }

    // What a screen reader says for each focusable control is what a sighted user reads: the
    // caption, the label beside it (less its colon) or the list's text; controls without any
    // text say what they are for.
    void accessibleNamesSayWhatIsOnScreenInEveryState() {
        const QMap<QString, QString> noText = {{"cmdPlusMinus0", "Add"},
                                               {"cmdPlusMinus1", "Subtract"},
                                               {"cmdPlusMinus2", "Move radians to second value"},
                                               {"txbToAdd", "Second value"},
                                               {"txbOutput", "Results"}};
        const auto seen = [&](QWidget* w) {
            QString text = noText.value(w->objectName());
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && text.isEmpty()) {
                text = button->text();
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                text = combo->currentText();
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                text = label->text();
            }
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (text.isEmpty() && label->buddy() == w) {
                    text = label->text().remove(QLatin1Char(':'));
                }
            }
            return text;
        };
        for (int state = 0; state < 2; ++state) {
            for (QWidget* w = pane()->nextInFocusChain(); w != pane(); w = w->nextInFocusChain()) {
                if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) {
                    QCOMPARE(accessibleName(w), seen(w));
                }
            }
            if (state == 0) { // the copy button's long caption
                Drag(pane()->viewport(), paneStart(), QPoint(60, 5));
            }
        }
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->text(),
                 S("Copy selected text to clipboard"));
        set("txbDegrees", "30");
        for (const char* name : {"Sign: minus", "Sign: none"}) {
            click("cmdChangeSign");
            QCOMPARE(accessibleName(control("lblSign")), S(name));
        }
        auto* link = QAccessible::queryAccessibleInterface(control("lblCopyright"));
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), control<QLabel>("lblCopyright")->text());
    }

    void optionControlsEnableEachOther() {
        auto* decimal = control<QCheckBox>("chkDecimal");
        auto* minutes = control<QCheckBox>("chkRoundToMinutes");
        auto* optMinutes = control<QRadioButton>("optDecMinutes");
        click("chkDecimal");
        QVERIFY(!minutes->isEnabled() && optMinutes->isEnabled());
        QCOMPARE(window->focusWidget(), control("cmdRad2Deg"));
        click("optDecMinutes");
        click("chkDecimal");
        QVERIFY(minutes->isEnabled() && !optMinutes->isEnabled() && optMinutes->isChecked());
        click("chkRoundToMinutes");
        QVERIFY(!decimal->isEnabled() && !optMinutes->isEnabled());
        click("chkRoundToMinutes");
        click("chkDecimal");
        typeAndEnter("txbRadians", "1");
        QCOMPARE(lastLine(), S("1.00000 radians = 57°17.75'"));
    }

    void choosingAPrecisionSetsSigFigsAndTypingChoosesNothing() {
        auto* combo = control<QComboBox>("cboDecimalPlaces");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), S("9"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        control("cmdHelp")->setFocus(); // leaving the field picks nothing either
        QCOMPARE(window->SigFigs(), 6);
        QCOMPARE(combo->count(), 4);
        combo->setCurrentIndex(3);
        emit combo->activated(3);
        QCOMPARE(window->SigFigs(), 8);
        QCOMPARE(window->focusWidget(), field("txbRadians"));
    }

    void adderButtons() {
        set("txbRadians", "1");
        set("txbToAdd", "2");
        click("cmdPlusMinus1");
        QCOMPARE(lastLine(), S("(1 - 2) mod 2pi = 5.28319"));
        click("cmdPlusMinus0");
        QCOMPARE(lastLine(), S("(5.28319 + 2) mod 2pi = 1.00000"));
        click("cmdPlusMinus2");
        QCOMPARE(field("txbToAdd")->text(), S("1.00000"));
        control<QCheckBox>("chkShowPlusMinus")->setChecked(false);
        click("cmdPlusMinus0");
        QCOMPARE(field("txbRadians")->text(), S("1.00000"));
        QCOMPARE(lines(), 3);
    }

    void copyButtonFollowsTheSelectionAsTheReleaseLeftIt() {
        typeAndEnter("txbRadians", "2");
        auto* copy = control<QPushButton>("cmdCopyOutput");
        const QPoint secondLine = paneStart() + QPoint(40, pane()->fontMetrics().height());
        Drag(pane()->viewport(), paneStart(), secondLine);
        QTest::mouseRelease(pane()->viewport(), Qt::RightButton, {}, paneStart());
        QCOMPARE(copy->width(), 207);
        QString selected = pane()->textCursor().selectedText();
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, selected.replace(QChar::ParagraphSeparator, S("\r\n")));
        QVERIFY(desktop.clipboard.text.startsWith(S("1.00 radians = 57°17'45\"\r\n2")));
        QCOMPARE(copy->width(), 160);

        Drag(pane()->viewport(), paneStart(), secondLine);
        const QPoint inside = paneStart() + QPoint(20, 0);
        Drag(pane()->viewport(), inside, inside); // a click inside the selection ends it
        QCOMPARE(copy->text(), S("Copy to clipboard"));
        pane()->moveCursor(QTextCursor::Start);
        QTest::keyClick(pane(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(copy->width(), 160); // a keyboard selection keeps the caption, yet is copied
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, S("1"));
        desktop.clipboard.available = false;
        pane()->selectAll();
        click("cmdCopyOutput");
        QVERIFY(pane()->textCursor().hasSelection()); // nothing copied, nothing changed
    }

    void theUsersOwnEditsInThePaneCanBeUndone() {
        const QString before = pane()->wholeText();
        pane()->selectAll();
        QTest::keyClick(pane(), Qt::Key_X);
        QTest::keyClick(pane(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pane()->wholeText(), before);
        typeAndEnter("txbRadians", "2"); // the program's append is kept
        QTest::keyClick(pane(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(lines(), 2);
    }

    void quitAndCloseBoxEndTheProgram() {
        click("cmdQuit");
        QVERIFY(!window->isVisible());
        window->show();
        window->close();
        QCOMPARE(desktop.program.ended, 2);
    }

    void publisherLinkOpensOnAClickReleasedOverItOrFromTheKeyboard() {
        auto* link = control("lblCopyright");
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, link->height() + 20));
        QCOMPARE(desktop.urls.opened.size(), 0);
        click("lblCopyright");
        QTest::keyClick(link, Qt::Key_Return);
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(desktop.urls.opened, QStringList(3, S("https://orvanel.example.org/")));
        desktop.urls.code = 31;
        click("lblCopyright");
        QCOMPARE(desktop.messages.shown.at(0).title, std::string("Cannot launch web browser"));
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmMainTest>(argc, argv);
}

#include "frmMainTest.moc"
