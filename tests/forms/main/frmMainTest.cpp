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

    void start(MessageSink& sink) {
        viewer = std::make_unique<frmView>(files, sink, desktop.clipboard);
        window = std::make_unique<frmMain>(frmMain::Services{
            sink, desktop.clipboard, desktop.urls, desktop.screen, desktop.program, *viewer,
            NumberFormat{}, QStringLiteral("/nonexistent/orvanel_help.txt")});
        window->Form_Load();
    }
    void activate() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void typeAndEnter(const char* name, const QString& text) {
        field(name)->setText(text);
        QTest::keyClick(field(name), Qt::Key_Return);
    }
    QString lastLine() {
        const QStringList all = pane()->wholeText().split(QStringLiteral("\r\n"));
        return all.value(all.size() - 2);
    }
    int lines() { return static_cast<int>(pane()->wholeText().count(QStringLiteral("\r\n"))); }
    void drag(QPoint from, QPoint to) { Drag(pane()->viewport(), from, to); }
    QString accessibleName(QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
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
        QCOMPARE(pane()->wholeText(), QStringLiteral("1.00 radians = 57°17'45\"\r\n"));
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(control<QComboBox>("cboDecimalPlaces")->currentText(), QStringLiteral("7"));
        QCOMPARE(window->SigFigs(), 6);
        QVERIFY(window->blnStartUpCompleted());
        QCOMPARE(window->pos(), QPoint(160, 72)); // an eighth and a tenth of 1280 x 720
        QCOMPARE(desktop.clipboard.writes, 0);    // the user's clipboard survives start-up
    }

    void enterReleasedInAnEntryFieldRunsItsConversion() {
        const std::pair<const char*, const char*> rows[] = {{"txbDegrees", "1°2'3\""},
                                                            {"txbMinutes", "1°2'3\""},
                                                            {"txbSeconds", "1°2'3\""},
                                                            {"txbRadians", "radians = "}};
        for (const auto& [name, expected] : rows) {
            field("txbDegrees")->setText(QStringLiteral("1"));
            field("txbMinutes")->setText(QStringLiteral("2"));
            field("txbSeconds")->setText(QStringLiteral("3"));
            const int before = lines();
            QTest::keyClick(field(name), Qt::Key_Enter); // keypad Enter, released in the field
            QCOMPARE(lines(), before + 1);
            QVERIFY2(lastLine().contains(QString::fromUtf8(expected)), name);
        }
        QCOMPARE(messages(), std::size_t(0));
    }

    void otherKeysAndTheSecondFieldConvertNothing() {
        field("txbDegrees")->setText(QStringLiteral("30"));
        QTest::keyClick(field("txbDegrees"), Qt::Key_A);
        QTest::keyClick(field("txbDegrees"), Qt::Key_Tab);
        typeAndEnter("txbToAdd", QStringLiteral("1"));
        QCOMPARE(lines(), 1);
        QCOMPARE(messages(), std::size_t(0));
    }

    void aReleaseWhosePressWentElsewhereConvertsNothing() {
        typeAndEnter("txbDegrees", QStringLiteral("abc"));
        QTest::keyRelease(field("txbDegrees"), Qt::Key_Return);
        QCOMPARE(messages(), std::size_t(1));
    }

    void answeringARealMessageBoxWithEnterClosesItForGood() {
        QtMessageSink real;
        cleanup();
        start(real);
        activate();
        int boxes = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                QTest::keyPress(box, Qt::Key_Return); // the press alone closes it
            }
        });
        closer.start(10);
        typeAndEnter("txbRadians", QStringLiteral("7"));
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QTest::keyRelease(field("txbRadians"), Qt::Key_Return);
        QTest::qWait(50);
        QCOMPARE(boxes, 1);
    }

    void enterOnAFocusedButtonClicksIt() {
        activate();
        click("cmdClear1");
        field("txbDegrees")->setText(QStringLiteral("30"));
        control("cmdChangeSign")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(sign(), QStringLiteral("-"));
        QCOMPARE(QApplication::focusWidget(), control("cmdDeg2Rad")); // moved there by the command
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(lines(), 2);
        QCOMPARE(lastLine(), QStringLiteral("-30°0'0\" = -0.52360 radians"));
    }

    void rangeMessagesPutTheCaretAtTheEndOfTheFieldAtFault() {
        field("txbRadians")->setText(QStringLiteral("6.2833"));
        field("txbRadians")->setCursorPosition(0);
        click("cmdRad2Deg");
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(field("txbRadians")->cursorPosition(), 6);
    }

    void commaModeRewritesPointsAlsoTheUserTyped() {
        pane()->moveCursor(QTextCursor::End);
        QTest::keyClicks(pane(), QStringLiteral("a.b"));
        click("cmdClear1");
        typeAndEnter("txbDegrees", QStringLiteral("12,5"));
        QCOMPARE(pane()->wholeText(), QStringLiteral("1,00 radians = 57°17'45\"\r\n"
                                                     "a,b12,5°0'0\" = 0,21817 radians\r\n"));
    }

    void clearButtons() {
        field("txbToAdd")->setText(QStringLiteral("2"));
        control<SignLabel>("lblSign")->setCaption(QStringLiteral("-"));
        click("cmdClear0");
        QCOMPARE(pane()->wholeText(), QString());
        QCOMPARE(sign(), QStringLiteral("-"));
        typeAndEnter("txbRadians", QStringLiteral("1"));
        click("cmdClear1");
        for (const char* name : {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes"}) {
            QCOMPARE(field(name)->text(), QString());
        }
        QCOMPARE(sign(), QString());
        QCOMPARE(lines(), 1);
    }

    void tabVisitsTheControlsInOrderAndEndsAtTheLink() {
        const QStringList expected = {
            "txbOutput",         "cmdQuit",          "cmdClear0",        "cmdClear1",
            "cmdHelp",           "chkShowPlusMinus", "cboDecimalPlaces", "cmdCopyOutput",
            "cmdPlusMinus2",     "cmdPlusMinus1",    "cmdPlusMinus0",    "txbToAdd",
            "chkRoundToMinutes", "cmdRad2Deg",       "txbRadians",       "chkDecimal",
            "txbSeconds",        "txbMinutes",       "txbDegrees",       "cmdChangeSign",
            "cmdDeg2Rad",        "lblCopyright",     "txbOutput"};
        activate();
        pane()->setFocus();
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
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
    // caption, the label beside it (less its colon), or the combo box's text; controls without
    // any text say what they are for.
    void accessibleNamesSayWhatIsOnScreenInEveryState() {
        const QMap<QString, QString> noText = {{"cmdPlusMinus0", "Add"},
                                               {"cmdPlusMinus1", "Subtract"},
                                               {"cmdPlusMinus2", "Move radians to second value"},
                                               {"txbToAdd", "Second value"},
                                               {"txbOutput", "Results"}};
        const auto seen = [&](QWidget* w) -> QString {
            if (noText.contains(w->objectName())) {
                return noText[w->objectName()];
            }
            if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                return button->text();
            }
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                return combo->currentText();
            }
            if (auto* label = qobject_cast<QLabel*>(w)) {
                return label->text();
            }
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->buddy() == w) {
                    return label->text().remove(QLatin1Char(':'));
                }
            }
            return QStringLiteral("(nothing on screen)");
        };
        const auto checkAll = [&] {
            for (QWidget* w = pane()->nextInFocusChain(); w != pane(); w = w->nextInFocusChain()) {
                if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) {
                    QCOMPARE(accessibleName(w), seen(w));
                }
            }
            QCOMPARE(accessibleName(pane()), QStringLiteral("Results"));
        };
        checkAll();
        drag(pane()->cursorRect(QTextCursor(pane()->document())).center(), QPoint(60, 5));
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->text(),
                 QStringLiteral("Copy selected text to clipboard"));
        checkAll();

        auto* label = control("lblSign");
        field("txbDegrees")->setText(QStringLiteral("30"));
        click("cmdChangeSign");
        QCOMPARE(accessibleName(label), QStringLiteral("Sign: minus"));
        click("cmdChangeSign");
        QCOMPARE(accessibleName(label), QStringLiteral("Sign: none"));

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
        typeAndEnter("txbRadians", QStringLiteral("1"));
        QCOMPARE(lastLine(), QStringLiteral("1.00000 radians = 57°17.75'"));
    }

    void choosingAPrecisionSetsSigFigsAndTypingChoosesNothing() {
        auto* combo = control<QComboBox>("cboDecimalPlaces");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("9"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(window->SigFigs(), 6);
        QCOMPARE(combo->count(), 4);
        control("cmdHelp")->setFocus();
        combo->setCurrentIndex(3);
        emit combo->activated(3);
        QCOMPARE(window->SigFigs(), 8);
        QCOMPARE(window->focusWidget(), field("txbRadians"));
    }

    void adderButtons() {
        field("txbRadians")->setText(QStringLiteral("1"));
        field("txbToAdd")->setText(QStringLiteral("2"));
        click("cmdPlusMinus1");
        QCOMPARE(lastLine(), QStringLiteral("(1 - 2) mod 2pi = 5.28319"));
        click("cmdPlusMinus0");
        QCOMPARE(lastLine(), QStringLiteral("(5.28319 + 2) mod 2pi = 1.00000"));
        click("cmdPlusMinus2");
        QCOMPARE(field("txbToAdd")->text(), QStringLiteral("1.00000"));
        control<QCheckBox>("chkShowPlusMinus")->setChecked(false);
        click("cmdPlusMinus0");
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1.00000"));
        QCOMPARE(lines(), 3);
    }

    void changeSignDrawsAMinusAndMovesTheFocus() {
        click("cmdChangeSign");
        QCOMPARE(sign(), QStringLiteral("-"));
        QCOMPARE(control<QLabel>("lblSign")->text(), QString(QChar(0x2212)));
        QCOMPARE(window->focusWidget(), control("cmdDeg2Rad"));
    }

    void copyButtonFollowsTheSelectionAsTheReleaseLeftIt() {
        typeAndEnter("txbRadians", QStringLiteral("2"));
        auto* copy = control<QPushButton>("cmdCopyOutput");
        const QPoint start = pane()->cursorRect(QTextCursor(pane()->document())).center();
        const QPoint secondLine = start + QPoint(40, pane()->fontMetrics().height());
        drag(start, secondLine);
        QCOMPARE(copy->width(), 207);
        QTest::mouseRelease(pane()->viewport(), Qt::RightButton, {}, start);
        QCOMPARE(copy->width(), 207);
        QString selected = pane()->textCursor().selectedText();
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, selected.replace(QChar::ParagraphSeparator, "\r\n"));
        QVERIFY(
            desktop.clipboard.text.startsWith(QStringLiteral("1.00 radians = 57°17'45\"\r\n2")));
        QCOMPARE(copy->width(), 160);

        drag(start, secondLine);
        drag(start + QPoint(20, 0), start + QPoint(20, 0)); // a click inside the selection
        QVERIFY(!pane()->textCursor().hasSelection());
        QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text.count(QStringLiteral("\r\n")), 2);
    }

    void keyboardSelectionKeepsTheCaptionButCopiesTheSelection() {
        pane()->moveCursor(QTextCursor::Start);
        QTest::keyClick(pane(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(pane(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->width(), 160);
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, QStringLiteral("1."));
    }

    void anUnavailableClipboardChangesNothing() {
        desktop.clipboard.available = false;
        pane()->selectAll();
        click("cmdCopyOutput");
        QVERIFY(pane()->textCursor().hasSelection());
        QCOMPARE(desktop.clipboard.text, QStringLiteral("copied in another program"));
    }

    void theUsersOwnEditsInThePaneCanBeUndone() {
        const QString before = pane()->wholeText();
        pane()->selectAll();
        QTest::keyClick(pane(), Qt::Key_X);
        QCOMPARE(pane()->wholeText(), QStringLiteral("x"));
        QTest::keyClick(pane(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pane()->wholeText(), before);
        typeAndEnter("txbRadians", QStringLiteral("2")); // the program's append is kept
        QTest::keyClick(pane(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(lines(), 2);
    }

    void quitAndCloseBoxEndTheProgram() {
        click("cmdQuit");
        QCOMPARE(desktop.program.ended, 1);
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
        QCOMPARE(desktop.urls.opened,
                 QStringList(3, QStringLiteral("https://orvanel.example.org/")));
        desktop.urls.code = 31;
        click("lblCopyright");
        QCOMPARE(desktop.messages.shown.at(0).title, std::string("Cannot launch web browser"));
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmMainTest>(argc, argv);
}

#include "frmMainTest.moc"
