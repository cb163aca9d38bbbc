#pragma once
// Controls of the main window with a state of their own.

#include <QComboBox>
#include <QLineEdit>

namespace orvanel {

// An entry field that reports each key released in it. Enter counts (as key code 13) only when
// the field also received its press: a message box closed with Enter must not see the release
// start the same conversion, and the same message, again.
class EntryField : public QLineEdit {
    Q_OBJECT

  public:
    static constexpr int kEnterKeyCode = 13;
    EntryField(QWidget* parent, int maxLength);

  signals:
    void keyUp(int keyCode, Qt::KeyboardModifiers shift);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool m_enterPressed = false;
};

// The precision list: an editable list whose typed text chooses no entry. `chosen` comes only
// from picking an entry, never from Enter or leaving the field after typing.
class PrecisionList : public QComboBox {
    Q_OBJECT

  public:
    explicit PrecisionList(QWidget* parent);

  signals:
    void chosen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Raised while the typed text's edit finishes: the list then picks the matching entry.
    bool m_finishingEdit = false;
};

} // namespace orvanel
