#include "frmMain.h"

#include "Controls.h"
#include "HelpCommand.h"
#include "MainControls.h"
#include "OutputPane.h"
#include "ProductConstants.h"
#include "SignLabel.h"
#include "Tessaly_common.h"
#include "weblink.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace orvanel {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

window::Input Click(std::string_view control) {
    return {control, window::Gesture::Click};
}

} // namespace

// ---- Start-up and shut-down ----

void frmMain::Form_Load() {
    for (int figures = kFewestFigures; figures <= kMostFigures; ++figures) {
        cboDecimalPlaces->addItem(QString::number(figures));
    }
    cboDecimalPlaces->setCurrentIndex(-1);
    setWindowTitle(Q(window::Title()));
    const QSize screen = m_services.screen.size();
    move(static_cast<int>(static_cast<float>(screen.width()) / 8),
         static_cast<int>(static_cast<float>(screen.height()) / 10));

    SetFormBackColor(this, kWindowColour);
    SetFormForeColor(this, kWhite);
    SetFormFontSize(this, 10);
    QFont notice = lblCopyright->font();
    notice.setPointSize(8);
    lblCopyright->setFont(notice);
    SetFormFontName(this, QStringLiteral("Arial"), false, true);
    QPalette link = lblCopyright->palette();
    link.setColor(QPalette::WindowText, ColorFromBgr(kLinkColour));
    lblCopyright->setPalette(link);
    QFont pane = txbOutput->font();
    pane.setPointSize(8);
    txbOutput->setFont(pane);

    // Faces of the adder buttons: plus, a true minus and a rightwards arrow, as Unicode
    // characters. The symbol-encoded "Symbol" fonts of this platform cannot draw the last two,
    // so the faces stay in the window's own face.
    const std::array<QString, 3> faces = {QStringLiteral("+"), QString(QChar(0x2212)),
                                          QString(QChar(0x2192))};
    for (std::size_t i = 0; i < cmdPlusMinus.size(); ++i) {
        QFont face = cmdPlusMinus[i]->font();
        face.setPointSize(12);
        cmdPlusMinus[i]->setFont(face);
        cmdPlusMinus[i]->setText(faces[i]);
    }
    // The clipboard is left as it is: it may hold what the user copied in another program.
    const window::Reply reply = m_window.start();
    showState(reply.listChosen);
    show();
    carryOut(reply);
}

void frmMain::Form_Unload() {
    cmdQuit_Click();
}

void frmMain::cmdQuit_Click() {
    handle(Click("cmdQuit"));
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::cmdClear_Click(int index) {
    handle(Click(layout::Member("cmdClear", index)));
}

// ---- Conversions ----

void frmMain::cmdDeg2Rad_Click() {
    handle(Click("cmdDeg2Rad"));
}

void frmMain::cmdRad2Deg_Click() {
    handle(Click("cmdRad2Deg"));
}

void frmMain::cmdPlusMinus_Click(int index) {
    handle(Click(layout::Member("cmdPlusMinus", index)));
}

void frmMain::cmdChangeSign_Click() {
    handle(Click("cmdChangeSign"));
}

// Each field's key presses and releases, and its losing the focus: the model pairs a press and
// release of Enter into its conversion.
void frmMain::txbRadians_KeyDown(int keyCode, Qt::KeyboardModifiers) {
    key("txbRadians", window::Gesture::KeyDown, keyCode);
}

void frmMain::txbRadians_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    key("txbRadians", window::Gesture::KeyUp, keyCode);
}

void frmMain::txbRadians_LostFocus() {
    key("txbRadians", window::Gesture::LeaveField, 0);
}

void frmMain::txbDegrees_KeyDown(int keyCode, Qt::KeyboardModifiers) {
    key("txbDegrees", window::Gesture::KeyDown, keyCode);
}

void frmMain::txbDegrees_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    key("txbDegrees", window::Gesture::KeyUp, keyCode);
}

void frmMain::txbDegrees_LostFocus() {
    key("txbDegrees", window::Gesture::LeaveField, 0);
}

void frmMain::txbMinutes_KeyDown(int keyCode, Qt::KeyboardModifiers) {
    key("txbMinutes", window::Gesture::KeyDown, keyCode);
}

void frmMain::txbMinutes_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    key("txbMinutes", window::Gesture::KeyUp, keyCode);
}

void frmMain::txbMinutes_LostFocus() {
    key("txbMinutes", window::Gesture::LeaveField, 0);
}

void frmMain::txbSeconds_KeyDown(int keyCode, Qt::KeyboardModifiers) {
    key("txbSeconds", window::Gesture::KeyDown, keyCode);
}

void frmMain::txbSeconds_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    key("txbSeconds", window::Gesture::KeyUp, keyCode);
}

void frmMain::txbSeconds_LostFocus() {
    key("txbSeconds", window::Gesture::LeaveField, 0);
}

// ---- Output options ----

void frmMain::chkDecimal_Click() {
    handle(Click("chkDecimal"));
}

void frmMain::chkRoundToMinutes_Click() {
    handle(Click("chkRoundToMinutes"));
}

void frmMain::cboDecimalPlaces_Click() {
    handle(
        {"cboDecimalPlaces", window::Gesture::Choose, 0, false, cboDecimalPlaces->currentIndex()});
}

