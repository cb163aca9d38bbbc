#include "SignLabel.h"

namespace orvanel {

SignLabel::SignLabel(QWidget* parent) : QLabel(parent) {
    setCaption(QString());
}

void SignLabel::setCaption(const QString& caption) {
    m_caption = caption;
    refresh();
    // What a screen reader says must tell a negative angle from a positive one; Qt announces
    // the change of name.
    setAccessibleName(caption.isEmpty() ? QStringLiteral("Sign: none")
                                        : QStringLiteral("Sign: minus"));
}

void SignLabel::setSymbolFace() {
    // The label keeps its own face: only the drawing of "-" changes to a true minus sign.
    m_symbolFace = true;
    refresh();
}

void SignLabel::refresh() {
    setText(m_symbolFace ? QString(m_caption).replace(QChar('-'), QChar(0x2212)) : m_caption);
}

} // namespace orvanel
