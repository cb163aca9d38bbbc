#include "OutputPane.h"

#include <QTextDocument>

#include <algorithm>

namespace orvanel {

OutputPane::OutputPane(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(document(), &QTextDocument::contentsChange, this, &OutputPane::notePoints);
}

// Keeps m_mayHoldPoint up to date from what each change adds, whoever makes it (the
// calculator or the user's own typing), looking only at the added characters.
void OutputPane::notePoints(int position, int, int added) {
    if (document()->isEmpty()) {
        m_mayHoldPoint = false;
        return;
    }
    if (m_mayHoldPoint || added <= 0) {
        return;
    }
    QTextCursor change(document());
    change.setPosition(position);
    change.setPosition(std::min(position + added, document()->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    m_mayHoldPoint = change.selectedText().contains(QLatin1Char('.'));
}

void OutputPane::appendLine(const QString& line, bool pointsToCommas) {
    if (pointsToCommas) {
        replacePointsWithCommas();
    }
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(line + QLatin1Char('\n')); // the document's own line end; copies use CR LF
    // The pane is the only record of the results: the user's own edits can be undone, but
    // not the program's appends, so the history never outgrows one stretch of editing.
    document()->clearUndoRedoStacks();
    setTextCursor(end);
    ensureCursorVisible();
}

QString OutputPane::copyText(bool selection, const QString& lineEnd) const {
    return WithLineBreaks(selection ? textCursor().selectedText() : toPlainText(), lineEnd);
}

QString OutputPane::wholeText() const {
    return WithLineBreaks(toPlainText(), CrLf());
}

void OutputPane::replacePointsWithCommas() {
    if (!m_mayHoldPoint) {
        return;
    }
    // find() only scans; the document is edited only where a point stands.
    QTextCursor found = document()->find(QStringLiteral("."));
    if (found.isNull()) {
        m_mayHoldPoint = false; // the points once added have since been deleted
        return;
    }
    QTextCursor edit(document());
    edit.beginEditBlock();
    while (!found.isNull()) {
        found.insertText(QStringLiteral(","));
        found = document()->find(QStringLiteral("."), found);
    }
    edit.endEditBlock();
    m_mayHoldPoint = false;
}

} // namespace orvanel
