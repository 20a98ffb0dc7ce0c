#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/shape.h"
#include "caption_fit.h"
#include "widget_test.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class MainWindowTest : public testsupport::WidgetTest {
protected:
    static void click(QAbstractButton* button)
    {
        // On the indicator: a short caption leaves the middle of a wide option unclickable.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
};

}  // namespace

TEST_F(MainWindowTest, mainWindowHasItsFixedLayout)
{
    bandwise::Form1 window(programDirectory(), messages, screen());
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
    bandwise::Form1 window(programDirectory(), messages, screen());
    window.show();
    QTest::mouseClick(child<QPushButton>(&window, "exit_button"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, outlineToggleReachesBothSampleResistorsAndHiddenStripes)
{
    bandwise::Form1 window(programDirectory(), messages, screen());
    window.show();
    const char* stripes[] = {"band1_colour",  "band2_colour",  "band3_colour",  "mul_colour",
                             "tol_colour",    "tempco_colour", "band1_colour1", "band2_colour1",
                             "band3_colour1", "mul_colour1",   "tol_colour1",   "tempco_colour1"};
    auto* outline = child<QAbstractButton>(&window, "show_stripes_outline");
    ASSERT_TRUE(outline->isChecked());
    for (const char* name : stripes)
        EXPECT_TRUE(child<bandwise::Shape>(&window, name)->borderVisible()) << name;

    click(outline);
    EXPECT_FALSE(outline->isChecked());
    click(child<QRadioButton>(&window, "r6b"));
    click(child<QRadioButton>(&window, "r6b1"));
    for (const char* name : stripes) {
        auto* stripe = child<bandwise::Shape>(&window, name);
        EXPECT_FALSE(stripe->borderVisible()) << name;
        EXPECT_EQ(stripe->grab().toImage().pixelColor(0, 0), stripe->fillColour()) << name;
    }

    click(outline);
    const QColor border = window.palette().color(QPalette::WindowText);
    for (const char* name : stripes) {
        auto* stripe = child<bandwise::Shape>(&window, name);
        EXPECT_TRUE(stripe->borderVisible()) << name;
        EXPECT_EQ(stripe->grab().toImage().pixelColor(0, 0), border) << name;
    }
}

TEST_F(MainWindowTest, thePanelsSchemesAreIndependent)
{
    bandwise::Form1 window(programDirectory(), messages, screen());
    window.show();
    auto* decoding = child<bandwise::DecodingPanel>(&window, "Frame1");
    auto* encoding = child<bandwise::EncodingPanel>(&window, "Frame4");

    click(child<QRadioButton>(&window, "r6b"));
    EXPECT_EQ(decoding->scheme(), common::BandScheme::SixBand);
    EXPECT_EQ(encoding->scheme(), common::BandScheme::FourBand);
    EXPECT_TRUE(child<QRadioButton>(&window, "r4b1")->isChecked());
    EXPECT_FALSE(child<QWidget>(&window, "band3_list")->isEnabled());

    click(child<QRadioButton>(&window, "r5b1"));
    click(child<QRadioButton>(&window, "r4b1"));
    click(child<QRadioButton>(&window, "r5b1"));
    EXPECT_EQ(encoding->scheme(), common::BandScheme::FiveBand);
    EXPECT_EQ(decoding->scheme(), common::BandScheme::SixBand);
    EXPECT_TRUE(child<QRadioButton>(&window, "r6b")->isChecked());
    EXPECT_TRUE(child<QWidget>(&window, "tempco")->isEnabled());
}
