#include "Tessaly_common.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

struct Form {
    QWidget window;
    QGroupBox* frame = new QGroupBox(&window);
    QLabel* label = new QLabel(frame);
    QLineEdit* text = new QLineEdit(frame);
    QPushButton* button = new QPushButton(&window);
    QCheckBox* check = new QCheckBox(&window);
    Form() {
        text->setFont(QFont(QStringLiteral("Courier New"), 10));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
};

} // namespace

TEST(Tessaly_common, ColoursAsStoredRedInTheLowestByte) {
    EXPECT_EQ(ColorFromBgr(0x00808000), QColor(0, 128, 128));
    EXPECT_EQ(ColorFromBgr(0x00D8AD6E), QColor(110, 173, 216));
}

TEST(Tessaly_common, ControlsInsideFramesAreVisitedAfterTheirFrame) {
    Form form;
    const QList<QWidget*> expected = {form.frame, form.label, form.text, form.button, form.check};
    EXPECT_EQ(FormControls(&form.window), expected);
}

TEST(Tessaly_common, ColoursReachOnlyLabelsFramesAndButtonsOfChoice) {
    Form form;
    const QColor before = form.text->palette().color(QPalette::Base);
    const QColor buttonBefore = form.button->palette().color(QPalette::Button);
    SetFormBackColor(&form.window, 0x00808000);
    SetFormForeColor(&form.window, 0x00FFFFFF);
    const QColor teal(0, 128, 128);
    EXPECT_EQ(form.window.palette().color(QPalette::Window), teal);
    EXPECT_EQ(form.label->palette().color(QPalette::Window), teal);
    EXPECT_EQ(form.check->palette().color(QPalette::Button), teal);
    EXPECT_EQ(form.label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(form.text->palette().color(QPalette::Base), before);
    EXPECT_EQ(form.button->palette().color(QPalette::Button), buttonBefore);
}

TEST(Tessaly_common, FontsByKindAndPass) {
    Form form;
    SetFormFontSize(&form.window, 10);
    EXPECT_EQ(form.label->font().pointSize(), 10);
    EXPECT_EQ(form.text->font().pointSize(), 10);
    EXPECT_TRUE(form.label->font().bold()); // only the size changes
    const int frameSize = form.frame->font().pointSize();
    SetFormFontSize(&form.window, 14);
    EXPECT_EQ(form.frame->font().pointSize(), frameSize);

    SetFormFontName(&form.window, QStringLiteral("Arial"), false, false);
    EXPECT_EQ(form.button->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form.frame->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form.text->font().family(), QStringLiteral("Courier New"));
    SetFormFontName(&form.window, QStringLiteral("Tahoma"), true, true);
    EXPECT_EQ(form.text->font().family(), QStringLiteral("Tahoma"));
}

TEST(Tessaly_common, AWindowWithoutControlsOnlyTakesTheColour) {
    QWidget empty;
    SetFormBackColor(&empty, 0x000000FF);
    SetFormForeColor(&empty, 0x0000FF00);
    EXPECT_EQ(empty.palette().color(QPalette::Window), QColor(255, 0, 0));
}
