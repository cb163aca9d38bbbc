#include "frmMain.h"

#include "Controls.h"
#include "HelpCommand.h"
#include "OutputPane.h"
#include "SignLabel.h"
#include "ProductConstants.h"
#include "Tessaly_common.h"
#include "Twips.h"
#include "weblink.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace orvanel {
namespace {

constexpr int kEnterKeyCode = 13;
constexpr int kLeftButton = 1;
constexpr int kCopyWidthTwips = 2400;
constexpr int kCopySelectionWidthTwips = 3100;
constexpr int kClearOutput = 0;

template <typename Control>
Control* Make(QWidget* parent, const char* name, QRect rect, const QString& caption = {}) {
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(rect);
    if constexpr (requires { control->setText(caption); }) {
        if (!caption.isEmpty()) {
            control->setText(caption);
        }
    }
    return control;
}

QLineEdit* MakeEntryField(QWidget* parent, const char* name, QRect rect, int maxLength) {
    auto* field = Make<QLineEdit>(parent, name, rect);
    field->setMaxLength(maxLength);
    field->setFont(QFont(QStringLiteral("Courier New"), 10));
    return field;
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

frmMain::frmMain(Services services) : m_services(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Px(11955), Px(4065));
    setWindowIcon(QIcon(QStringLiteral(":/orvanel/orvanel-32.png")));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColorFromBgr(kWindowColour));
    setPalette(palette);
    setAutoFillBackground(true);

    createFrame1();
    createFrame2();
    createWindowControls();
    setTabOrder();
    nameForAssistiveTechnology();
    wireEvents();
}

void frmMain::createFrame1() {
    Frame1 = Make<QGroupBox>(this, "Frame1", TwipsRect(120, 120, 6495, 1455));
    Label1 = Make<QLabel>(Frame1, "Label1", TwipsRect(150, 225, 795, 255), "Radians");
    txbRadians =
        MakeEntryField(Frame1, "txbRadians", TwipsRect(1050, 225, 1600, 360), kRadiansMaxLength);
    const std::array<QRect, 3> plusMinus = {TwipsRect(2865, 225, 400, 360),
                                            TwipsRect(3375, 225, 400, 360),
                                            TwipsRect(3930, 225, 480, 360)};
    for (std::size_t i = 0; i < plusMinus.size(); ++i) {
        const std::string name = "cmdPlusMinus" + std::to_string(i);
        cmdPlusMinus[i] = Make<QPushButton>(Frame1, name.c_str(), plusMinus[i]);
        QFont bold = cmdPlusMinus[i]->font();
        bold.setBold(true);
        cmdPlusMinus[i]->setFont(bold);
    }
    txbToAdd =
        MakeEntryField(Frame1, "txbToAdd", TwipsRect(4575, 225, 1600, 360), kRadiansMaxLength);
    cmdRad2Deg =
        Make<QPushButton>(Frame1, "cmdRad2Deg", TwipsRect(120, 720, 1900, 375), Q(kRad2DegCaption));
    chkRoundToMinutes = Make<QCheckBox>(Frame1, "chkRoundToMinutes",
                                        TwipsRect(2160, 750, 1935, 375), "Round to minutes");
    chkDecimal =
        Make<QCheckBox>(Frame1, "chkDecimal", TwipsRect(4200, 720, 2000, 375), "Output in decimal");
    optDecDegrees =
        Make<QRadioButton>(Frame1, "optDecDegrees", TwipsRect(4200, 1020, 1025, 375), "degrees");
    optDecMinutes =
        Make<QRadioButton>(Frame1, "optDecMinutes", TwipsRect(5235, 1020, 1025, 375), "minutes");
    // Labels were drawn beneath text boxes in the original layout; keep the fields on top so a
    // click anywhere on a field reaches it.
    txbRadians->raise();
    txbToAdd->raise();
}

