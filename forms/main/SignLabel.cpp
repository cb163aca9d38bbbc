#include "SignLabel.h"

#include "SignLabelTexts.h"

namespace orvanel {

SignLabel::SignLabel(QWidget* parent) : QLabel(parent) {
    showSign(QString(), false);
}

void SignLabel::showSign(const QString& caption, bool symbolFace) {
    m_caption = caption;
    m_symbolFace = symbolFace;
    refresh();
    // What a screen reader says must tell a negative angle from a positive one; Qt announces
    // the change of name.
    const std::string_view heard = SignHeard(caption.toStdString());
    setAccessibleName(QString::fromUtf8(heard.data(), static_cast<qsizetype>(heard.size())));
}

void SignLabel::refresh() {
    setText(QString::fromStdString(SignSeen(m_caption.toStdString(), m_symbolFace)));
}

} // namespace orvanel
