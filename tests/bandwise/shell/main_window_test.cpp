#include "bandwise/shell/main_window.h"
#include "caption_fit.h"
#include "widget_test.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>

namespace {

class MainWindowTest : public testsupport::WidgetTest {};

}  // namespace

TEST_F(MainWindowTest, mainWindowHasItsFixedLayout)
{
    bandwise::Form1 window(programDirectory(), messages);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Bandwise");
    EXPECT_EQ(window.size(), QSize(761, 697));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);

    struct Row {
        const char* name;
        QRect pixels;
    };
    const Row rows[] = {
        {"Frame1", {8, 8, 745, 345}},     {"Frame4", {8, 360, 489, 329}}, {"Frame8", {504, 360, 249, 289}},
        {"Command1", {616, 656, 65, 33}}, {"exit_button", {688, 656, 65, 33}},
        {"band1", {16, 56, 113, 193}},    {"tempco", {616, 56, 113, 193}}, {"Frame2", {16, 256, 473, 73}},
        {"Frame3", {496, 256, 233, 73}},  {"Resistor_Value", {96, 16, 217, 21}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(child<QWidget>(&window, row.name)->geometry(), row.pixels) << row.name;

    const QStringList clipped = testsupport::clippedCaptions(&window);
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("; ")).toStdString();
}

TEST_F(MainWindowTest, exitClosesTheWindow)
{
    bandwise::Form1 window(programDirectory(), messages);
    window.show();
    QTest::mouseClick(child<QPushButton>(&window, "exit_button"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}
