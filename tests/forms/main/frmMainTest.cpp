// The main window's wiring: which event runs which command, where the focus goes, what the
// pane and the clipboard receive. The results themselves are the engine tests' business.
#include "Fakes.h"
#include "OutputPane.h"
#include "QtPlatform.h"
#include "SignLabel.h"
#include "TextFileSource.h"
#include "frmMain.h"
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

    FakeDesktop desktop;
    DiskTextFileSource files;
    std::unique_ptr<frmView> viewer;
    std::unique_ptr<frmMain> window;

    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    OutputPane* pane() { return control<OutputPane>("txbOutput"); }
    QString sign() { return control<SignLabel>("lblSign")->caption(); }
    const std::vector<Message>& messages() const { return desktop.messages.shown; }
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
    void enterDms(const QString& d, const QString& m, const QString& s, const char* enterIn) {
        field("txbDegrees")->setText(d);
        field("txbMinutes")->setText(m);
        field("txbSeconds")->setText(s);
        QTest::keyClick(field(enterIn), Qt::Key_Return);
    }
    void typeAndEnter(const char* name, const QString& text) {
        field(name)->setText(text);
        QTest::keyClick(field(name), Qt::Key_Return);
    }
    QString lastLine() {
        const QStringList lines = pane()->wholeText().split(QStringLiteral("\r\n"));
        return lines.size() >= 2 ? lines[lines.size() - 2] : QString();
    }
    void selectInPane(int from, int to) {
        QTextCursor cursor = pane()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        pane()->setTextCursor(cursor);
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

    void startUpState() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Orvanel 5.54"));
        QCOMPARE(pane()->wholeText(), QStringLiteral("1.00 radians = 57°17'45\"\r\n"));
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1.00"));
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(control<QComboBox>("cboDecimalPlaces")->currentText(), QStringLiteral("7"));
        QCOMPARE(window->SigFigs(), 6);
        QVERIFY(window->blnStartUpCompleted());
        QCOMPARE(sign(), QString());
        QCOMPARE(window->pos(), QPoint(160, 72)); // an eighth and a tenth of 1280 x 720
        QVERIFY(!control<QCheckBox>("chkDecimal")->isChecked());
        QVERIFY(!control<QCheckBox>("chkRoundToMinutes")->isChecked());
        QVERIFY(control<QCheckBox>("chkShowPlusMinus")->isChecked());
        QVERIFY(control<QRadioButton>("optDecDegrees")->isChecked());
        QVERIFY(!control<QRadioButton>("optDecDegrees")->isEnabled());
        QVERIFY(!control<QRadioButton>("optDecMinutes")->isEnabled());
        QCOMPARE(control<QPushButton>("cmdPlusMinus1")->text(), QString(QChar(0x2212)));
        QCOMPARE(control<QPushButton>("cmdPlusMinus2")->text(), QString(QChar(0x2192)));
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->width(), 160);
        QCOMPARE(desktop.clipboard.writes, 0); // the user's clipboard survives start-up
    }

    void startUpLooks() {
        const QColor teal(0, 128, 128);
        QCOMPARE(window->palette().color(QPalette::Window), teal);
        QCOMPARE(control<QCheckBox>("chkDecimal")->palette().color(QPalette::Button), teal);
        QCOMPARE(control("Label1")->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(control("lblCopyright")->palette().color(QPalette::WindowText),
                 QColor(110, 173, 216));
        QCOMPARE(control("lblCopyright")->font().pointSize(), 8);
        QCOMPARE(control("Label1")->font(), QFont(QStringLiteral("Arial"), 10));
        QCOMPARE(control("cmdDeg2Rad")->font().family(), QStringLiteral("Arial"));
        QCOMPARE(field("txbRadians")->font(), QFont(QStringLiteral("Courier New"), 10));
        QCOMPARE(pane()->font(), QFont(QStringLiteral("Courier New"), 8));
        QCOMPARE(control("cmdPlusMinus0")->font().pointSize(), 12);
        QCOMPARE(window->size(), QSize(797, 271));
    }

    void fieldsHaveTheirLimitsAndStayAboveTheirLabels() {
        const std::pair<const char*, int> limits[] = {{"txbDegrees", 8}, {"txbMinutes", 5},
                                                      {"txbSeconds", 5}, {"txbRadians", 13},
                                                      {"txbToAdd", 13}};
        for (const auto& [name, limit] : limits) {
            QCOMPARE(field(name)->maxLength(), limit);
        }
        const QPoint onMinutes = field("txbMinutes")->geometry().topLeft() + QPoint(3, 10);
        QCOMPARE(control("Frame2")->childAt(onMinutes), field("txbMinutes"));
    }

    void enterInEachDmsFieldConverts() {
        for (const char* name : {"txbDegrees", "txbMinutes", "txbSeconds"}) {
            enterDms({}, QStringLiteral("30"), {}, name);
            QCOMPARE(lastLine(), QStringLiteral("0°30'0\" = 0.00873 radians"));
        }
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("0.00873"));
        QVERIFY(messages().empty());
    }

    void otherKeysAndTheSecondFieldConvertNothing() {
        const QString before = pane()->wholeText();
        field("txbDegrees")->setText(QStringLiteral("30"));
        QTest::keyClick(field("txbDegrees"), Qt::Key_A);
        typeAndEnter("txbToAdd", QStringLiteral("1"));
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
        QCOMPARE(messages().size(), std::size_t(1));
        QCOMPARE(messages()[0].style, MessageStyle::Exclamation);
        // The press closed the message box; only its release reaches the field.
        QTest::keyRelease(field("txbDegrees"), Qt::Key_Return);
        QCOMPARE(messages().size(), std::size_t(1));
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
        QCOMPARE(boxes, 1);
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QTest::keyRelease(field("txbRadians"), Qt::Key_Return);
        QTest::qWait(50);
        QCOMPARE(boxes, 1);
    }

    void rangeMessagesPutTheCaretAtTheEndOfTheFieldAtFault() {
        field("txbRadians")->setText(QStringLiteral("6.2833"));
        field("txbRadians")->setCursorPosition(0);
        click("cmdRad2Deg");
        QCOMPARE(messages().at(0),
                 (Message{"Radians out of range", "Radians to degrees", MessageStyle::Information}));
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(field("txbRadians")->cursorPosition(), 6);
        enterDms(QStringLiteral("10"), QStringLiteral("60"), {}, "txbSeconds");
        QCOMPARE(window->focusWidget(), field("txbMinutes"));
    }

    void commaModeRewritesPointsAlsoTheUserTyped() {
        enterDms(QStringLiteral("12,5"), {}, {}, "txbDegrees");
        QCOMPARE(pane()->wholeText(), QStringLiteral("1,00 radians = 57°17'45\"\r\n"
                                                     "12,5°0'0\" = 0,21817 radians\r\n"));
        pane()->moveCursor(QTextCursor::End);
        QTest::keyClicks(pane(), QStringLiteral("a.b"));
        enterDms(QStringLiteral("2,5"), {}, {}, "txbDegrees");
        QVERIFY(pane()->wholeText().contains(QStringLiteral("a,b")));
    }

    void clearButtons() {
        field("txbToAdd")->setText(QStringLiteral("2"));
        control<SignLabel>("lblSign")->setCaption(QStringLiteral("-"));
        click("cmdClear0");
        QCOMPARE(pane()->wholeText(), QString());
        QCOMPARE(sign(), QStringLiteral("-"));
        typeAndEnter("txbRadians", QStringLiteral("1"));
        QCOMPARE(pane()->wholeText(), QStringLiteral("1.00000 radians = 57°17'45\"\r\n"));
        click("cmdClear1");
        for (const char* name : {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes"}) {
            QCOMPARE(field(name)->text(), QString());
        }
        QCOMPARE(sign(), QString());
        QVERIFY(!pane()->wholeText().isEmpty());
    }

    void tabVisitsTheControlsInOrder() {
        const QStringList expected = {
            "txbOutput",  "cmdQuit",       "cmdClear0",     "cmdClear1",        "cmdHelp",
            "chkShowPlusMinus", "cboDecimalPlaces", "cmdCopyOutput", "cmdPlusMinus2",
            "cmdPlusMinus1", "cmdPlusMinus0", "txbToAdd",   "chkRoundToMinutes", "cmdRad2Deg",
            "txbRadians", "chkDecimal",    "txbSeconds",    "txbMinutes",       "txbDegrees",
            "cmdChangeSign", "cmdDeg2Rad", "txbOutput"};
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

    // The two option buttons form one group: Tab enters it, the arrow keys move inside it.
    void tabEntersTheOptionGroupWhileEnabled() {
        activate();
        click("chkDecimal");
        control("cmdCopyOutput")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("optDecMinutes"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), control("optDecDegrees"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(control<QRadioButton>("optDecMinutes")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("cmdPlusMinus2"));
    }

    void everyFocusableControlHasAnAccessibleName() {
        const QStringList expected = {
            "Results", "Quit", "Clear output", "Clear input", "Help", "Show +/- results",
            "Significant figures", "Copy to clipboard", "minutes", "degrees",
            "Move radians to second value", "Subtract", "Add", "Second value", "Round to minutes",
            "Radians to degrees", "Radians", "Output in decimal", "seconds", "minutes", "Degrees",
            "Change sign", "Degrees to radians"};
        QStringList names;
        QWidget* w = pane();
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) {
                names << w->accessibleName();
            }
            w = w->nextInFocusChain();
        } while (w != pane());
        QCOMPARE(names, expected);
        QVERIFY(!pane()->accessibleDescription().isEmpty());
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

    void choosingNineShowsSevenDecimals() {
        auto* combo = control<QComboBox>("cboDecimalPlaces");
        field("txbRadians")->setText(QStringLiteral("1"));
        control("cmdHelp")->setFocus();
        combo->setCurrentIndex(3);
        emit combo->activated(3);
        QCOMPARE(window->SigFigs(), 8);
        QCOMPARE(window->focusWidget(), field("txbRadians"));
        QCOMPARE(field("txbRadians")->cursorPosition(), 1);
        click("cmdRad2Deg");
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1.0000000"));
    }

    void typingInThePrecisionListChoosesNothing() {
        auto* combo = control<QComboBox>("cboDecimalPlaces");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("9"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(window->SigFigs(), 6);
        QCOMPARE(combo->count(), 4);
    }

    void adderButtons() {
        field("txbRadians")->setText(QStringLiteral("1"));
        field("txbToAdd")->setText(QStringLiteral("2"));
        click("cmdPlusMinus1");
        QCOMPARE(lastLine(), QStringLiteral("(1 - 2) mod 2pi = 5.28319"));
        QCOMPARE(window->focusWidget(), control("cmdPlusMinus1"));
        click("cmdPlusMinus0");
        QCOMPARE(lastLine(), QStringLiteral("(5.28319 + 2) mod 2pi = 1.00000"));
        click("cmdPlusMinus2");
        QCOMPARE(field("txbToAdd")->text(), QStringLiteral("1.00000"));
        QCOMPARE(field("txbRadians")->text(), QString());
        control<QCheckBox>("chkShowPlusMinus")->setChecked(false);
        const QString before = pane()->wholeText();
        click("cmdPlusMinus0");
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1.00000"));
        QCOMPARE(pane()->wholeText(), before);
    }

    void secondValueOutOfRangeFocusesIt() {
        field("txbRadians")->setText(QStringLiteral("1.000001"));
        field("txbToAdd")->setText(QStringLiteral("-7"));
        click("cmdPlusMinus1");
        QCOMPARE(messages().at(0).title, std::string("Subtract'"));
        QCOMPARE(field("txbRadians")->text(), QStringLiteral("1"));
        QCOMPARE(window->focusWidget(), field("txbToAdd"));
        QCOMPARE(field("txbToAdd")->cursorPosition(), 2);
    }

    void changeSign() {
        click("cmdChangeSign");
        QCOMPARE(sign(), QStringLiteral("-"));
        QCOMPARE(control<QLabel>("lblSign")->text(), QString(QChar(0x2212)));
        QCOMPARE(window->focusWidget(), control("cmdDeg2Rad"));
        control("cmdDeg2Rad")->setEnabled(false);
        control("cmdChangeSign")->setFocus();
        click("cmdChangeSign");
        QCOMPARE(sign(), QString());
        QCOMPARE(window->focusWidget(), control("cmdChangeSign"));
    }

    void copyTakesTheWholePaneWithItsLineEnds() {
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, QStringLiteral("1.00 radians = 57°17'45\"\r\n"));
        click("cmdClear0");
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, QString());
    }

    void mouseSelectionChangesTheCopyButton() {
        auto* copy = control<QPushButton>("cmdCopyOutput");
        const QTextCursor word = pane()->document()->find(QStringLiteral("radians"));
        const QPoint at = pane()->cursorRect(word).center() + QPoint(4, 0);
        QTest::mouseDClick(pane()->viewport(), Qt::LeftButton, {}, at); // selects the word
        QTest::mouseRelease(pane()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(copy->text(), QStringLiteral("Copy selected text to clipboard"));
        QCOMPARE(copy->width(), 207);
        QTest::mouseRelease(pane()->viewport(), Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(copy->width(), 207);
        const QString selected = pane()->textCursor().selectedText();
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, selected);
        QVERIFY(!pane()->textCursor().hasSelection());
        QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
        QCOMPARE(copy->width(), 160);
    }

    void keyboardSelectionKeepsTheCaptionButCopiesTheSelection() {
        pane()->moveCursor(QTextCursor::Start);
        QTest::keyClick(pane(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(pane(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(control<QPushButton>("cmdCopyOutput")->text(), QStringLiteral("Copy to clipboard"));
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text, QStringLiteral("1."));
    }

    void aConversionEndsTheSelection() {
        selectInPane(0, 4);
        typeAndEnter("txbRadians", QStringLiteral("2"));
        click("cmdCopyOutput");
        QCOMPARE(desktop.clipboard.text.count(QStringLiteral("\r\n")), 2);
    }

    void anUnavailableClipboardChangesNothing() {
        desktop.clipboard.available = false;
        selectInPane(0, 4);
        click("cmdCopyOutput");
        QVERIFY(pane()->textCursor().hasSelection());
        QCOMPARE(desktop.clipboard.text, QStringLiteral("copied in another program"));
    }

    void quitAndCloseBoxEndTheProgram() {
        click("cmdQuit");
        QCOMPARE(desktop.program.ended, 1);
        QVERIFY(!window->isVisible());
        window->show();
        window->close();
        QCOMPARE(desktop.program.ended, 2);
    }

    void publisherLinkOpensTheSecurePage() {
        desktop.urls.code = 31;
        click("lblCopyright");
        QCOMPARE(desktop.urls.opened, QStringList{QStringLiteral("https://orvanel.example.org/")});
        QCOMPARE(messages().at(0).title, std::string("Cannot launch web browser"));
    }
};

int main(int argc, char** argv) { return RunWindowTests<frmMainTest>(argc, argv); }

#include "frmMainTest.moc"
