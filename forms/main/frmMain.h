#pragma once
// The calculator's one window.
//
// How a key press becomes a result: every control is wired to a handler named after it
// (cmdDeg2Rad_Click, txbDegrees_KeyUp, ...). A handler copies the controls into the window's
// model (MainWindow.h) with its event; the model runs the angle engine and decides the options'
// states and the focus. The handler then writes the controls back, appends the model's line
// to the results pane, shows its message if any, and last moves the focus. The window keeps
// nothing of its own beyond the precision chosen and whether start-up is over. Desktop
// services (message boxes, clipboard, browser, screen, ending the program) come in through
// Services so tests can replace them.

#include "Calculator.h"
#include "MainWindow.h"
#include "Platform.h"

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

    std::int16_t SigFigs() const {
        return static_cast<std::int16_t>(window::SigFigsOfEntry(m_figuresEntry));
    }

    // Handlers, named after their control and event.
    void Form_Load();
    void Form_Unload();
    void cmdQuit_Click();
    void cmdClear_Click(int index);
    void cmdDeg2Rad_Click();
    void cmdRad2Deg_Click();
    void cmdPlusMinus_Click(int index);
    void cmdChangeSign_Click();
    void txbRadians_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void txbDegrees_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void txbMinutes_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void txbSeconds_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
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
    template <typename Control> Control* control(std::string_view name) const;
    void setTabOrder();
    void nameForAssistiveTechnology();
    void wireEvents();

    // Copies the controls into the window's model, hands it the event, writes the controls
    // back and carries out what it asks for (after `beforeOutcome`, where there is one).
    void handle(window::Event event, const std::function<void()>& beforeOutcome = {});
    window::State readState() const;
    void writeState(const window::State& state, int listEntry);
    window::Context context() const;
    void apply(const Outcome& outcome);
    void focusOn(FocusTarget target);

    Services m_services;
    int m_figuresEntry = -1; // the precision list's entry last chosen
    bool m_startUpCompleted = false;

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
