#include "frmMain.h"

#include "Controls.h"
#include "HelpCommand.h"
#include "MainControls.h"
#include "OutputPane.h"
#include "ProductConstants.h"
#include "SignLabel.h"
#include "Tessaly_common.h"
#include "weblink.h"

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
    m_startUpCompleted = false;
    SetDefaultOptions();
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
    UpdateCopyButton();
    txbRadians->setText(QStringLiteral("1"));
    show();
    cmdRad2Deg_Click();
    txbRadians->setFocus();
    cboDecimalPlaces->setCurrentIndex(kStartFigures - kFewestFigures);
    cboDecimalPlaces_Click();
    m_startUpCompleted = true;
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
    ClearInput();
}

void frmMain::ClearInput() {
    runCommand([](EntryFields& f) {
        orvanel::ClearInput(f);
        return Outcome{};
    });
}

// ---- Conversions ----

template <typename Command> void frmMain::runCommand(Command command) {
    EntryFields fields = readFields();
    const Outcome outcome = command(fields);
    writeFields(fields);
    apply(outcome);
}

void frmMain::cmdDeg2Rad_Click() {
    runCommand([this](EntryFields& f) { return ConvertDegreesToRadians(f, settings()); });
}

void frmMain::cmdRad2Deg_Click() {
    runCommand([this](EntryFields& f) { return ConvertRadiansToDegrees(f, settings()); });
}

void frmMain::cmdPlusMinus_Click(int index) {
    runCommand([this, index](EntryFields& f) {
        return PlusMinus(f, static_cast<PlusMinusIndex>(index), settings());
    });
}

void frmMain::cmdChangeSign_Click() {
    const bool deg2RadFocusable = cmdDeg2Rad->isVisible() && cmdDeg2Rad->isEnabled();
    lblSign->setSymbolFace();
    runCommand([deg2RadFocusable](EntryFields& f) { return ChangeSign(f, deg2RadFocusable); });
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

void frmMain::SetDefaultOptions() {
    ClearInput();
    chkRoundToMinutes->setChecked(false);
    optDecDegrees->setChecked(true);
    optDecDegrees->setEnabled(false);
    optDecMinutes->setEnabled(false);
    chkShowPlusMinus->setChecked(true);
    chkDecimal->setChecked(false);
    cboDecimalPlaces->clear();
    for (int figures = kFewestFigures; figures <= kMostFigures; ++figures) {
        cboDecimalPlaces->addItem(QString::number(figures));
    }
    cboDecimalPlaces->setCurrentIndex(-1);
}

void frmMain::chkDecimal_Click() {
    const bool decimal = chkDecimal->isChecked();
    chkRoundToMinutes->setEnabled(!decimal);
    optDecDegrees->setEnabled(decimal);
    optDecMinutes->setEnabled(decimal);
    if (cmdRad2Deg->isVisible() && cmdRad2Deg->isEnabled()) {
        cmdRad2Deg->setFocus();
    }
}

void frmMain::chkRoundToMinutes_Click() {
    chkDecimal->setEnabled(!chkRoundToMinutes->isChecked());
    const bool decimal = chkDecimal->isChecked();
    optDecDegrees->setEnabled(decimal);
    optDecMinutes->setEnabled(decimal);
    if (cmdRad2Deg->isVisible() && cmdRad2Deg->isEnabled()) {
        cmdRad2Deg->setFocus();
    }
}

void frmMain::cboDecimalPlaces_Click() {
    m_sigFigs =
        static_cast<std::int16_t>(SigFigsOf(kFewestFigures + cboDecimalPlaces->currentIndex()));
    if (m_startUpCompleted) {
        focusOn(FocusTarget::Radians);
    }
}

// ---- Results pane and clipboard ----

void frmMain::UpdateCopyButton() {
    cmdCopyOutput->showSelection(txbOutput->textCursor().hasSelection());
}

// The button says what a click copies however the selection was made or lost: the mouse, the
// keyboard (Shift with the arrows, Ctrl+A), a click inside it, a new line.
void frmMain::txbOutput_SelectionChange() {
    UpdateCopyButton();
}

void frmMain::cmdCopyOutput_Click() {
    if (!m_services.clipboard.putText(txbOutput->copyText())) {
        return; // nothing copied, so nothing changes
    }
    QTextCursor cursor = txbOutput->textCursor();
    cursor.setPosition(cursor.selectionStart());
    txbOutput->setTextCursor(cursor);
    UpdateCopyButton();
}

// ---- Help and the publisher link ----

void frmMain::cmdHelp_Click() {
    ShowHelp(m_services.viewer(), *this, m_services.helpPath);
}

void frmMain::lblCopyright_Click() {
    OpenWebPage(SpecifySoftware::PublisherUrl, m_services.urls, m_services.messages, this);
}

// ---- Between the controls and the engine ----

EntryFields frmMain::readFields() const {
    EntryFields fields;
    fields.radians = txbRadians->text().toStdString();
    fields.toAdd = txbToAdd->text().toStdString();
    fields.degrees = txbDegrees->text().toStdString();
    fields.minutes = txbMinutes->text().toStdString();
    fields.seconds = txbSeconds->text().toStdString();
    fields.sign = lblSign->caption().toStdString();
    return fields;
}

void frmMain::writeFields(const EntryFields& fields) {
    const auto set = [](QLineEdit* field, const std::string& text) {
        const QString value = QString::fromStdString(text);
        if (field->text() != value) {
            field->setText(value);
        }
    };
    set(txbRadians, fields.radians);
    set(txbToAdd, fields.toAdd);
    set(txbDegrees, fields.degrees);
    set(txbMinutes, fields.minutes);
    set(txbSeconds, fields.seconds);
    lblSign->setCaption(QString::fromStdString(fields.sign));
}

CalcSettings frmMain::settings() const {
    CalcSettings settings;
    settings.sigFigs = m_sigFigs;
    settings.format = m_services.numberFormat;
    settings.options.outputInDecimal = chkDecimal->isChecked();
    settings.options.decimalDegrees = optDecDegrees->isChecked();
    settings.options.roundToMinutes = chkRoundToMinutes->isChecked();
    settings.options.showPlusMinus = chkShowPlusMinus->isChecked();
    return settings;
}

void frmMain::apply(const Outcome& outcome) {
    if (!outcome.paneLine.empty()) {
        txbOutput->appendLine(QString::fromStdString(outcome.paneLine), outcome.paneCommas);
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
