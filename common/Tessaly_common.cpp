#include "Tessaly_common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <initializer_list>

namespace orvanel {
namespace {

bool IsOneOf(const QWidget* control, std::initializer_list<ControlKind> kinds) {
    const ControlKind kind = KindOf(control);
    for (ControlKind k : kinds) {
        if (k == kind) {
            return true;
        }
    }
    return false;
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color,
                     bool keepDisabledLook) {
    QPalette palette = widget->palette();
    if (keepDisabledLook) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    } else {
        palette.setColor(role, color);
    }
    widget->setPalette(palette);
}

template <typename Change>
void ForEachOfKind(QWidget* form, std::initializer_list<ControlKind> kinds, Change change) {
    for (QWidget* control : FormControls(form)) {
        if (IsOneOf(control, kinds)) {
            change(control);
        }
    }
}

constexpr auto kColouredKinds = {ControlKind::CheckBox, ControlKind::Label, ControlKind::Frame,
                                 ControlKind::OptionButton};

} // namespace

ControlKind KindOf(const QWidget* control) {
    if (qobject_cast<const QLabel*>(control)) {
        return ControlKind::Label;
    }
    if (qobject_cast<const QPushButton*>(control)) {
        return ControlKind::Button;
    }
    if (qobject_cast<const QCheckBox*>(control)) {
        return ControlKind::CheckBox;
    }
    if (qobject_cast<const QRadioButton*>(control)) {
        return ControlKind::OptionButton;
    }
    if (qobject_cast<const QGroupBox*>(control)) {
        return ControlKind::Frame;
    }
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control) ||
        qobject_cast<const QTextEdit*>(control)) {
        return ControlKind::TextBox;
    }
    if (qobject_cast<const QComboBox*>(control)) {
        return ControlKind::ComboBox;
    }
    return ControlKind::Other;
}

QList<QWidget*> FormControls(QWidget* form) {
    QList<QWidget*> controls;
    for (QObject* child : form->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) {
            continue;
        }
        controls.append(widget);
        if (KindOf(widget) == ControlKind::Frame) {
            controls.append(FormControls(widget));
        }
    }
    return controls;
}

QColor ColorFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

void SetFormBackColor(QWidget* form, std::uint32_t bgr) {
    const QColor color = ColorFromBgr(bgr);
    SetPaletteColor(form, QPalette::Window, color, false);
    form->setAutoFillBackground(true);
    // Buttons of every kind paint their background with the Button role, labels and frames
    // with Window: colour whichever the control paints with.
    ForEachOfKind(form, kColouredKinds, [&](QWidget* control) {
        SetPaletteColor(control, control->backgroundRole(), color, false);
        control->setAutoFillBackground(true);
    });
}

void SetFormForeColor(QWidget* form, std::uint32_t bgr) {
    const QColor color = ColorFromBgr(bgr);
    // Disabled controls keep the style's dimmed text, so that they still look disabled.
    ForEachOfKind(form, kColouredKinds, [&](QWidget* control) {
        SetPaletteColor(control, QPalette::WindowText, color, true);
    });
}

void SetFormFontSize(QWidget* form, int points) {
    ForEachOfKind(form,
                  {ControlKind::Label, ControlKind::Button, ControlKind::CheckBox,
                   ControlKind::TextBox, ControlKind::OptionButton, ControlKind::ComboBox},
                  [&](QWidget* control) {
                      QFont font = control->font();
                      font.setPointSize(points);
                      control->setFont(font);
                  });
}

// Buttons are named in the first pass already, so a pass for `includeButtons` would set the
// same name again: it is left out.
void SetFormFontName(QWidget* form, const QString& name, bool includeTextBoxes,
                     [[maybe_unused]] bool includeButtons) {
    const auto rename = [&](QWidget* control) {
        QFont font = control->font();
        font.setFamilies({name});
        control->setFont(font);
    };
    ForEachOfKind(form,
                  {ControlKind::Frame, ControlKind::Button, ControlKind::CheckBox,
                   ControlKind::Label, ControlKind::OptionButton, ControlKind::ComboBox},
                  rename);
    if (includeTextBoxes) {
        ForEachOfKind(form, {ControlKind::TextBox}, rename);
    }
}

} // namespace orvanel
