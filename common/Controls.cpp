#include "Controls.h"

#include "MainWindow.h"
#include "Outcome.h"
#include "StrProc.h"
#include "Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvanel {
namespace {

class AccessibleLink : public QAccessibleWidget {
  public:
    explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {
        addControllingSignal(QStringLiteral("activated()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->activated();
        }
    }
};

QAccessibleInterface* LinkFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("orvanel::LinkLabel") && object->isWidgetType()) {
        return new AccessibleLink(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

} // namespace

QString CrLf() {
    return QString::fromLatin1(kCrLf.data(), static_cast<qsizetype>(kCrLf.size()));
}

QString WithLf(QString text) {
    return text.replace(CrLf(), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString WithLineBreaks(QString text, const QString& lineBreak) {
    return text.replace(QLatin1Char('\n'), lineBreak).replace(QChar::ParagraphSeparator, lineBreak);
}

void LetEnterPressButtons(QWidget* window) {
    // An auto-default button clicks on Enter even outside a dialog.
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
}

CopyButton::CopyButton(QWidget* parent, int widthTwips, int selectionWidthTwips)
    : QPushButton(parent), m_widthTwips(widthTwips), m_selectionWidthTwips(selectionWidthTwips) {
    showSelection(false);
}

void CopyButton::showSelection(bool hasSelection) {
    const std::string_view caption = window::CopyCaption(hasSelection);
    setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    resize(Px(hasSelection ? m_selectionWidthTwips : m_widthTwips), height());
    repaint();
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            emit activated();
        }
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// Like any link or button: pressing, dragging away and releasing elsewhere opens nothing.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit activated();
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // A dotted frame in the link's own colour: the style's focus frame can vanish on the
    // window's coloured background, and keyboard users must see where they are.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace orvanel