void frmMain::createFrame2() {
    Frame2 = Make<QGroupBox>(this, "Frame2", TwipsRect(120, 1680, 6495, 1215));
    lblSign = Make<SignLabel>(Frame2, "lblSign", TwipsRect(50, 240, 255, 255));
    lblSign->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont bold = lblSign->font();
    bold.setBold(true);
    lblSign->setFont(bold);
    Label2 = Make<QLabel>(Frame2, "Label2", TwipsRect(375, 240, 1095, 360), "Degrees:");
    txbDegrees =
        MakeEntryField(Frame2, "txbDegrees", TwipsRect(1280, 240, 900, 360), kDegreesMaxLength);
    Label3 = Make<QLabel>(Frame2, "Label3", TwipsRect(2280, 285, 1095, 360), "minutes:");
    txbMinutes =
        MakeEntryField(Frame2, "txbMinutes", TwipsRect(3080, 240, 550, 360), kMinutesMaxLength);
    Label4 = Make<QLabel>(Frame2, "Label4", TwipsRect(3735, 285, 1050, 360), "seconds:");
    txbSeconds =
        MakeEntryField(Frame2, "txbSeconds", TwipsRect(4630, 240, 550, 360), kSecondsMaxLength);
    cmdDeg2Rad =
        Make<QPushButton>(Frame2, "cmdDeg2Rad", TwipsRect(120, 720, 1900, 375), Q(kDeg2RadCaption));
    cmdChangeSign =
        Make<QPushButton>(Frame2, "cmdChangeSign", TwipsRect(3750, 720, 1455, 360), "Change sign ");
    for (QLabel* label : {Label2, Label3, Label4}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (QLineEdit* field : {txbDegrees, txbMinutes, txbSeconds}) {
        field->raise();
    }
}

void frmMain::createWindowControls() {
    chkShowPlusMinus = Make<QCheckBox>(this, "chkShowPlusMinus", TwipsRect(6720, 195, 1815, 275),
                                       "Show +/- results");
    Label5 = Make<QLabel>(this, "Label5", TwipsRect(9375, 195, 1695, 275), "Significant figures:");
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cboDecimalPlaces = Make<QComboBox>(this, "cboDecimalPlaces", TwipsRect(11145, 150, 615, 315));
    cboDecimalPlaces->setEditable(true);
    // Typed text chooses no entry: no insertion, no completion, and Enter does not pick a
    // matching entry.
    cboDecimalPlaces->setInsertPolicy(QComboBox::NoInsert);
    cboDecimalPlaces->setDuplicatesEnabled(true);
    cboDecimalPlaces->setCompleter(nullptr);
    txbOutput = Make<OutputPane>(this, "txbOutput", TwipsRect(6720, 600, 5055, 3255));
    txbOutput->setFont(QFont(QStringLiteral("Courier New"), 8));
    cmdClear[1] =
        Make<QPushButton>(this, "cmdClear1", TwipsRect(120, 3075, 1450, 375), "Clear input");
    cmdClear[0] =
        Make<QPushButton>(this, "cmdClear0", TwipsRect(1785, 3075, 1450, 375), "Clear output");
    cmdHelp = Make<QPushButton>(this, "cmdHelp", TwipsRect(3400, 3075, 1450, 375), "Help");
    cmdQuit = Make<QPushButton>(this, "cmdQuit", TwipsRect(5070, 3075, 1450, 375), "Quit");
    cmdCopyOutput = new CopyButton(this, kCopyWidthTwips, kCopySelectionWidthTwips);
    cmdCopyOutput->setObjectName(QStringLiteral("cmdCopyOutput"));
    cmdCopyOutput->setGeometry(TwipsRect(120, 3600, 2865, 315));
    lblCopyright = Make<LinkLabel>(this, "lblCopyright", TwipsRect(3360, 3600, 3135, 255),
                                   QString::fromUtf8(SpecifySoftware::CopyrightNotice));
    lblCopyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont underlined = lblCopyright->font();
    underlined.setUnderline(true);
    lblCopyright->setFont(underlined);
}

void frmMain::setTabOrder() {
    const QWidget* order[] = {txbOutput,       cmdQuit,          cmdClear[0],       cmdClear[1],
                              cmdHelp,         chkShowPlusMinus, cboDecimalPlaces,  cmdCopyOutput,
                              optDecMinutes,   optDecDegrees,    cmdPlusMinus[2],   cmdPlusMinus[1],
                              cmdPlusMinus[0], txbToAdd,         chkRoundToMinutes, cmdRad2Deg,
                              txbRadians,      chkDecimal,       txbSeconds,        txbMinutes,
                              txbDegrees,      cmdChangeSign,    cmdDeg2Rad,        lblCopyright};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    }
}

// Screen readers read a field by the label beside it and a button by its caption, which Qt
// follows by itself. Symbol faces, the unlabelled field and the pane get names that say what
// they are for.
void frmMain::nameForAssistiveTechnology() {
    const std::pair<QLabel*, QWidget*> labelled[] = {{Label1, txbRadians},
                                                     {Label2, txbDegrees},
                                                     {Label3, txbMinutes},
                                                     {Label4, txbSeconds},
                                                     {Label5, cboDecimalPlaces}};
    for (const auto& [label, control] : labelled) {
        label->setBuddy(control);
        control->setAccessibleName(label->text().remove(QLatin1Char(':')));
    }
    const std::pair<QWidget*, const char*> named[] = {
        {txbToAdd, "Second value"},
        {cmdPlusMinus[0], "Add"},
        {cmdPlusMinus[1], "Subtract"},
        {cmdPlusMinus[2], "Move radians to second value"},
        {txbOutput, "Results"}};
    for (const auto& [control, name] : named) {
        control->setAccessibleName(QLatin1String(name));
    }
    txbOutput->setAccessibleDescription(
        QStringLiteral("One line per result; the copy button copies the selection or all"));
    lblCopyright->setAccessibleDescription(QStringLiteral("Opens the publisher's home page"));
}

