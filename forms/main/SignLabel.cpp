#include "SignLabel.h"

#include "SignLabelTexts.h"

namespace orvanel {

SignLabel::SignLabel(QWidget* parent) : QLabel(parent) {
    setCaption(QString());
}

void SignLabel::setCaption(const QString& caption) {
    m_caption = caption;
    refresh();
    // What a screen reader says must tell a negative angle from a positive one; Qt announces
    // the change of name.
    const std::string_view heard = SignHeard(caption.toStdString());
    setAccessibleName(QString::fromUtf8(heard.data(), static_cast<qsizetype>(heard.size())));
}

void SignLabel::setSymbolFace() {
    // The label keeps its own face: only the drawing of "-" changes to a true minus sign.
    m_symbolFace = true;
    refresh();
}

void SignLabel::refresh() {
    setText(QString::fromStdString(SignSeen(m_caption.toStdString(), m_symbolFace)));
}

} // namespace orvanel
