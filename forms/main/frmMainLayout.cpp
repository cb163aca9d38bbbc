// Building the main window's controls: placement in twips, fonts, tab order, names for
// assistive technology, and the wiring of each control to its handler.
#include "frmMain.h"

#include "Controls.h"
#include "MainControls.h"
#include "OutputPane.h"
#include "ProductConstants.h"
#include "SignLabel.h"
#include "Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace orvanel {
namespace {

constexpr int kCopyWidthTwips = 2400;
constexpr int kCopySelectionWidthTwips = 3100;

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

EntryField* MakeField(QWidget* parent, const char* name, QRect rect, int maxLength) {
    auto* field = new EntryField(parent, maxLength);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(rect);
    return field;
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

frmMain::frmMain(Services services) : m_services(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Px(11955), Px(4065));
    setWindowIcon(QIcon(QStringLiteral(":/orvanel/orvanel-32.png")));

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
        MakeField(Frame1, "txbRadians", TwipsRect(1050, 225, 1600, 360), kRadiansMaxLength);
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
    txbToAdd = MakeField(Frame1, "txbToAdd", TwipsRect(4575, 225, 1600, 360), kRadiansMaxLength);
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
}

void frmMain::createFrame2() {
    Frame2 = Make<QGroupBox>(this, "Frame2", TwipsRect(120, 1680, 6495, 1215));
    lblSign = Make<SignLabel>(Frame2, "lblSign", TwipsRect(50, 240, 255, 255));
    lblSign->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont bold = lblSign->font();
    bold.setBold(true);
    lblSign->setFont(bold);
    Label2 = Make<QLabel>(Frame2, "Label2", TwipsRect(375, 240, 1095, 360), "Degrees:");
    txbDegrees = MakeField(Frame2, "txbDegrees", TwipsRect(1280, 240, 900, 360), kDegreesMaxLength);
    Label3 = Make<QLabel>(Frame2, "Label3", TwipsRect(2280, 285, 1095, 360), "minutes:");
    txbMinutes = MakeField(Frame2, "txbMinutes", TwipsRect(3080, 240, 550, 360), kMinutesMaxLength);
    Label4 = Make<QLabel>(Frame2, "Label4", TwipsRect(3735, 285, 1050, 360), "seconds:");
    txbSeconds = MakeField(Frame2, "txbSeconds", TwipsRect(4630, 240, 550, 360), kSecondsMaxLength);
    cmdDeg2Rad =
        Make<QPushButton>(Frame2, "cmdDeg2Rad", TwipsRect(120, 720, 1900, 375), Q(kDeg2RadCaption));
    cmdChangeSign =
        // The trailing blank is part of the caption users and screen readers know; kept.
        Make<QPushButton>(Frame2, "cmdChangeSign", TwipsRect(3750, 720, 1455, 360), "Change sign ");
    for (QLabel* label : {Label2, Label3, Label4}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void frmMain::createWindowControls() {
    chkShowPlusMinus = Make<QCheckBox>(this, "chkShowPlusMinus", TwipsRect(6720, 195, 1815, 275),
                                       "Show +/- results");
    Label5 = Make<QLabel>(this, "Label5", TwipsRect(9375, 195, 1695, 275), "Significant figures:");
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cboDecimalPlaces =
        Make<PrecisionList>(this, "cboDecimalPlaces", TwipsRect(11145, 150, 615, 315));
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
    connect(cboDecimalPlaces, &PrecisionList::chosen, this, &frmMain::cboDecimalPlaces_Click);
    connect(cmdCopyOutput, &QPushButton::clicked, this, &frmMain::cmdCopyOutput_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    connect(txbRadians, &EntryField::keyUp, this, &frmMain::txbRadians_KeyUp);
    connect(txbDegrees, &EntryField::keyUp, this, &frmMain::txbDegrees_KeyUp);
    connect(txbMinutes, &EntryField::keyUp, this, &frmMain::txbMinutes_KeyUp);
    connect(txbSeconds, &EntryField::keyUp, this, &frmMain::txbSeconds_KeyUp);
    connect(txbOutput, &TextBox::mouseUp, this, &frmMain::txbOutput_MouseUp);
    connect(lblCopyright, &LinkLabel::activated, this, &frmMain::lblCopyright_Click);
    LetEnterPressButtons(this);
}

} // namespace orvanel
