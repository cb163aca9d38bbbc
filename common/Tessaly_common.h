#pragma once
// Restyling a whole window in one call: each procedure visits every control of the window,
// frames' contents included, in the window's control order, and changes one property on the
// kinds of control it lists.

#include <QColor>
#include <QList>
#include <QString>

#include <cstdint>

class QWidget;

namespace orvanel {

enum class ControlKind { Label, Button, CheckBox, OptionButton, Frame, TextBox, ComboBox, Other };

ControlKind KindOf(const QWidget* control);

// The window's controls: its child widgets in creation order, each frame followed by the
// controls inside it.
QList<QWidget*> FormControls(QWidget* form);

// Colours are stored as &H00BBGGRR: red in the lowest byte.
QColor ColorFromBgr(std::uint32_t bgr);

// The window's own background, then that of check boxes, labels, frames and option buttons.
void SetFormBackColor(QWidget* form, std::uint32_t bgr);
// Text colour of check boxes, labels, frames and option buttons (not the window's own).
void SetFormForeColor(QWidget* form, std::uint32_t bgr);
// Font size of labels, buttons, check boxes, text boxes, option buttons and combo boxes.
void SetFormFontSize(QWidget* form, int points);
// Font name of frames, buttons, check boxes, labels, option buttons and combo boxes; of text
// boxes when `includeTextBoxes`. `includeButtons` would name the buttons once more, which
// changes nothing: they have their name by then.
void SetFormFontName(QWidget* form, const QString& name, bool includeTextBoxes,
                     bool includeButtons);

} // namespace orvanel
