// Building the main window's controls: placement in twips, fonts, tab order, names for
// assistive technology, and the wiring of each control to its handler, as the model's table
// says.
#include "frmMain.h"

#include "MainLayout.h"

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

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect Place(const layout::Control& control) {
    const layout::Rect& r = control.twips;
    return TwipsRect(r.left, r.top, r.width, r.height);
}

// The widget of a control's kind, captioned.
QWidget* NewControl(const layout::Control& control, QWidget* parent) {
    using layout::Kind;
    switch (control.kind) {
    case Kind::Frame:
        return new QGroupBox(parent);
    case Kind::Label:
        return new QLabel(Q(control.caption), parent);
    case Kind::Sign:
        return new SignLabel(parent);
    case Kind::Field:
        return new EntryField(parent, control.maxLength);
    case Kind::Button:
        if (control.name == "cmdCopyOutput") {
            return new CopyButton(parent, layout::kCopyWidth, layout::kCopySelectionWidth);
        }
        return new QPushButton(Q(control.caption), parent);
    case Kind::CheckBox:
        return new QCheckBox(Q(control.caption), parent);
    case Kind::Option:
        return new QRadioButton(Q(control.caption), parent);
    case Kind::List:
        return new PrecisionList(parent);
    case Kind::Pane:
        return new OutputPane(parent);
    case Kind::Link:
        return new LinkLabel(parent);
    }
    return nullptr;
}

void SetBold(QWidget* control) {
    QFont bold = control->font();
    bold.setBold(true);
    control->setFont(bold);
}

} // namespace

frmMain::frmMain(Services services)
    : m_services(std::move(services)), m_window(m_services.numberFormat) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Px(layout::kWindowWidth), Px(layout::kWindowHeight));
    setWindowIcon(QIcon(QStringLiteral(":/orvanel/orvanel-32.png")));

    createControls();
    setTabOrder();
    nameForAssistiveTechnology();
    wireEvents();
}