void frmMain::wireEvents() {
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    for (int i = 0; i < static_cast<int>(cmdClear.size()); ++i) {
        connect(cmdClear[i], &QPushButton::clicked, this, [this, i] { cmdClear_Click(i); });
    }
    for (int i = 0; i < static_cast<int>(cmdPlusMinus.size()); ++i) {
        connect(cmdPlusMinus[i], &QPushButton::clicked, this, [this, i] { cmdPlusMinus_Click(i); });
    }
    connect(cmdDeg2Rad, &QPushButton::clicked, this, &frmMain::cmdDeg2Rad_Click);
    connect(cmdRad2Deg, &QPushButton::clicked, this, &frmMain::cmdRad2Deg_Click);
    connect(cmdChangeSign, &QPushButton::clicked, this, &frmMain::cmdChangeSign_Click);
    connect(chkDecimal, &QCheckBox::clicked, this, &frmMain::chkDecimal_Click);
    connect(chkRoundToMinutes, &QCheckBox::clicked, this, &frmMain::chkRoundToMinutes_Click);
    connect(cboDecimalPlaces, &QComboBox::activated, this, [this] {
        if (!m_finishingPrecisionEdit) {
            cboDecimalPlaces_Click();
        }
    });
    cboDecimalPlaces->lineEdit()->installEventFilter(this);
    connect(cmdCopyOutput, &QPushButton::clicked, this, &frmMain::cmdCopyOutput_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    for (QLineEdit* field : {txbRadians, txbDegrees, txbMinutes, txbSeconds}) {
        field->installEventFilter(this);
    }
    connect(txbOutput, &TextBox::mouseUp, this, &frmMain::txbOutput_MouseUp);
    connect(lblCopyright, &LinkLabel::activated, this, &frmMain::lblCopyright_Click);
    LetEnterPressButtons(this);
}

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
    cboDecimalPlaces->setCurrentIndex(1);
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

template <typename Command>
void frmMain::runCommand(Command command) {
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
    if (keyCode == kEnterKeyCode) {
        cmdRad2Deg_Click();
    }
}

void frmMain::txbDegrees_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (keyCode == kEnterKeyCode) {
        cmdDeg2Rad_Click();
    }
}

void frmMain::txbMinutes_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (keyCode == kEnterKeyCode) {
        cmdDeg2Rad_Click();
    }
}

void frmMain::txbSeconds_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (keyCode == kEnterKeyCode) {
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
    cboDecimalPlaces->addItems(
        {QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")});
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
    m_sigFigs = static_cast<std::int16_t>(cboDecimalPlaces->currentIndex() + 5);
    if (m_startUpCompleted) {
        focusOn(FocusTarget::Radians);
    }
}

// ---- Results pane and clipboard ----

void frmMain::UpdateCopyButton() {
    cmdCopyOutput->showSelection(txbOutput->textCursor().hasSelection());
}

void frmMain::txbOutput_MouseUp(int button, Qt::KeyboardModifiers, QPoint) {
    if (button == kLeftButton) {
        UpdateCopyButton();
    }
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
    ShowHelp(m_services.viewer, *this, m_services.helpPath);
}

void frmMain::lblCopyright_Click() {
    OpenWebPage(SpecifySoftware::PublisherUrl, m_services.urls, m_services.messages, this);
}

// ---- Events ----

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (handleEntryKey(watched, event)) {
        return false;
    }
    if (handlePrecisionEditing(watched, event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Enter in an entry field runs its conversion on release, but only when the same field also
// received the press: a message box closed with Enter must not see its release start the
// same conversion (and the same message) again.
bool frmMain::handleEntryKey(QObject* watched, QEvent* event) {
    const bool entryField = watched == txbRadians || watched == txbDegrees ||
                            watched == txbMinutes || watched == txbSeconds;
    if (!entryField || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        m_enterPressedIn = IsEnterKey(key) ? watched : nullptr;
        return false;
    }
    const bool pairedEnter = IsEnterKey(key) && m_enterPressedIn == watched;
    if (IsEnterKey(key)) {
        m_enterPressedIn = nullptr;
    }
    const int keyCode = pairedEnter ? kEnterKeyCode : key->key();
    const Qt::KeyboardModifiers shift = key->modifiers();
    if (watched == txbRadians) {
        txbRadians_KeyUp(keyCode, shift);
    } else if (watched == txbDegrees) {
        txbDegrees_KeyUp(keyCode, shift);
    } else if (watched == txbMinutes) {
        txbMinutes_KeyUp(keyCode, shift);
    } else if (watched == txbSeconds) {
        txbSeconds_KeyUp(keyCode, shift);
    }
    return true;
}

// Enter and leaving the field finish an edit of the precision list's text part; the list then
// selects an entry equal to the typed text. Deliver those events with the edit flag raised.
bool frmMain::handlePrecisionEditing(QObject* watched, QEvent* event) {
    if (m_finishingPrecisionEdit || watched != cboDecimalPlaces->lineEdit()) {
        return false;
    }
    const bool finishes =
        event->type() == QEvent::FocusOut ||
        (event->type() == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent*>(event)));
    if (!finishes) {
        return false;
    }
    m_finishingPrecisionEdit = true;
    QCoreApplication::sendEvent(watched, event);
    m_finishingPrecisionEdit = false;
    return true;
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
    if (!outcome.paneAppend.empty()) {
        txbOutput->appendResult(QString::fromStdString(outcome.paneAppend), outcome.paneCommas);
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
