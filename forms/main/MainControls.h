#pragma once
// Controls of the main window with a state of their own.

#include <QComboBox>
#include <QLineEdit>

namespace orvanel {

// An entry field that reports each key pressed and released in it, Enter and Return as key
// code 13, but not the key's auto-repeat, and its losing the focus.
class EntryField : public QLineEdit {
    Q_OBJECT

  public:
    EntryField(QWidget* parent, int maxLength);

  signals:
    void keyDown(int keyCode, Qt::KeyboardModifiers shift);
    void keyUp(int keyCode, Qt::KeyboardModifiers shift);
    void left();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
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