// ---- Results pane and clipboard ----

// The button says what a click copies however the selection was made or lost: the mouse, the
// keyboard (Shift with the arrows, Ctrl+A), a click inside it, a new line.
void frmMain::txbOutput_SelectionChange() {
    handle({"txbOutput", window::Gesture::SelectionChange});
}

void frmMain::cmdCopyOutput_Click() {
    handle(Click("cmdCopyOutput"));
}

// ---- Help and the publisher link ----

void frmMain::cmdHelp_Click() {
    handle(Click("cmdHelp"));
}

void frmMain::lblCopyright_Click() {
    handle(Click("lblCopyright"));
}

// ---- Between the controls and the window's model ----

void frmMain::handle(const window::Input& input) {
    const window::Reply reply = m_window.handle(input, edits(), focusable());
    if (!reply.event) {
        return; // a key that converts nothing: the controls already show it all
    }
    showState(reply.listChosen);
    carryOut(reply);
}

void frmMain::key(std::string_view field, window::Gesture gesture, int keyCode) {
    handle({field, gesture, keyCode});
}

window::Edits frmMain::edits() const {
    window::Edits edits;
    for (const window::EditOf& edit : window::kEdits) {
        switch (edit.kind) {
        case window::EditKind::Text:
            edits.fields.*edit.text = control<QLineEdit>(edit.control)->text().toStdString();
            break;
        case window::EditKind::Checked:
            edits.checks.*edit.check = control<QAbstractButton>(edit.control)->isChecked();
            break;
        case window::EditKind::Unchecked: // the other of a pair, read through its partner
            break;
        case window::EditKind::Selection:
            edits.paneHasSelection = txbOutput->textCursor().hasSelection();
            break;
        }
    }
    return edits;
}

// A field is set only where its text changes, so that its caret and undo stay; the list only
// when the model chose an entry: an entry typed but not chosen stays.
void frmMain::showState(bool listChosen) {
    for (const window::Shown& shown : m_window.shown()) {
        QWidget* widget = control<QWidget>(shown.control);
        if (auto* field = qobject_cast<QLineEdit*>(widget); field && shown.text) {
            if (const QString text = QString::fromStdString(*shown.text); field->text() != text) {
                field->setText(text);
            }
        } else if (auto* copy = qobject_cast<CopyButton*>(widget); copy && shown.text) {
            copy->showSelection(*shown.text == window::CopyCaption(true));
        }
        if (auto* box = qobject_cast<QAbstractButton*>(widget); box && shown.checked) {
            if (*shown.checked) { // the other of a pair follows by itself
                box->setChecked(true);
            } else if (!box->autoExclusive()) {
                box->setChecked(false);
            }
        }
        if (shown.enabled) {
            widget->setEnabled(*shown.enabled);
        }
    }
    const window::State& state = m_window.state();
    lblSign->showSign(QString::fromStdString(state.fields.sign), state.symbolFace);
    if (listChosen) {
        cboDecimalPlaces->setCurrentIndex(state.figuresEntry);
    }
}

window::Focusable frmMain::focusable() const {
    const auto focusable = [](const QWidget* button) {
        return button->isVisible() && button->isEnabled();
    };
    return {focusable(cmdDeg2Rad), focusable(cmdRad2Deg)};
}

void frmMain::carryOut(const window::Reply& reply) {
    switch (reply.command) {
    case window::Command::None:
        break;
    case window::Command::ClearPane:
        txbOutput->clear();
        break;
    case window::Command::CopyPane:
        copyPane();
        break;
    case window::Command::ShowHelp:
        ShowHelp(m_services.viewer(), *this, m_services.helpPath);
        break;
    case window::Command::OpenPublisher:
        OpenWebPage(SpecifySoftware::PublisherUrl, m_services.urls, m_services.messages, this);
        break;
    case window::Command::EndProgram:
        hide();
        m_services.program.endProgram();
        break;
    }
    apply(reply.outcome);
}

void frmMain::copyPane() {
    const window::CopyRule& rule = window::kCopyRule;
    const bool selection = rule.selectionFirst && txbOutput->textCursor().hasSelection();
    if (!m_services.clipboard.putText(txbOutput->copyText(selection, Q(rule.lineEnd)))) {
        return; // nothing copied, so nothing changes
    }
    if (rule.collapseAfter) {
        QTextCursor cursor = txbOutput->textCursor();
        cursor.setPosition(cursor.selectionStart());
        txbOutput->setTextCursor(cursor); // the selection is gone: the button follows
    }
}

void frmMain::apply(const Outcome& outcome) {
    if (!outcome.result.empty()) {
        txbOutput->appendLine(QString::fromStdString(outcome.result.text()), outcome.paneCommas);
    }
    if (outcome.message) {
        m_services.messages.show(this, *outcome.message);
    }
    focusOn(outcome.focus);
}

void frmMain::focusOn(FocusTarget target) {
    if (target == FocusTarget::Unchanged) {
        return;
    }
    QWidget* widget = control<QWidget>(layout::ControlOf(target));
    widget->setFocus();
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->setCursorPosition(static_cast<int>(field->text().size()));
    }
}

} // namespace orvanel
