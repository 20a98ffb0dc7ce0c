#include "bandwise/decoding/colour_options.h"
#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/shape.h"
#include "decoding_cases.h"
#include "widget_test.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

using bandwise::BandPosition;
using bandwise::DecodingColourGroups;
using bandwise::DecodingPanel;
using bandwise::Shape;
using common::BandColour;

namespace {

QColor colourOf(BandColour colour)
{
    const common::DisplayColour c = common::DefaultPalette()[colour];
    return QColor(c.red(), c.green(), c.blue());
}

const QColor kBody(255, 230, 149);

std::string optionName(BandPosition position, int id)
{
    for (const auto& option : DecodingColourGroups()[static_cast<int>(position)].options) {
        if (option.id == id)
            return std::string(option.name);
    }
    ADD_FAILURE() << "no option with id " << id;
    return {};
}

std::string optionName(BandPosition position, BandColour colour) { return optionName(position, common::OrdinalOf(colour)); }

class DecodingPanelTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        openWindow();
    }

    void openWindow()
    {
        window = std::make_unique<bandwise::Form1>(programDirectory(), messages, screen());
        window->show();
        panel = child<DecodingPanel>(window.get(), "Frame1");
    }

    void click(const std::string& name)
    {
        // On the indicator: a short caption leaves the middle of a wide option unclickable.
        auto* button = child<QAbstractButton>(window.get(), name.c_str());
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    QString value() const { return child<QLineEdit>(window.get(), "Resistor_Value")->text(); }
    QString unit() const { return child<QLabel>(window.get(), "unit_label")->text(); }
    QString tempco() const { return child<QLineEdit>(window.get(), "tempco_value")->text(); }
    Shape* stripe(const char* name) const { return child<Shape>(window.get(), name); }

    std::unique_ptr<bandwise::Form1> window;
    DecodingPanel* panel = nullptr;
};

}  // namespace

TEST_F(DecodingPanelTest, startsEmptyInFourBandNormalForm)
{
    panel->tick();
    EXPECT_EQ(value(), "SPECIFY BAND COLOURS");
    EXPECT_EQ(unit(), "Ω");
    EXPECT_EQ(tempco(), "");
    EXPECT_TRUE(child<QRadioButton>(window.get(), "r4b")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(window.get(), "nor_form")->isChecked());

    int options = 0;
    for (const auto& group : DecodingColourGroups()) {
        for (const auto& option : group.options) {
            auto* button = child<QRadioButton>(window.get(), std::string(option.name).c_str());
            auto* swatch = child<Shape>(window.get(), std::string(option.swatch).c_str());
            ASSERT_TRUE(button && swatch);
            EXPECT_FALSE(button->isChecked()) << option.name;
            EXPECT_EQ(button->parentWidget()->objectName().toStdString(), group.name);
            const QColor expected = option.id == bandwise::kNoToleranceBandId
                                        ? panel->palette().color(QPalette::Button)
                                        : colourOf(*common::BandColourFromOrdinal(option.id));
            EXPECT_EQ(swatch->fillColour(), expected) << option.swatch;
            ++options;
        }
    }
    EXPECT_EQ(options, 53);

    const std::pair<const char*, QColor> initial[] = {
        {"band1_colour", QColor(255, 128, 0)}, {"band2_colour", QColor(255, 0, 0)},
        {"band3_colour", QColor(0, 255, 0)},   {"mul_colour", QColor(0, 0, 255)},
        {"tol_colour", QColor(192, 0, 192)},   {"tempco_colour", QColor(255, 255, 0)},
    };
    for (const auto& [name, colour] : initial)
        EXPECT_EQ(stripe(name)->fillColour(), colour) << name;
    for (const char* name : {"Shape25", "Shape26", "Shape14"})
        EXPECT_EQ(stripe(name)->fillColour(), kBody) << name;
}

TEST_F(DecodingPanelTest, wholeResultTableThroughTheControls)
{
    for (const auto& digits : testsupport::decodingCases()) {
        for (const auto& row : digits.multipliers) {
            for (const auto& tolerance : testsupport::toleranceCases()) {
                SCOPED_TRACE(std::string(digits.name) + "/" + row.name + "/tolerance " + tolerance.name);
                openWindow();
                if (digits.scheme == common::BandScheme::FiveBand)
                    click("r5b");
                const BandPosition positions[] = {BandPosition::First, BandPosition::Second, BandPosition::Third};
                for (std::size_t i = 0; i < digits.digits.size(); ++i)
                    click(optionName(positions[i], digits.digits[i]));
                if (row.multiplier)
                    click(optionName(BandPosition::Multiplier, *row.multiplier));
                if (tolerance.tolerance) {
                    click(tolerance.tolerance->isNone()
                              ? optionName(BandPosition::Tolerance, bandwise::kNoToleranceBandId)
                              : optionName(BandPosition::Tolerance, *tolerance.tolerance->colour()));
                }

                panel->tick();
                EXPECT_EQ(value().toStdString(), row.normal + tolerance.suffix);
                EXPECT_EQ(unit(), "Ω");
                click("exp_form");
                panel->tick();
                EXPECT_EQ(value().toStdString(), row.exponent + tolerance.suffix);
                click("uni");
                panel->tick();
                EXPECT_EQ(value().toStdString(), row.inUnits + tolerance.suffix);
                EXPECT_EQ(unit().toStdString(), row.unit);
            }
        }
    }
}

