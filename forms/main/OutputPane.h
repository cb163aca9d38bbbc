#pragma once
// The results pane: a plain-text editor that result lines are appended to. Lines arrive ended
// by CR LF and leave the pane, when copied, ended by CR LF; inside, each line is one block.
// The user may edit the pane and undo those edits back to the program's last append.

#include "Controls.h"

namespace orvanel {

class OutputPane : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit OutputPane(QWidget* parent);

    // Appends `line` and a line end without touching the rest of the document, then puts the
    // caret at the end so the new line is in view. With `pointsToCommas`, every "." already in
    // the pane becomes "," first.
    void appendLine(const QString& line, bool pointsToCommas);

    // The selection, or the whole pane, with `lineEnd` for its line breaks.
    QString copyText(bool selection, const QString& lineEnd) const;
    // The whole pane, line breaks as CR LF.
    QString wholeText() const;

  private:
    void replacePointsWithCommas();
    void notePoints(int position, int removed, int added);

    // False only while the pane certainly holds no ".": the comma rewrite then costs nothing.
    bool m_mayHoldPoint = false;
};

} // namespace orvanel
