#include "MainControls.h"

#include "MainWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace orvanel {
namespace {

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

int KeyCode(const QKeyEvent* key) {
    return IsEnter(key) ? window::kEnterKeyCode : key->key();
}

} // namespace

EntryField::EntryField(QWidget* parent, int maxLength) : QLineEdit(parent) {
    setMaxLength(maxLength);
    setFont(QFont(QStringLiteral("Courier New"), 10));
}

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        emit keyDown(KeyCode(event), event->modifiers());
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) {
        emit keyUp(KeyCode(event), event->modifiers());
    }
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    emit left();
    QLineEdit::focusOutEvent(event);
}

PrecisionList::PrecisionList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_finishingEdit) {
            emit chosen();
        }
    });
}

// Enter and leaving the field finish an edit of the text part; deliver those with the flag up.
bool PrecisionList::eventFilter(QObject* watched, QEvent* event) {
    const bool finishes =
        event->type() == QEvent::FocusOut ||
        (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event)));
    if (m_finishingEdit || watched != lineEdit() || !finishes) {
        return QComboBox::eventFilter(watched, event);
    }
    m_finishingEdit = true;
    QCoreApplication::sendEvent(watched, event);
    m_finishingEdit = false;
    return true;
}

} // namespace orvanel
