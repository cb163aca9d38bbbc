#include "frmMain.h"
#include "Fakes.h"
#include "OutputPane.h"
#include "QtPlatform.h"
#include "SignLabel.h"
#include "TextFileSource.h"
#include "frmView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace orvanel;
using namespace orvanel::testing;

class frmMainTest : public QObject {
    Q_OBJECT

    RecordingMessages messages;
    FakeClipboard clipboard;
    FakeUrlOpener urls;
    FakeScreen screen;
    FakeProgram program;
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

    void start(MessageSink& sink) {
        viewer = std::make_unique<frmView>(files, sink, clipboard);
        window = std::make_unique<frmMain>(
            frmMain::Services{sink, clipboard, urls, screen, program, *viewer, NumberFormat{},
                              QStringLiteral("/nonexistent/orvanel_help.txt")});
        window->Form_Load();
    }

    void enterDms(const QString& d, const QString& m, const QString& s, const char* enterIn) {
        field("txbDegrees")->setText(d);
        field("txbMinutes")->setText(m);
        field("txbSeconds")->setText(s);
        QTest::keyClick(field(enterIn), Qt::Key_Return);
    }

    void typeAndEnter(const char* name, const QString& text) {
        QLineEdit* f = field(name);
        f->setText(text);
        QTest::keyClick(f, Qt::Key_Return);
    }

    QString lastLine() {
        const QStringList lines = pane()->wholeText().split(QStringLiteral("\r\n"));
        return lines.size() >= 2 ? lines[lines.size() - 2] : QString();
    }

  private slots:
    void init() {
        messages.shown.clear();
        clipboard = FakeClipboard{};
        urls = FakeUrlOpener{};
        program = FakeProgram{};
        start(messages);
    }
    void cleanup() {
        window.reset();
        viewer.reset();
    }

