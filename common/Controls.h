#pragma once
// Small controls with behaviour of their own, shared by both windows.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvanel {

// Line breaks: the text boxes hold LF; what the program hands out or takes in whole breaks its
// lines with CR LF (kCrLf).
QString CrLf();
// `text` with CR LF and lone CR as LF, for a text box.
QString WithLf(QString text);
// `text` (a text box's text or selection) with its line and paragraph breaks as `lineBreak`.
QString WithLineBreaks(QString text, const QString& lineBreak);

// Enter and keypad Enter press a focused command button, as Space does. Applies to every push
// button inside `window`.
void LetEnterPressButtons(QWidget* window);

// The copy button beside a text box: its caption says whether a click copies the selection or
// the whole text, and it is wider for the longer caption. Screen readers read the caption.
class CopyButton : public QPushButton {
    Q_OBJECT

  public:
    CopyButton(QWidget* parent, int widthTwips, int selectionWidthTwips);
    void showSelection(bool hasSelection);

  private:
    int m_widthTwips;
    int m_selectionWidthTwips;
};

// A label that works as a link: reached with Tab, activated by Enter or Space, or by a mouse
// click that is released over it. Assistive technology sees a link named by its text.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(QWidget* parent);

  signals:
    void activated();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_pressed = false;
};

} // namespace orvanel
