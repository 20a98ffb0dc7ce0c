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

#include <map>
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

std::string optionName(BandPosition position, BandColour colour)
{
    return optionName(position, common::OrdinalOf(colour));
}

class DecodingPanelTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        openWindow();
    }

    void openWindow()
    {
        window = std::make_unique<bandwise::MainWindow>(programDirectory(), messages, desktop, screen());
        window->show();
        panel = child<DecodingPanel>(window.get(), "Frame1");
    }

    void click(const std::string& name) { WidgetTest::click(child<QAbstractButton>(window.get(), name.c_str())); }

    QString value() const { return child<QLineEdit>(window.get(), "Resistor_Value")->text(); }
    QString unit() const { return child<QLabel>(window.get(), "unit_label")->text(); }
    QString tempco() const { return child<QLineEdit>(window.get(), "tempco_value")->text(); }
    Shape* stripe(const char* name) const { return child<Shape>(window.get(), name); }

    std::unique_ptr<bandwise::MainWindow> window;
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

    for (const char* name : {"bl1", "nont", "yetc", "gom"})
        EXPECT_FALSE(child<QRadioButton>(window.get(), name)->isChecked()) << name;

    const std::pair<const char*, QColor> initial[] = {
        {"band1_colour", QColor(255, 128, 0)},
        {"band2_colour", QColor(255, 0, 0)},
        {"band3_colour", QColor(0, 255, 0)},
        {"mul_colour", QColor(0, 0, 255)},
        {"tol_colour", QColor(192, 0, 192)},
        {"tempco_colour", QColor(255, 255, 0)},
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
        const char* option;  // nullptr: as the window starts
        bool thirdBand;
        bool tempco;
    };
    const Row rows[] = {
        {nullptr, false, false}, {"r5b", true, false}, {"r6b", true, true}, {"r4b", false, false}, {"r6b", true, true}};
    for (const Row& row : rows) {
        if (row.option)
            click(row.option);
        SCOPED_TRACE(row.option ? row.option : "start");
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

// Every colour option, written out by hand: its group, caption, swatch and the stripe it paints.
TEST_F(DecodingPanelTest, everyOptionHasItsColourSwatchAndStripe)
{
    struct Row {
        const char* option;
        const char* group;
        const char* caption;
        const char* swatch;
    };
    const Row rows[] = {
        {"bl1", "band1", "Black", "Shape1"},
        {"br1", "band1", "Brown", "Shape2"},
        {"re1", "band1", "Red", "Shape3"},
        {"or1", "band1", "Orange", "Shape4"},
        {"ye1", "band1", "Yellow", "Shape5"},
        {"gr1", "band1", "Green", "Shape6"},
        {"bu1", "band1", "Blue", "Shape7"},
        {"vi1", "band1", "Violet", "Shape8"},
        {"ge1", "band1", "Grey", "Shape9"},
        {"wh1", "band1", "White", "Shape10"},
        {"bl2", "band2", "Black", "Shape24"},
        {"br2", "band2", "Brown", "Shape23"},
        {"re2", "band2", "Red", "Shape22"},
        {"or2", "band2", "Orange", "Shape21"},
        {"ye2", "band2", "Yellow", "Shape20"},
        {"gr2", "band2", "Green", "Shape19"},
        {"bu2", "band2", "Blue", "Shape18"},
        {"vi2", "band2", "Violet", "Shape17"},
        {"ge2", "band2", "Grey", "Shape16"},
        {"wh2", "band2", "White", "Shape15"},
        {"bl3", "band3", "Black", "Shape36"},
        {"br3", "band3", "Brown", "Shape35"},
        {"re3", "band3", "Red", "Shape34"},
        {"or3", "band3", "Orange", "Shape33"},
        {"ye3", "band3", "Yellow", "Shape32"},
        {"gr3", "band3", "Green", "Shape31"},
        {"bu3", "band3", "Blue", "Shape30"},
        {"vi3", "band3", "Violet", "Shape29"},
        {"ge3", "band3", "Grey", "Shape28"},
        {"wh3", "band3", "White", "Shape27"},
        {"blm", "mul", "Black", "Shape48"},
        {"brm", "mul", "Brown", "Shape47"},
        {"redm", "mul", "Red", "Shape46"},
        {"orm", "mul", "Orange", "Shape45"},
        {"yem", "mul", "Yellow", "Shape44"},
        {"grm", "mul", "Green", "Shape43"},
        {"bum", "mul", "Blue", "Shape42"},
        {"vim", "mul", "Violet", "Shape41"},
        {"gom", "mul", "Gold", "Shape38"},
        {"sim", "mul", "Silver", "Shape37"},
        {"brt", "tol", "Brown", "Shape59"},
        {"ret", "tol", "Red", "Shape58"},
        {"grt", "tol", "Green", "Shape55"},
        {"but", "tol", "Blue", "Shape54"},
        {"vit", "tol", "Violet", "Shape53"},
        {"gret", "tol", "Grey", "Shape52"},
        {"got", "tol", "Gold", "Shape50"},
        {"sit", "tol", "Silver", "Shape49"},
        {"nont", "tol", "None", "Shape11"},
        {"brtc", "tempco", "Brown", "Shape40"},
        {"retc", "tempco", "Red", "Shape51"},
        {"ortc", "tempco", "Orange", "Shape39"},
        {"yetc", "tempco", "Yellow", "Shape56"},
    };
    const std::map<std::string, QColor> colours = {
        {"Black", QColor(0, 0, 0)},
        {"Brown", QColor(192, 64, 0)},
        {"Red", QColor(255, 0, 0)},
        {"Orange", QColor(255, 128, 0)},
        {"Yellow", QColor(255, 255, 0)},
        {"Green", QColor(0, 255, 0)},
        {"Blue", QColor(0, 0, 255)},
        {"Violet", QColor(192, 0, 192)},
        {"Grey", QColor(192, 192, 192)},
        {"White", QColor(255, 255, 255)},
        {"Gold", QColor(192, 192, 0)},
        {"Silver", QColor(224, 224, 224)},
        {"None", panel->palette().color(QPalette::Button)},
    };
    const std::map<std::string, const char*> stripes = {
        {"band1", "band1_colour"},
        {"band2", "band2_colour"},
        {"band3", "band3_colour"},
        {"mul", "mul_colour"},
        {"tol", "tol_colour"},
        {"tempco", "tempco_colour"},
    };

    click("r6b");
    std::string group;
    int k = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.option);
        k = row.group == group ? k + 1 : 0;
        group = row.group;
        auto* button = child<QRadioButton>(window.get(), row.option);
        auto* swatch = child<Shape>(window.get(), row.swatch);
        ASSERT_TRUE(button && swatch);
        EXPECT_EQ(button->parentWidget()->objectName(), row.group);
        EXPECT_EQ(button->text(), row.caption);
        EXPECT_EQ(button->geometry(), QRect(8, 24 + 16 * k, 81, 17));
        EXPECT_EQ(swatch->parentWidget(), button->parentWidget());
        EXPECT_EQ(swatch->geometry(), QRect(96, 27 + 16 * k, 9, 9));
        EXPECT_EQ(swatch->fillColour(), colours.at(row.caption));

        click(row.option);
        const QColor painted = std::string(row.caption) == "None" ? kBody : colours.at(row.caption);
        EXPECT_EQ(stripe(stripes.at(row.group))->fillColour(), painted);
    }
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