TEST_F(DecodingPanelTest, schemeEnablesAndShowsItsControls)
{
    struct Row {
        const char* option;
        bool thirdBand;
        bool tempco;
    };
    const Row rows[] = {{"r5b", true, false}, {"r6b", true, true}, {"r4b", false, false}, {"r6b", true, true}};
    for (const Row& row : rows) {
        click(row.option);
        SCOPED_TRACE(row.option);
        EXPECT_EQ(child<QGroupBox>(window.get(), "band3")->isEnabled(), row.thirdBand);
        EXPECT_EQ(child<QRadioButton>(window.get(), "bl3")->isEnabled(), row.thirdBand);
        EXPECT_EQ(stripe("mul_colour")->isVisible(), row.thirdBand);
        EXPECT_EQ(child<QGroupBox>(window.get(), "tempco")->isEnabled(), row.tempco);
        EXPECT_EQ(child<QRadioButton>(window.get(), "yetc")->isEnabled(), row.tempco);
        EXPECT_EQ(stripe("tempco_colour")->isVisible(), row.tempco);
        EXPECT_EQ(child<QLabel>(window.get(), "Label26")->isEnabled(), row.tempco);
        EXPECT_EQ(child<QLineEdit>(window.get(), "tempco_value")->isEnabled(), row.tempco);
        for (const char* always : {"band1_colour", "band2_colour", "band3_colour", "tol_colour"})
            EXPECT_TRUE(stripe(always)->isVisible()) << always;
    }
}

TEST_F(DecodingPanelTest, multiplierStripeIsChosenAtTheMomentOfTheClick)
{
    click("redm");
    EXPECT_EQ(stripe("band3_colour")->fillColour(), colourOf(BandColour::Red));
    EXPECT_EQ(stripe("mul_colour")->fillColour(), QColor(0, 0, 255));
    EXPECT_FALSE(stripe("mul_colour")->isVisible());

    // Switching repaints nothing: the third stripe keeps the multiplier's colour.
    click("r5b");
    EXPECT_EQ(stripe("band3_colour")->fillColour(), colourOf(BandColour::Red));
    click("gom");
    EXPECT_EQ(stripe("mul_colour")->fillColour(), colourOf(BandColour::Gold));
    EXPECT_EQ(stripe("band3_colour")->fillColour(), colourOf(BandColour::Red));
    click("wh3");
    EXPECT_EQ(stripe("band3_colour")->fillColour(), colourOf(BandColour::White));

    click("r4b");
    click("sim");
    EXPECT_EQ(stripe("band3_colour")->fillColour(), colourOf(BandColour::Silver));
    EXPECT_EQ(stripe("mul_colour")->fillColour(), colourOf(BandColour::Gold));
}

TEST_F(DecodingPanelTest, eachGroupPaintsItsOwnStripe)
{
    const std::pair<const char*, const char*> clicks[] = {
        {"ye1", "band1_colour"}, {"vi2", "band2_colour"}, {"or3", "band3_colour"},
        {"got", "tol_colour"},   {"brtc", "tempco_colour"},
    };
    click("r6b");
    for (const auto& [option, stripeName] : clicks) {
        const QColor before = stripe(stripeName)->fillColour();
        click(option);
        EXPECT_NE(stripe(stripeName)->fillColour(), before) << option;
    }
    EXPECT_EQ(stripe("band1_colour")->fillColour(), colourOf(BandColour::Yellow));
    EXPECT_EQ(stripe("tempco_colour")->fillColour(), colourOf(BandColour::Brown));
}

TEST_F(DecodingPanelTest, noToleranceBandBlendsIntoTheBody)
{
    click("ye1");
    click("vi2");
    click("brm");
    click("nont");
    EXPECT_EQ(stripe("tol_colour")->fillColour(), kBody);
    EXPECT_EQ(child<Shape>(window.get(), "Shape11")->fillColour(), panel->palette().color(QPalette::Button));
    panel->tick();
    EXPECT_EQ(value(), "470±20%");
}

TEST_F(DecodingPanelTest, choicesSurviveSchemeSwitches)
{
    click("r5b");
    click("br1");
    click("bl2");
    click("re3");
    panel->tick();
    EXPECT_EQ(value(), "102");
    click("r4b");
    panel->tick();
    EXPECT_EQ(value(), "10");
    click("r5b");
    panel->tick();
    EXPECT_EQ(value(), "102");
}

TEST_F(DecodingPanelTest, temperatureCoefficientOnlyClickableInSixBandButRemembered)
{
    click("brtc");  // disabled in four-band
    panel->tick();
    EXPECT_EQ(tempco(), "");

    click("r6b");
    click("retc");
    panel->tick();
    EXPECT_EQ(tempco(), "50 ppm");

    click("r4b");
    panel->tick();
    EXPECT_EQ(tempco(), "50 ppm");
    EXPECT_FALSE(child<QLineEdit>(window.get(), "tempco_value")->isEnabled());
}

TEST_F(DecodingPanelTest, lastFourBandResultStaysUntilTheThirdBandIsChosen)
{
    click("ye1");
    click("vi2");
    click("orm");
    click("uni");
    panel->tick();
    EXPECT_EQ(value(), "47");
    EXPECT_EQ(unit(), "KΩ");

    click("r5b");
    click("bum");
    panel->tick();
    EXPECT_EQ(value(), "47");
    EXPECT_EQ(unit(), "KΩ");

    click("bl3");
    panel->tick();
    EXPECT_EQ(value(), "470");
    EXPECT_EQ(unit(), "MΩ");

    // Leaving In Units restores the plain ohm sign at once; the value follows at the tick.
    click("nor_form");
    EXPECT_EQ(unit(), "Ω");
    EXPECT_EQ(value(), "470");
    panel->tick();
    EXPECT_EQ(value(), "470000000");
}

TEST_F(DecodingPanelTest, decimalSeparatorFollowsTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    openWindow();
    click("ye1");
    click("vi2");
    click("gom");
    panel->tick();
    EXPECT_EQ(value(), "4,7");
    click("sim");
    panel->tick();
    EXPECT_EQ(value(), "0,47");
}
