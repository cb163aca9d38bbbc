#pragma once
// The sign of the degrees-minutes-seconds angle. Its caption is "" or "-" for every reader;
// once the sign has been toggled it draws the "-" as a true minus sign (U+2212). Assistive
// technology reads it as "Sign: minus" or "Sign: none".

#include <QLabel>

namespace orvanel {

class SignLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption)

  public:
    explicit SignLabel(QWidget* parent);

    QString caption() const { return m_caption; }
    bool symbolFace() const { return m_symbolFace; }
    // With the symbol face a "-" caption is drawn as a minus sign rather than a hyphen.
    void showSign(const QString& caption, bool symbolFace);

  private:
    void refresh();

    QString m_caption;
    bool m_symbolFace = false;
};

} // namespace orvanel
