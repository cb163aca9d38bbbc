#include "Tessaly_common.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

// A window with a frame holding a label and a text box, and a button and a check box on it.
struct Form {
    QWidget window;
    QGroupBox* frame = new QGroupBox(&window);
    QLabel* label = new QLabel(frame);
    QLineEdit* text = new QLineEdit(frame);
    QPushButton* button = new QPushButton(&window);
    QCheckBox* check = new QCheckBox(&window);
    Form() { text->setFont(QFont(QStringLiteral("Courier New"), 10)); }
};

} // namespace

TEST(Tessaly_common, ControlsInsideFramesComeAfterTheirFrame) {
    Form form;
    const QList<QWidget*> expected = {form.frame, form.label, form.text, form.button, form.check};
    EXPECT_EQ(FormControls(&form.window), expected);
    EXPECT_EQ(ColorFromBgr(0x00D8AD6E), QColor(110, 173, 216));
}

TEST(Tessaly_common, ColoursReachOnlyLabelsFramesAndButtonsOfChoice) {
    Form form;
    const QColor textBase = form.text->palette().color(QPalette::Base);
    const QColor buttonFace = form.button->palette().color(QPalette::Button);
    SetFormBackColor(&form.window, 0x00808000);
    SetFormForeColor(&form.window, 0x00FFFFFF);
    const QColor teal(0, 128, 128);
    EXPECT_EQ(form.window.palette().color(QPalette::Window), teal);
    EXPECT_EQ(form.label->palette().color(QPalette::Window), teal);
    EXPECT_EQ(form.check->palette().color(QPalette::Button), teal);
    EXPECT_EQ(form.label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(form.text->palette().color(QPalette::Base), textBase);
    EXPECT_EQ(form.button->palette().color(QPalette::Button), buttonFace);
}

TEST(Tessaly_common, FontsByKindAndPass) {
    Form form;
    QFont bold = form.label->font();
    bold.setBold(true);
    form.label->setFont(bold);
    const int frameSize = form.frame->font().pointSize();
    SetFormFontSize(&form.window, 14);
    EXPECT_EQ(form.text->font().pointSize(), 14);
    EXPECT_TRUE(form.label->font().bold()); // only the size changes
    EXPECT_EQ(form.frame->font().pointSize(), frameSize);
    SetFormFontName(&form.window, QStringLiteral("Arial"), false, false);
    EXPECT_EQ(form.button->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form.frame->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form.text->font().family(), QStringLiteral("Courier New"));
    SetFormFontName(&form.window, QStringLiteral("Tahoma"), true, false);
    EXPECT_EQ(form.text->font().family(), QStringLiteral("Tahoma"));
}