    void startUpState() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Orvanel 5.54"));
        QCOMPARE(pane()->wholeText(), QStringLiteral("1.00 radians = 57°17'45\"\r\n"));
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1.00"));
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(control<QComboBox>("cboDecimalPlaces")->currentText(), QStringLiteral("7"));
        QCOMPARE(window->SigFigs(), 6);
        QVERIFY(window->blnStartUpCompleted());
        QCOMPARE(sign(), QString());
        QCOMPARE(window->pos(), QPoint(160, 72));
        QVERIFY(!control<QCheckBox>("chkDecimal")->isChecked());
        QVERIFY(control<QCheckBox>("chkDecimal")->isEnabled());
        QVERIFY(!control<QCheckBox>("chkRoundToMinutes")->isChecked());
        QVERIFY(control<QCheckBox>("chkShowPlusMinus")->isChecked());
        QVERIFY(control<QRadioButton>("optDecDegrees")->isChecked());
        QVERIFY(!control<QRadioButton>("optDecDegrees")->isEnabled());
        QVERIFY(!control<QRadioButton>("optDecMinutes")->isEnabled());
        QCOMPARE(control<QPushButton>("cmdPlusMinus1")->text(), QString(QChar(0x2212)));
        QCOMPARE(control<QPushButton>("cmdPlusMinus2")->text(), QString(QChar(0x2192)));
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->text(),
                 QStringLiteral("Copy to clipboard"));
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->width(), 160);
        // the user's clipboard survives start-up
        QCOMPARE(clipboard.writes, 0);
        QCOMPARE(clipboard.text, QStringLiteral("copied in another program"));
    }

    void startUpLooks() {
        const QColor teal(0, 128, 128);
        QCOMPARE(window->palette().color(QPalette::Window), teal);
        QCOMPARE(control<QLabel>("Label1")->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
        QCOMPARE(control<QCheckBox>("chkDecimal")->palette().color(QPalette::Button), teal);
        QCOMPARE(control<QLabel>("lblCopyright")->palette().color(QPalette::WindowText),
                 QColor(110, 173, 216));
        QCOMPARE(control<QLabel>("lblCopyright")->font().pointSize(), 8);
        QVERIFY(control<QLabel>("lblCopyright")->font().underline());
        QCOMPARE(control<QLabel>("Label1")->font().family(), QStringLiteral("Arial"));
        QCOMPARE(control<QLabel>("Label1")->font().pointSize(), 10);
        QCOMPARE(control<QPushButton>("cmdDeg2Rad")->font().family(), QStringLiteral("Arial"));
        QCOMPARE(field("txbRadians")->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(field("txbRadians")->font().pointSize(), 10);
        QCOMPARE(pane()->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(pane()->font().pointSize(), 8);
        QCOMPARE(control<QPushButton>("cmdPlusMinus0")->font().pointSize(), 12);
        QVERIFY(control<QPushButton>("cmdPlusMinus0")->font().bold());
        QVERIFY(control<SignLabel>("lblSign")->font().bold());
        QCOMPARE(window->size(), QSize(797, 271));
    }

    void controlsHaveTheirLimitsAndPlaces() {
        QCOMPARE(field("txbDegrees")->maxLength(), 8);
        QCOMPARE(field("txbMinutes")->maxLength(), 5);
        QCOMPARE(field("txbSeconds")->maxLength(), 5);
        QCOMPARE(field("txbRadians")->maxLength(), 13);
        QCOMPARE(field("txbToAdd")->maxLength(), 13);
        QCOMPARE(field("txbRadians")->geometry(), QRect(70, 15, 107, 24));
        QCOMPARE(pane()->geometry(), QRect(448, 40, 337, 217));
        // a click on the part of a field that a label overlaps reaches the field
        QWidget* frame = control("Frame2");
        const QPoint onMinutes = field("txbMinutes")->geometry().topLeft() + QPoint(3, 10);
        QCOMPARE(frame->childAt(onMinutes), field("txbMinutes"));
    }

    void enterInDegreesConverts() {
        enterDms(QStringLiteral("30"), {}, {}, "txbDegrees");
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("0.52360"));
        QCOMPARE(lastLine(), QStringLiteral("30°0'0\" = 0.52360 radians"));
        QCOMPARE(field("txbMinutes")->text(), QStringLiteral("0"));
        QVERIFY(messages.shown.empty());
    }

    void enterInMinutesConvertsWithEmptyDegrees() {
        enterDms({}, QStringLiteral("30"), {}, "txbMinutes");
        QCOMPARE(lastLine(), QStringLiteral("0°30'0\" = 0.00873 radians"));
    }

    void otherKeysAndTheSecondFieldConvertNothing() {
        const QString before = pane()->wholeText();
        field("txbDegrees")->setText(QStringLiteral("30"));
        QTest::keyClick(field("txbDegrees"), Qt::Key_Tab);
        QTest::keyClick(field("txbDegrees"), Qt::Key_A);
        field("txbToAdd")->setText(QStringLiteral("1"));
        QTest::keyClick(field("txbToAdd"), Qt::Key_Return);
        QCOMPARE(pane()->wholeText(), before);
    }

    void enterInRadiansConverts() {
        typeAndEnter("txbRadians", QStringLiteral("-1"));
        QCOMPARE(lastLine(), QStringLiteral("-1.00000 radians = -57°17'45\""));
        QCOMPARE(sign(), QStringLiteral("-"));
        QCOMPARE(field("txbDegrees")->text(), QStringLiteral("57"));
    }

    void aReleaseWhosePressWentElsewhereConvertsNothing() {
        typeAndEnter("txbDegrees", QStringLiteral("abc"));
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].text,
                 std::string("Invalid input for degrees, minutes or seconds."));
        QCOMPARE(messages.shown[0].style, MessageStyle::Exclamation);
        // The press closed the message box; only its release reaches the field.
        QTest::keyRelease(field("txbDegrees"), Qt::Key_Return);
        QCOMPARE(messages.shown.size(), std::size_t(1));
    }

    void answeringARealMessageBoxWithEnterClosesItForGood() {
        QtMessageSink real;
        cleanup();
        start(real);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        int boxes = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                QTest::keyPress(box, Qt::Key_Return); // the press alone closes it
            }
        });
        closer.start(10);
        field("txbRadians")->setText(QStringLiteral("7"));
        QTest::keyClick(field("txbRadians"), Qt::Key_Return);
        QCOMPARE(boxes, 1);
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QTest::keyRelease(field("txbRadians"), Qt::Key_Return);
        QTest::qWait(50);
        QCOMPARE(boxes, 1);
    }

    void rangeMessagePutsTheCaretAtTheEndOfTheField() {
        field("txbRadians")->setText(QStringLiteral("6.2833"));
        field("txbRadians")->setCursorPosition(0);
        QTest::mouseClick(control("cmdRad2Deg"), Qt::LeftButton);
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0], (Message{"Radians out of range", "Radians to degrees",
                                             MessageStyle::Information}));
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(field("txbRadians")->cursorPosition(), 6);
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("6.2833"));
    }

    void degreeRangeMessageFocusesTheFieldAtFault() {
        field("txbDegrees")->setText(QStringLiteral("10"));
        field("txbMinutes")->setText(QStringLiteral("60"));
        QTest::mouseClick(control("cmdDeg2Rad"), Qt::LeftButton);
        QCOMPARE(messages.shown.at(0).text, std::string("Minutes out of range"));
        QCOMPARE(window->focusWidget(), field("txbMinutes"));
    }

    void commaModeRewritesThePane() {
        enterDms(QStringLiteral("12,5"), {}, {}, "txbSeconds");
        QCOMPARE(pane()->wholeText(), QStringLiteral("1,00 radians = 57°17'45\"\r\n"
                                                     "12,5°0'0\" = 0,21817 radians\r\n"));
    }

    void commaModeFindsPointsTheUserTypedOrDeleted() {
        QTest::mouseClick(control("cmdClear0"), Qt::LeftButton);
        enterDms(QStringLiteral("1,5"), {}, {}, "txbDegrees"); // pane has no point now
        pane()->moveCursor(QTextCursor::End);
        QTest::keyClicks(pane(), QStringLiteral("a.b"));
        enterDms(QStringLiteral("2,5"), {}, {}, "txbDegrees");
        QVERIFY(!pane()->wholeText().contains(QLatin1Char('.')));
        QVERIFY(pane()->wholeText().contains(QStringLiteral("a,b")));
    }

    void clearButtons() {
        field("txbToAdd")->setText(QStringLiteral("2"));
        control<SignLabel>("lblSign")->setCaption(QStringLiteral("-"));
        QTest::mouseClick(control("cmdClear0"), Qt::LeftButton);
        QCOMPARE(pane()->wholeText(), QString());
        QCOMPARE(field("txbDegrees")->text(), QStringLiteral("57"));
        QCOMPARE(sign(), QStringLiteral("-"));
        typeAndEnter("txbRadians", QStringLiteral("1"));
        QCOMPARE(pane()->wholeText(), QStringLiteral("1.00000 radians = 57°17'45\"\r\n"));
        QTest::mouseClick(control("cmdClear1"), Qt::LeftButton);
        for (const char* name :
             {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes", "txbSeconds"}) {
            QCOMPARE(field(name)->text(), QString());
        }
        QCOMPARE(sign(), QString());
        QVERIFY(!pane()->wholeText().isEmpty());
        QCOMPARE(window->SigFigs(), 6);
    }

    void tabVisitsTheControlsInOrder() {
        const QStringList expected = {
            "txbOutput",         "cmdQuit",          "cmdClear0",        "cmdClear1",
            "cmdHelp",           "chkShowPlusMinus", "cboDecimalPlaces", "cmdCopyOutput",
            "cmdPlusMinus2",     "cmdPlusMinus1",    "cmdPlusMinus0",    "txbToAdd",
            "chkRoundToMinutes", "cmdRad2Deg",       "txbRadians",       "chkDecimal",
            "txbSeconds",        "txbMinutes",       "txbDegrees",       "cmdChangeSign",
            "cmdDeg2Rad",        "txbOutput"};
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        pane()->setFocus();
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // the combo box's editor stands for the combo box
            while (focus && focus->objectName().isEmpty()) {
                focus = focus->parentWidget();
            }
            visited << (focus ? focus->objectName() : QStringLiteral("?"));
        }
        QCOMPARE(visited, expected);
    }

    // The two option buttons form one group: Tab enters it, the arrow keys move inside it.
    void tabEntersTheOptionGroupWhileEnabled() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(control("chkDecimal"), Qt::LeftButton);
        control("cmdCopyOutput")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("optDecMinutes"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), control("optDecDegrees"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), control("optDecMinutes"));
        QVERIFY(control<QRadioButton>("optDecMinutes")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("cmdPlusMinus2"));
    }

    void everyFocusableControlHasAnAccessibleName() {
        const QStringList expected = {"Results",
                                      "Quit",
                                      "Clear output",
                                      "Clear input",
                                      "Help",
                                      "Show +/- results",
                                      "Significant figures",
                                      "Copy to clipboard",
                                      "minutes",
                                      "degrees",
                                      "Move radians to second value",
                                      "Subtract",
                                      "Add",
                                      "Second value",
                                      "Round to minutes",
                                      "Radians to degrees",
                                      "Radians",
                                      "Output in decimal",
                                      "seconds",
                                      "minutes",
                                      "Degrees",
                                      "Change sign",
                                      "Degrees to radians"};
        QStringList names;
        QWidget* start = pane();
        QWidget* w = start;
        do {
            if (w->window() == window.get() && (w->focusPolicy() & Qt::TabFocus) &&
                !w->objectName().isEmpty()) {
                names << w->accessibleName();
            }
            w = w->nextInFocusChain();
        } while (w != start);
        QCOMPARE(names, expected);
        QVERIFY(!pane()->accessibleDescription().isEmpty());
    }

    void optionControlsEnableEachOther() {
        auto* decimal = control<QCheckBox>("chkDecimal");
        auto* minutes = control<QCheckBox>("chkRoundToMinutes");
        auto* optDegrees = control<QRadioButton>("optDecDegrees");
        auto* optMinutes = control<QRadioButton>("optDecMinutes");
        QTest::mouseClick(decimal, Qt::LeftButton);
        QVERIFY(!minutes->isEnabled());
        QVERIFY(optDegrees->isEnabled() && optMinutes->isEnabled());
        QCOMPARE(window->focusWidget(), control("cmdRad2Deg"));
        QTest::mouseClick(optMinutes, Qt::LeftButton);
        QTest::mouseClick(decimal, Qt::LeftButton);
        QVERIFY(minutes->isEnabled());
        QVERIFY(!optDegrees->isEnabled() && !optMinutes->isEnabled());
        QVERIFY(optMinutes->isChecked());
        QTest::mouseClick(minutes, Qt::LeftButton);
        QVERIFY(!decimal->isEnabled());
        QVERIFY(!optDegrees->isEnabled());
        QTest::mouseClick(minutes, Qt::LeftButton);
        QVERIFY(decimal->isEnabled());
        QTest::mouseClick(decimal, Qt::LeftButton);
        QVERIFY(optMinutes->isChecked());
        typeAndEnter("txbRadians", QStringLiteral("1"));
        QCOMPARE(lastLine(), QStringLiteral("1.00000 radians = 57°17.75'"));
    }

    void choosingNineShowsSevenDecimals() {
        auto* combo = control<QComboBox>("cboDecimalPlaces");
        field("txbRadians")->setText(QStringLiteral("1"));
        control("cmdHelp")->setFocus();
        combo->setCurrentIndex(3);
        emit combo->activated(3);
        QCOMPARE(window->SigFigs(), 8);
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(field("txbRadians")->cursorPosition(), 1);
        QTest::mouseClick(control("cmdRad2Deg"), Qt::LeftButton);
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1.0000000"));
    }

    void typingInThePrecisionListChoosesNothing() {
        auto* combo = control<QComboBox>("cboDecimalPlaces");
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("9"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(window->SigFigs(), 6);
        QCOMPARE(combo->count(), 4);
    }

    void adderButtons() {
        field("txbRadians")->setText(QStringLiteral("3"));
        field("txbToAdd")->setText(QStringLiteral("4"));
        QTest::mouseClick(control("cmdPlusMinus0"), Qt::LeftButton);
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("0.71681"));
        QCOMPARE(lastLine(), QStringLiteral("(3 + 4) mod 2pi = 0.71681"));
        QCOMPARE(window->focusWidget(), control("cmdPlusMinus0"));

        field("txbToAdd")->setText(QStringLiteral("2"));
        field("txbRadians")->setText(QStringLiteral("1"));
        QTest::mouseClick(control("cmdPlusMinus1"), Qt::LeftButton);
        QCOMPARE(lastLine(), QStringLiteral("(1 - 2) mod 2pi = 5.28319"));

        QTest::mouseClick(control("cmdPlusMinus2"), Qt::LeftButton);
        QCOMPARE(field("txbToAdd")->text(), QStringLiteral("5.28319"));
        QCOMPARE(field("txbRadians")->text(), QString());

        control<QCheckBox>("chkShowPlusMinus")->setChecked(false);
        const QString before = pane()->wholeText();
        QTest::mouseClick(control("cmdPlusMinus0"), Qt::LeftButton);
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("5.28319"));
        QCOMPARE(pane()->wholeText(), before);
    }

    void secondValueOutOfRange() {
        field("txbRadians")->setText(QStringLiteral("1.000001"));
        field("txbToAdd")->setText(QStringLiteral("-7"));
        QTest::mouseClick(control("cmdPlusMinus1"), Qt::LeftButton);
        QCOMPARE(messages.shown.at(0),
                 (Message{"Second value out of range", "Subtract'", MessageStyle::Information}));
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1"));
        QCOMPARE(window->focusWidget(), field("txbToAdd"));
        QCOMPARE(field("txbToAdd")->cursorPosition(), 2);
    }

    void changeSign() {
        QTest::mouseClick(control("cmdChangeSign"), Qt::LeftButton);
        QCOMPARE(sign(), QStringLiteral("-"));
        QCOMPARE(control<QLabel>("lblSign")->text(), QString(QChar(0x2212)));
        QCOMPARE(window->focusWidget(), control("cmdDeg2Rad"));
        QTest::mouseClick(control("cmdChangeSign"), Qt::LeftButton);
        QCOMPARE(sign(), QString());
        control("cmdDeg2Rad")->setEnabled(false);
        for (const char* name : {"txbDegrees", "txbMinutes", "txbSeconds"}) {
            field(name)->setText(QStringLiteral("  "));
        }
        control<SignLabel>("lblSign")->setCaption(QStringLiteral("-"));
        control("cmdChangeSign")->setFocus();
        QTest::mouseClick(control("cmdChangeSign"), Qt::LeftButton);
        QCOMPARE(sign(), QString());
        QCOMPARE(field("txbDegrees")->text(), QString());
        QCOMPARE(window->focusWidget(), control("cmdChangeSign"));
    }

    void copyWholePane() {
        QTest::mouseClick(control("cmdCopyOutput"), Qt::LeftButton);
        QCOMPARE(clipboard.text, QStringLiteral("1.00 radians = 57°17'45\"\r\n"));
        QTest::mouseClick(control("cmdClear0"), Qt::LeftButton);
        QTest::mouseClick(control("cmdCopyOutput"), Qt::LeftButton);
        QCOMPARE(clipboard.text, QString());
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->text(),
                 QStringLiteral("Copy to clipboard"));
    }

    void mouseSelectionChangesTheCopyButton() {
        auto* copy = control<QPushButton>("cmdCopyOutput");
        // double-click selects the word "radians"
        const QRect word = pane()->cursorRect(pane()->document()->find(QStringLiteral("radians")));
        QTest::mouseDClick(pane()->viewport(), Qt::LeftButton, {}, word.center() + QPoint(4, 0));
        QTest::mouseRelease(pane()->viewport(), Qt::LeftButton, {}, word.center() + QPoint(4, 0));
        QVERIFY(pane()->textCursor().hasSelection());
        QCOMPARE(copy->text(), QStringLiteral("Copy selected text to clipboard"));
        QCOMPARE(copy->width(), 207);
        QTest::mouseRelease(pane()->viewport(), Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(copy->text(), QStringLiteral("Copy selected text to clipboard"));
        const QString selected = pane()->textCursor().selectedText();
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(clipboard.text, selected);
        QVERIFY(!pane()->textCursor().hasSelection());
        QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
        QCOMPARE(copy->width(), 160);
    }

    void keyboardSelectionKeepsTheCaptionButCopiesTheSelection() {
        pane()->moveCursor(QTextCursor::Start);
        pane()->setFocus();
        QTest::keyClick(pane(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(pane(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->text(),
                 QStringLiteral("Copy to clipboard"));
        QTest::mouseClick(control("cmdCopyOutput"), Qt::LeftButton);
        QCOMPARE(clipboard.text, QStringLiteral("1."));
    }

    void aConversionAfterASelectionCopiesTheWholePane() {
        QTextCursor cursor = pane()->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        pane()->setTextCursor(cursor);
        typeAndEnter("txbRadians", QStringLiteral("2"));
        QVERIFY(!pane()->textCursor().hasSelection());
        QTest::mouseClick(control("cmdCopyOutput"), Qt::LeftButton);
        QCOMPARE(clipboard.text.count(QStringLiteral("\r\n")), 2);
    }

    void anUnavailableClipboardChangesNothing() {
        clipboard.available = false;
        QTextCursor cursor = pane()->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        pane()->setTextCursor(cursor);
        QTest::mouseClick(control("cmdCopyOutput"), Qt::LeftButton);
        QVERIFY(pane()->textCursor().hasSelection());
        QCOMPARE(clipboard.text, QStringLiteral("copied in another program"));
    }

    void quitAndCloseBoxEndTheProgram() {
        QTest::mouseClick(control("cmdQuit"), Qt::LeftButton);
        QCOMPARE(program.ended, 1);
        QVERIFY(!window->isVisible());
        window->show();
        window->close();
        QCOMPARE(program.ended, 2);
    }

    void publisherLink() {
        QTest::mouseClick(control("lblCopyright"), Qt::LeftButton);
        QCOMPARE(urls.opened, QStringList{QStringLiteral("https://orvanel.example.org/")});
        QVERIFY(messages.shown.empty());
        urls.code = 31;
        QTest::mouseClick(control("lblCopyright"), Qt::LeftButton);
        QCOMPARE(
            messages.shown.at(0).text,
            std::string("Error launching web browser, error code = 31.\r\n\r\n"
                        "File extension 'org/' is not associated with any application program."));
        QCOMPARE(messages.shown.at(0).title, std::string("Cannot launch web browser"));
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<frmMainTest>(argc, argv);
}

#include "frmMainTest.moc"
