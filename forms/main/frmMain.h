#pragma once
// The calculator's one window.
//
// How a key press becomes a result: the window's model (MainWindow.h) says which control
// sends which event, and each control is wired, by name, to the handler named after it and
// its event (cmdDeg2Rad_Click, txbDegrees_KeyUp, ...). A handler hands its input to the model
// with what the user changed in the controls by hand; the model runs the angle engine and
// decides the controls' states, the focus and what else is to be done. The window then shows
// the model's state, appends its line to the results pane, carries out the rest (clearing or
// copying the pane, the viewer, the browser, ending the program), shows its message if any,
// and last moves the focus. The window keeps no state of its own. Desktop services (message
// boxes, clipboard, browser, screen, ending the program) come in through Services so tests
// can replace them.

#include "Calculator.h"
#include "MainWindow.h"
#include "Platform.h"

#include <QMetaMethod>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanel {

class CopyButton;
class EntryField;
class PrecisionList;
class LinkLabel;
class OutputPane;
class SignLabel;
class frmView;

class frmMain : public QWidget {
    Q_OBJECT

  public:
    struct Services {
        MessageSink& messages;
        Clipboard& clipboard;
        UrlOpener& urls;
        const ScreenInfo& screen;
        ProgramControl& program;
        // The viewer, made on first use: start-up need not build a window it may never show.
        std::function<frmView&()> viewer;
        NumberFormat numberFormat;
        QString helpPath;
    };

    static constexpr std::uint32_t kWindowColour = 0x00808000; // &H00BBGGRR: teal
    static constexpr std::uint32_t kWhite = 0x00FFFFFF;
    static constexpr std::uint32_t kLinkColour = 0x00D8AD6E;

    explicit frmMain(Services services);
    ~frmMain() override;

    std::int16_t SigFigs() const {
        return static_cast<std::int16_t>(window::SigFigsOfEntry(m_window.state().figuresEntry));
    }

    void Form_Load();
    void Form_Unload();

    // Handlers, named after their control and event; the wiring finds each by its name.
  public slots:
    void cmdQuit_Click();
    void cmdClear_Click(int index);
    void cmdDeg2Rad_Click();
    void cmdRad2Deg_Click();
    void cmdPlusMinus_Click(int index);
    void cmdChangeSign_Click();
    void txbRadians_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void txbRadians_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void txbRadians_LostFocus();
    void txbDegrees_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void txbDegrees_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void txbDegrees_LostFocus();
    void txbMinutes_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void txbMinutes_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void txbMinutes_LostFocus();
    void txbSeconds_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void txbSeconds_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void txbSeconds_LostFocus();
    void chkDecimal_Click();
    void chkRoundToMinutes_Click();
    void cboDecimalPlaces_Click();
    void txbOutput_SelectionChange();
    void cmdCopyOutput_Click();
    void cmdHelp_Click();
    void lblCopyright_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    template <typename Control> Control* control(std::string_view name) const {
        return findChild<Control*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    void setTabOrder();
    void nameForAssistiveTechnology();
    void wireEvents();
    void wire(const window::Wire& wire);
    struct Handler {
        QMetaMethod method;
        int index = -1; // a control array's member, -1 for a control of its own
    };
    Handler handler(std::string_view control, const char* event, const char* parameters = "") const;
    void call(const Handler& handler);

    // Hands the model an input with the controls' edits, shows its state and carries out its
    // reply.
    void handle(const window::Input& input);
    void key(std::string_view field, window::Gesture gesture, int keyCode);
    window::Edits edits() const;
    void showState(bool listChosen);
    window::Focusable focusable() const;
    void carryOut(const window::Reply& reply);
    void copyPane();
    void apply(const Outcome& outcome);
    void focusOn(FocusTarget target);

    Services m_services;
    window::MainWindow m_window;

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    EntryField* txbRadians = nullptr;
    std::array<QPushButton*, 3> cmdPlusMinus{};
    EntryField* txbToAdd = nullptr;
    QPushButton* cmdRad2Deg = nullptr;
    QCheckBox* chkRoundToMinutes = nullptr;
    QCheckBox* chkDecimal = nullptr;
    QRadioButton* optDecDegrees = nullptr;
    QRadioButton* optDecMinutes = nullptr;

    QGroupBox* Frame2 = nullptr;
    SignLabel* lblSign = nullptr;
    QLabel* Label2 = nullptr;
    EntryField* txbDegrees = nullptr;
    QLabel* Label3 = nullptr;
    EntryField* txbMinutes = nullptr;
    QLabel* Label4 = nullptr;
    EntryField* txbSeconds = nullptr;
    QPushButton* cmdDeg2Rad = nullptr;
    QPushButton* cmdChangeSign = nullptr;

    QCheckBox* chkShowPlusMinus = nullptr;
    QLabel* Label5 = nullptr;
    PrecisionList* cboDecimalPlaces = nullptr;
    OutputPane* txbOutput = nullptr;
    std::array<QPushButton*, 2> cmdClear{};
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdQuit = nullptr;
    CopyButton* cmdCopyOutput = nullptr;
    LinkLabel* lblCopyright = nullptr;
};

} // namespace orvanel
