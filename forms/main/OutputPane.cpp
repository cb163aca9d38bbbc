#include "OutputPane.h"

#include <QTextBlock>
#include <QTextDocument>

namespace orvanel {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

OutputPane::OutputPane(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setUndoRedoEnabled(false); // an ever-growing undo stack would only cost memory
}

void OutputPane::appendResult(const QString& crlfText, bool pointsToCommas) {
    if (pointsToCommas) {
        replacePointsWithCommas();
    }
    QString text = crlfText;
    text.replace(kCrLf, QStringLiteral("\n"));
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    setTextCursor(end);
    ensureCursorVisible();
}

QString OutputPane::copyText() const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        return wholeText();
    }
    return cursor.selectedText().replace(QChar::ParagraphSeparator, kCrLf);
}

QString OutputPane::wholeText() const {
    return toPlainText().replace(QChar('\n'), kCrLf);
}

void OutputPane::replacePointsWithCommas() {
    // find() only scans; the document is edited only where a point stands.
    QTextCursor found = document()->find(QStringLiteral("."));
    if (found.isNull()) {
        return;
    }
    QTextCursor edit(document());
    edit.beginEditBlock();
    while (!found.isNull()) {
        found.insertText(QStringLiteral(","));
        found = document()->find(QStringLiteral("."), found);
    }
    edit.endEditBlock();
}

} // namespace orvanel
