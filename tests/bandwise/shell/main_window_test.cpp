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

class MainWindowTest : public testsupport::WidgetTest { };

}  // namespace

TEST_F(MainWindowTest, mainWindowHasItsFixedLayout)
{
    bandwise::MainWindow window(programDirectory(), messages, desktop, screen());
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
        {"Frame1", {8, 8, 745, 345}},
        {"Frame4", {8, 360, 489, 329}},
        {"Frame8", {504, 360, 249, 289}},
        {"Command1", {616, 656, 65, 33}},
        {"exit_button", {688, 656, 65, 33}},
        {"show_stripes_outline", {504, 648, 113, 49}},
        {"band1", {16, 56, 113, 193}},
        {"tempco", {616, 56, 113, 193}},
        {"Frame2", {16, 256, 473, 73}},
        {"Frame3", {496, 256, 233, 73}},
        {"Resistor_Value", {96, 16, 217, 21}},
        {"Label1", {16, 24, 93, 29}},
        {"r4b", {112, 32, 97, 17}},
        {"r6b", {320, 32, 97, 17}},
        {"nor_form", {96, 40, 81, 25}},
        {"uni", {288, 40, 65, 25}},
        {"tempco_value", {368, 40, 97, 21}},
        {"Shape12", {16, 32, 49, 9}},
        {"Shape14", {88, 21, 57, 31}},
        {"band1_colour", {72, 17, 9, 39}},
        {"mul_colour", {119, 22, 9, 29}},
        {"mul_colour1", {119, 22, 9, 29}},
        {"Frame9", {16, 56, 209, 73}},
        {"res_value", {8, 32, 169, 20}},
        {"omega_symbol_1", {184, 32, 13, 20}},
        {"Frame7", {232, 56, 233, 73}},
        {"Frame5", {16, 136, 209, 177}},
        {"Frame6", {232, 136, 233, 177}},
        {"band1_list", {104, 24, 89, 21}},
        {"tempco_list", {104, 144, 89, 21}},
        {"b1v", {128, 21, 89, 20}},
        {"tempco_v", {128, 141, 89, 20}},
        {"power_value", {40, 48, 89, 19}},
        {"resistance_value", {40, 216, 89, 19}},
        {"calc", {40, 256, 81, 25}},
        {"res", {128, 256, 81, 25}},
        {"omega_symbol_2", {176, 215, 10, 16}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(child<QWidget>(&window, row.name)->geometry(), row.pixels) << row.name;

    const QStringList clipped = testsupport::clippedCaptions(&window);
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("; ")).toStdString();
}

TEST_F(MainWindowTest, outlineToggleReachesBothSampleResistorsAndHiddenStripes)
{
    bandwise::MainWindow window(programDirectory(), messages, desktop, screen());
    window.show();
    const char* stripes[] = {"band1_colour", "band2_colour", "band3_colour", "mul_colour", "tol_colour",
        "tempco_colour", "band1_colour1", "band2_colour1", "band3_colour1", "mul_colour1", "tol_colour1",
        "tempco_colour1"};
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
    bandwise::MainWindow window(programDirectory(), messages, desktop, screen());
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
