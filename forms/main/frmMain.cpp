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

constexpr int kClearOutput = 0;

} // namespace

// ---- Start-up and shut-down ----

void frmMain::Form_Load() {
    for (int figures = kFewestFigures; figures <= kMostFigures; ++figures) {
        cboDecimalPlaces->addItem(QString::number(figures));
    }
    cboDecimalPlaces->setCurrentIndex(-1);
    setWindowTitle(QString::fromUtf8(SpecifySoftware::ProductName) + QLatin1Char(' ') +
                   QString::fromUtf8(SpecifySoftware::VersionText));
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
    handle(window::Event::Load, [this] { show(); });
}

void frmMain::Form_Unload() {
    cmdQuit_Click();
}

void frmMain::cmdQuit_Click() {
    hide();
    m_services.program.endProgram();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::cmdClear_Click(int index) {
    if (index == kClearOutput) {
        txbOutput->clear();
        return;
    }
    handle(window::Event::ClearInput);
}

// ---- Conversions ----

void frmMain::cmdDeg2Rad_Click() {
    handle(window::Event::Deg2Rad);
}

void frmMain::cmdRad2Deg_Click() {
    handle(window::Event::Rad2Deg);
}

void frmMain::cmdPlusMinus_Click(int index) {
    handle(static_cast<window::Event>(static_cast<int>(window::Event::Add) + index));
}

void frmMain::cmdChangeSign_Click() {
    handle(window::Event::ChangeSign);
}

void frmMain::txbRadians_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (keyCode == EntryField::kEnterKeyCode) {
        cmdRad2Deg_Click();
    }
}

void frmMain::txbDegrees_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (keyCode == EntryField::kEnterKeyCode) {
        cmdDeg2Rad_Click();
    }
}

void frmMain::txbMinutes_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (keyCode == EntryField::kEnterKeyCode) {
        cmdDeg2Rad_Click();
    }
}

void frmMain::txbSeconds_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (keyCode == EntryField::kEnterKeyCode) {
        cmdDeg2Rad_Click();
    }
}

// ---- Output options ----

void frmMain::chkDecimal_Click() {
    handle(window::Event::DecimalClicked);
}

void frmMain::chkRoundToMinutes_Click() {
    handle(window::Event::RoundToMinutesClicked);
}

void frmMain::cboDecimalPlaces_Click() {
    m_figuresEntry = cboDecimalPlaces->currentIndex();
    handle(window::Event::FiguresChosen);
}

// ---- Results pane and clipboard ----

// The button says what a click copies however the selection was made or lost: the mouse, the
// keyboard (Shift with the arrows, Ctrl+A), a click inside it, a new line.
void frmMain::txbOutput_SelectionChange() {
    handle(window::Event::SelectionChanged);
}

void frmMain::cmdCopyOutput_Click() {
    if (!m_services.clipboard.putText(txbOutput->copyText())) {
        return; // nothing copied, so nothing changes
    }
    QTextCursor cursor = txbOutput->textCursor();
    cursor.setPosition(cursor.selectionStart());
    txbOutput->setTextCursor(cursor); // the selection is gone: the button follows
}

// ---- Help and the publisher link ----

void frmMain::cmdHelp_Click() {
    ShowHelp(m_services.viewer(), *this, m_services.helpPath);
}

void frmMain::lblCopyright_Click() {
    OpenWebPage(SpecifySoftware::PublisherUrl, m_services.urls, m_services.messages, this);
}

// ---- Between the controls and the window's model ----

void frmMain::handle(window::Event event, const std::function<void()>& beforeOutcome) {
    window::State state = readState();
    const int listEntry = state.figuresEntry;
    const Outcome outcome = window::Handle(state, event, context());
    writeState(state, listEntry);
    if (beforeOutcome) {
        beforeOutcome();
    }
    apply(outcome);
}

window::State frmMain::readState() const {
    window::State state;
    EntryFields& fields = state.fields;
    fields.radians = txbRadians->text().toStdString();
    fields.toAdd = txbToAdd->text().toStdString();
    fields.degrees = txbDegrees->text().toStdString();
    fields.minutes = txbMinutes->text().toStdString();
    fields.seconds = txbSeconds->text().toStdString();
    fields.sign = lblSign->caption().toStdString();
    const auto choice = [](const QAbstractButton* box) {
        return window::Choice{box->isChecked(), box->isEnabled()};
    };
    window::Options& options = state.options;
    options.outputInDecimal = choice(chkDecimal);
    options.roundToMinutes = choice(chkRoundToMinutes);
    options.decimalDegrees = choice(optDecDegrees);
    options.decimalMinutesEnabled = optDecMinutes->isEnabled();
    options.showPlusMinus = choice(chkShowPlusMinus);
    state.figuresEntry = m_figuresEntry;
    state.symbolFace = lblSign->symbolFace();
    state.startUpCompleted = m_startUpCompleted;
    state.paneHasSelection = txbOutput->textCursor().hasSelection();
    return state;
}

// The list is set only when the model chose an entry: an entry typed but not chosen stays.
void frmMain::writeState(const window::State& state, int listEntry) {
    const auto set = [](QLineEdit* field, const std::string& text) {
        const QString value = QString::fromStdString(text);
        if (field->text() != value) {
            field->setText(value);
        }
    };
    const EntryFields& fields = state.fields;
    set(txbRadians, fields.radians);
    set(txbToAdd, fields.toAdd);
    set(txbDegrees, fields.degrees);
    set(txbMinutes, fields.minutes);
    set(txbSeconds, fields.seconds);
    lblSign->showSign(QString::fromStdString(fields.sign), state.symbolFace);
    const auto choose = [](QAbstractButton* box, window::Choice choice) {
        box->setChecked(choice.checked);
        box->setEnabled(choice.enabled);
    };
    const window::Options& options = state.options;
    choose(chkDecimal, options.outputInDecimal);
    choose(chkRoundToMinutes, options.roundToMinutes);
    (options.decimalDegrees.checked ? optDecDegrees : optDecMinutes)->setChecked(true); // a pair
    optDecDegrees->setEnabled(options.decimalDegrees.enabled);
    optDecMinutes->setEnabled(options.decimalMinutesEnabled);
    choose(chkShowPlusMinus, options.showPlusMinus);
    if (state.figuresEntry != listEntry) {
        cboDecimalPlaces->setCurrentIndex(state.figuresEntry);
    }
    m_figuresEntry = state.figuresEntry;
    m_startUpCompleted = state.startUpCompleted;
    cmdCopyOutput->showSelection(state.paneHasSelection);
}

window::Context frmMain::context() const {
    const auto focusable = [](const QWidget* button) {
        return button->isVisible() && button->isEnabled();
    };
    return {m_services.numberFormat, focusable(cmdDeg2Rad), focusable(cmdRad2Deg)};
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
    QLineEdit* field = nullptr;
    switch (target) {
    case FocusTarget::Unchanged:
        return;
    case FocusTarget::Deg2RadButton:
        cmdDeg2Rad->setFocus();
        return;
    case FocusTarget::Rad2DegButton:
        cmdRad2Deg->setFocus();
        return;
    case FocusTarget::Radians:
        field = txbRadians;
        break;
    case FocusTarget::ToAdd:
        field = txbToAdd;
        break;
    case FocusTarget::Degrees:
        field = txbDegrees;
        break;
    case FocusTarget::Minutes:
        field = txbMinutes;
        break;
    case FocusTarget::Seconds:
        field = txbSeconds;
        break;
    }
    field->setFocus();
    field->setCursorPosition(static_cast<int>(field->text().size()));
}

} // namespace orvanel