void frmMain::createControls() {
    for (const layout::Control& control : layout::kMainControls) {
        QWidget* parent = control.frame.empty() ? this : findChild<QWidget*>(Q(control.frame));
        QWidget* widget = NewControl(control, parent);
        widget->setObjectName(Q(control.name));
        widget->setGeometry(Place(control));
    }
    Frame1 = control<QGroupBox>("Frame1");
    Label1 = control<QLabel>("Label1");
    txbRadians = control<EntryField>("txbRadians");
    for (std::size_t i = 0; i < cmdPlusMinus.size(); ++i) {
        cmdPlusMinus[i] = control<QPushButton>("cmdPlusMinus" + std::to_string(i));
        SetBold(cmdPlusMinus[i]);
    }
    txbToAdd = control<EntryField>("txbToAdd");
    cmdRad2Deg = control<QPushButton>("cmdRad2Deg");
    chkRoundToMinutes = control<QCheckBox>("chkRoundToMinutes");
    chkDecimal = control<QCheckBox>("chkDecimal");
    optDecDegrees = control<QRadioButton>("optDecDegrees");
    optDecMinutes = control<QRadioButton>("optDecMinutes");
    Frame2 = control<QGroupBox>("Frame2");
    lblSign = control<SignLabel>("lblSign");
    lblSign->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetBold(lblSign);
    Label2 = control<QLabel>("Label2");
    txbDegrees = control<EntryField>("txbDegrees");
    Label3 = control<QLabel>("Label3");
    txbMinutes = control<EntryField>("txbMinutes");
    Label4 = control<QLabel>("Label4");
    txbSeconds = control<EntryField>("txbSeconds");
    for (QLabel* label : {Label2, Label3, Label4}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    cmdDeg2Rad = control<QPushButton>("cmdDeg2Rad");
    cmdChangeSign = control<QPushButton>("cmdChangeSign");
    chkShowPlusMinus = control<QCheckBox>("chkShowPlusMinus");
    Label5 = control<QLabel>("Label5");
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cboDecimalPlaces = control<PrecisionList>("cboDecimalPlaces");
    txbOutput = control<OutputPane>("txbOutput");
    txbOutput->setFont(QFont(QStringLiteral("Courier New"), 8));
    cmdClear = {control<QPushButton>("cmdClear0"), control<QPushButton>("cmdClear1")};
    cmdHelp = control<QPushButton>("cmdHelp");
    cmdQuit = control<QPushButton>("cmdQuit");
    cmdCopyOutput = control<CopyButton>("cmdCopyOutput");
    lblCopyright = control<LinkLabel>("lblCopyright");
    lblCopyright->setText(QString::fromUtf8(SpecifySoftware::CopyrightNotice));
    lblCopyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont underlined = lblCopyright->font();
    underlined.setUnderline(true);
    lblCopyright->setFont(underlined);
}

void frmMain::setTabOrder() {
    using layout::Kind;
    QWidget* previous = nullptr;
    for (const layout::Control& entry : layout::kMainControls) {
        if (entry.kind == Kind::Frame || entry.kind == Kind::Label || entry.kind == Kind::Sign) {
            continue;
        }
        QWidget* next = control<QWidget>(entry.name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

// Screen readers read a field by the label beside it and a button by its caption, which Qt
// follows by itself. Symbol faces, the unlabelled field and the pane get names that say what
// they are for.
void frmMain::nameForAssistiveTechnology() {
    for (const layout::Control& entry : layout::kMainControls) {
        if (entry.kind == layout::Kind::Label) {
            control<QLabel>(entry.name)->setBuddy(control<QWidget>(entry.names));
            control<QWidget>(entry.names)->setAccessibleName(Q(layout::LabelName(entry)));
        } else if (!entry.names.empty()) {
            control<QWidget>(entry.name)->setAccessibleName(Q(entry.names));
        }
    }
    txbOutput->setAccessibleDescription(
        QStringLiteral("One line per result; the copy button copies the selection or all"));
    lblCopyright->setAccessibleDescription(QStringLiteral("Opens the publisher's home page"));
}

// The window's destruction takes the focus from its fields after the model is gone: nothing
// may reach the handlers then.
frmMain::~frmMain() {
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

// Each control of the model's table is wired to the handler named after it and its event, as
// "cmdDeg2Rad_Click", or for a member of a control array "cmdPlusMinus_Click" with its index.
void frmMain::wireEvents() {
    for (const window::Wire& wire : window::kWiring) {
        this->wire(wire);
    }
    LetEnterPressButtons(this);
}

void frmMain::wire(const window::Wire& wire) {
    const std::string_view name = wire.control;
    QWidget* widget = control<QWidget>(name);
    switch (wire.gesture) {
    case window::Gesture::Click:
        if (auto* link = qobject_cast<LinkLabel*>(widget)) {
            connect(link, &LinkLabel::activated, this,
                    [this, h = handler(name, "Click")] { call(h); });
        } else {
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, h = handler(name, "Click")] { call(h); });
        }
        break;
    case window::Gesture::Choose:
        connect(static_cast<PrecisionList*>(widget), &PrecisionList::chosen, this,
                [this, h = handler(name, "Click")] { call(h); });
        break;
    case window::Gesture::SelectionChange:
        connect(static_cast<QPlainTextEdit*>(widget), &QPlainTextEdit::selectionChanged, this,
                [this, h = handler(name, "SelectionChange")] { call(h); });
        break;
    case window::Gesture::Enter:
    case window::Gesture::KeyDown:
    case window::Gesture::KeyUp:
    case window::Gesture::LeaveField: {
        auto* field = static_cast<EntryField*>(widget);
        constexpr const char* kKey = "int,Qt::KeyboardModifiers";
        connect(field, &EntryField::keyDown, this,
                [this, h = handler(name, "KeyDown", kKey)](int code, Qt::KeyboardModifiers shift) {
                    h.method.invoke(this, Qt::DirectConnection, Q_ARG(int, code),
                                    Q_ARG(Qt::KeyboardModifiers, shift));
                });
        connect(field, &EntryField::keyUp, this,
                [this, h = handler(name, "KeyUp", kKey)](int code, Qt::KeyboardModifiers shift) {
                    h.method.invoke(this, Qt::DirectConnection, Q_ARG(int, code),
                                    Q_ARG(Qt::KeyboardModifiers, shift));
                });
        connect(field, &EntryField::left, this,
                [this, h = handler(name, "LostFocus")] { call(h); });
        break;
    }
    }
}

// The handler of `event` for `control`, found once as the window is wired: "cmdDeg2Rad_Click()",
// or for a member of a control array "cmdPlusMinus_Click(int)" with its index. A handler that is
// missing is a fault of the program, found at start-up.
frmMain::Handler frmMain::handler(std::string_view control, const char* event,
                                  const char* parameters) const {
    const std::size_t array = control.find_last_not_of("0123456789") + 1;
    const bool member = array < control.size();
    const QByteArray signature = QByteArray(control.data(), static_cast<qsizetype>(array)) + '_' +
                                 event + '(' + (member ? "int" : parameters) + ')';
    const int at = metaObject()->indexOfSlot(signature.constData());
    if (at < 0) {
        qFatal("frmMain has no handler %s", signature.constData());
    }
    return {metaObject()->method(at), member ? std::stoi(std::string(control.substr(array))) : -1};
}

void frmMain::call(const Handler& handler) {
    if (handler.index < 0) {
        handler.method.invoke(this, Qt::DirectConnection);
    } else {
        handler.method.invoke(this, Qt::DirectConnection, Q_ARG(int, handler.index));
    }
}

} // namespace orvanel
