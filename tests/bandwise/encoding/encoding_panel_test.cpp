#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/shell/window_texts.h"
#include "bandwise/widgets/shape.h"
#include "widget_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

using bandwise::EncodingPanel;
using bandwise::Shape;
using common::BandColour;

namespace {

QColor colourOf(BandColour colour)
{
    const common::DisplayColour c = common::DefaultPalette()[colour];
    return QColor(c.red(), c.green(), c.blue());
}

class EncodingPanelTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        panel = std::make_unique<EncodingPanel>(palette, texts, nullptr);
        panel->fillDigitLists();
        panel->show();
    }

    QComboBox* list(const char* name) const { return child<QComboBox>(panel.get(), name); }
    QString box(const char* name) const { return child<QLineEdit>(panel.get(), name)->text(); }
    Shape* swatch(const char* name) const { return child<Shape>(panel.get(), name); }

    void pick(const char* listName, const QString& item)
    {
        QComboBox* combo = list(listName);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << listName << " has no item " << item.toStdString();
        combo->setCurrentIndex(index);
    }

    void choose(const char* scheme) { click(child<QRadioButton>(panel.get(), scheme)); }

    common::BandPalette palette = common::DefaultPalette();
    bandwise::WindowTexts texts;
    std::unique_ptr<EncodingPanel> panel;
};

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

}  // namespace

TEST_F(EncodingPanelTest, startsInFourBandWithEmptyListsAndShowsZeroFromTheFirstTick)
{
    EXPECT_TRUE(child<QRadioButton>(panel.get(), "r4b1")->isChecked());
    const QStringList digits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (const char* name : {"band1_list", "band2_list", "band3_list"})
        EXPECT_EQ(itemsOf(list(name)), digits) << name;
    EXPECT_EQ(itemsOf(list("mul_list")), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "x0.1", "x0.01"}));
    EXPECT_EQ(itemsOf(list("tol_list")),
        QStringList({"±1%", "±2%", "±0.5%", "±0.25%", "±0.10%", "±0.05%", "±5%", "±10%", "±20%"}));
    EXPECT_EQ(itemsOf(list("tempco_list")), QStringList({"100 ppm", "50 ppm", "15 ppm", "25 ppm"}));

    const char* boxes[] = {"b1v", "b2v", "b3v", "mul_v", "tol_v", "tempco_v", "res_value"};
    for (const char* name : {"band1_list", "band2_list", "band3_list", "mul_list", "tol_list", "tempco_list"}) {
        EXPECT_EQ(list(name)->currentIndex(), -1) << name;
        EXPECT_TRUE(list(name)->currentText().isEmpty()) << name;
    }
    for (const char* name : boxes) {
        EXPECT_TRUE(box(name).isEmpty()) << name;
        EXPECT_TRUE(child<QLineEdit>(panel.get(), name)->isReadOnly()) << name;
    }

    panel->tick();
    EXPECT_EQ(box("res_value"), "0");
    for (const char* name : {"b1v", "b2v", "b3v", "mul_v", "tol_v", "tempco_v"})
        EXPECT_TRUE(box(name).isEmpty()) << name;
    const std::pair<const char*, QColor> design[] = {
        {"band1_colour1", QColor(255, 128, 0)},
        {"band2_colour1", QColor(255, 0, 0)},
        {"band3_colour1", QColor(0, 255, 0)},
        {"mul_colour1", QColor(0, 0, 255)},
        {"tol_colour1", QColor(192, 0, 192)},
        {"tempco_colour1", QColor(255, 255, 0)},
    };
    for (const auto& [name, colour] : design)
        EXPECT_EQ(swatch(name)->fillColour(), colour) << name;
}

TEST_F(EncodingPanelTest, schemeEnablesAndShowsItsRows)
{
    struct Row {
        const char* option;  // nullptr: as the panel starts
        bool thirdDigit;
        bool tempco;
    };
    const Row rows[] = {{nullptr, false, false}, {"r5b1", true, false}, {"r6b1", true, true}, {"r4b1", false, false},
        {"r6b1", true, true}};
    for (const Row& row : rows) {
        if (row.option)
            choose(row.option);
        SCOPED_TRACE(row.option ? row.option : "start");
        EXPECT_EQ(swatch("mul_colour1")->isVisible(), row.thirdDigit);
        for (const char* name : {"Label7", "band3_list", "Label13", "b3v"})
            EXPECT_EQ(child<QWidget>(panel.get(), name)->isEnabled(), row.thirdDigit) << name;
        for (const char* name : {"Label24", "Label25", "tempco_list", "tempco_v"})
            EXPECT_EQ(child<QWidget>(panel.get(), name)->isEnabled(), row.tempco) << name;
        EXPECT_EQ(swatch("tempco_colour1")->isVisible(), row.tempco);
    }
}

TEST_F(EncodingPanelTest, schemeSwitchKeepsPicksAndRepaintsOnlyAtTheTick)
{
    choose("r5b1");
    pick("band1_list", "1");
    pick("band2_list", "0");
    pick("band3_list", "0");
    pick("mul_list", "3");
    pick("tol_list", "±1%");
    EXPECT_TRUE(box("b1v").isEmpty());  // nothing is written before the tick
    panel->tick();
    EXPECT_EQ(box("b1v"), "BROWN");
    EXPECT_EQ(box("tol_v"), "BROWN");
    EXPECT_EQ(box("res_value"), "100000±1%");
    EXPECT_EQ(swatch("band3_colour1")->fillColour(), colourOf(BandColour::Black));
    EXPECT_EQ(swatch("mul_colour1")->fillColour(), colourOf(BandColour::Orange));

    choose("r4b1");
    EXPECT_EQ(swatch("band3_colour1")->fillColour(), colourOf(BandColour::Black));
    panel->tick();
    EXPECT_EQ(list("band3_list")->currentText(), "0");
    EXPECT_EQ(box("b3v"), "BLACK");
    EXPECT_EQ(swatch("band3_colour1")->fillColour(), colourOf(BandColour::Orange));
    EXPECT_EQ(box("res_value"), "10000±1%");

    pick("mul_list", "x0.01");
    panel->tick();
    choose("r5b1");
    EXPECT_EQ(swatch("mul_colour1")->fillColour(), colourOf(BandColour::Orange));  // old colour until the tick
    panel->tick();
    EXPECT_EQ(swatch("mul_colour1")->fillColour(), colourOf(BandColour::Silver));
    EXPECT_EQ(box("res_value"), "1±1%");

    choose("r6b1");
    pick("tempco_list", "50 ppm");
    choose("r4b1");
    panel->tick();
    EXPECT_EQ(box("tempco_v"), "RED");
    EXPECT_EQ(swatch("tempco_colour1")->fillColour(), colourOf(BandColour::Red));
    EXPECT_FALSE(swatch("tempco_colour1")->isVisible());
}

TEST_F(EncodingPanelTest, colourWordsAreUpperCasedBeyondAscii)
{
    texts.Colour_Names[common::OrdinalOf(BandColour::Brown)] = "Marrón";
    texts.Colour_Names[common::OrdinalOf(BandColour::Violet)] = "Violeta";
    texts.None_Name = "Nenhuma";
    pick("band1_list", "1");
    pick("band2_list", "7");
    pick("tol_list", "±20%");
    panel->tick();
    EXPECT_EQ(box("b1v"), "MARRÓN");
    EXPECT_EQ(box("b2v"), "VIOLETA");
    EXPECT_EQ(box("tol_v"), "NENHUMA");
}
