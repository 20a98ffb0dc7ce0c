#include "band_meanings.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/shell/window_texts.h"
#include "bandwise/widgets/shape.h"
#include "ui/colours.h"
#include "widget_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>

using bandwise::EncodingPanel;
using bandwise::Shape;
using common::BandColour;

namespace {

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
    void pick(const char* name, const QString& item) const { list(name)->setCurrentText(item); }
    QString box(const char* name) const { return child<QLineEdit>(panel.get(), name)->text(); }
    QColor swatch(const char* name) const { return child<Shape>(panel.get(), name)->fillColour(); }

    common::BandPalette palette = common::DefaultPalette();
    bandwise::WindowTexts texts;
    std::unique_ptr<EncodingPanel> panel;
};

}  // namespace

TEST_F(EncodingPanelTest, listsOfferEveryMeaningAndStartEmpty)
{
    for (const testsupport::BandMeaning& meaning : testsupport::BandMeanings()) {
        SCOPED_TRACE(meaning.name);
        const auto offers = [this](const char* name, const auto& item) {
            return !item || list(name)->findText(QString::fromStdString(*item)) >= 0;
        };
        const auto text = [](const std::optional<int>& n) {
            return n ? std::optional(std::to_string(*n)) : std::nullopt;
        };
        EXPECT_TRUE(offers("band3_list", text(meaning.digit)));
        EXPECT_TRUE(offers("mul_list", text(meaning.exponent)));
        EXPECT_TRUE(offers("tol_list", meaning.tolerance));
        EXPECT_TRUE(offers("tempco_list", meaning.tempco));
    }
    EXPECT_EQ(list("band1_list")->count(), 10);
    EXPECT_EQ(list("mul_list")->count(), 10);
    for (const char* name : {"band1_list", "mul_list", "tol_list"})
        EXPECT_EQ(list(name)->currentIndex(), -1) << name;
    panel->tick();
    EXPECT_EQ(box("res_value"), "0");
    EXPECT_TRUE(box("b1v").isEmpty());
}

TEST_F(EncodingPanelTest, theTickWritesWordsSwatchesAndValue)
{
    texts.Colour_Names[common::OrdinalOf(BandColour::Brown)] = "Marrón";
    palette.bands[common::OrdinalOf(BandColour::Orange)] = common::DisplayColour {0x123456};
    child<QRadioButton>(panel.get(), "r5b1")->setChecked(true);
    pick("band1_list", "1");
    pick("band2_list", "0");
    pick("band3_list", "0");
    pick("mul_list", "3");
    pick("tol_list", "±1%");
    EXPECT_TRUE(box("b1v").isEmpty());  // nothing is written before the tick
    panel->tick();
    EXPECT_EQ(box("b1v"), "MARRÓN");  // upper-cased beyond ASCII
    EXPECT_EQ(box("mul_v"), "ORANGE");
    EXPECT_EQ(box("res_value"), "100000±1%");
    EXPECT_EQ(swatch("mul_colour1"), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(swatch("band3_colour1"), ui::toQColor(palette[BandColour::Black]));

    child<QRadioButton>(panel.get(), "r4b1")->setChecked(true);
    panel->tick();
    EXPECT_EQ(swatch("band3_colour1"), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(box("res_value"), "10000±1%");
}

TEST_F(EncodingPanelTest, schemeEnablesAndShowsItsRows)
{
    const std::tuple<const char*, bool, bool> rows[] = {
        {"r5b1", true, false}, {"r6b1", true, true}, {"r4b1", false, false}};
    for (const auto& [option, third, tempco] : rows) {
        child<QRadioButton>(panel.get(), option)->setChecked(true);
        SCOPED_TRACE(option);
        EXPECT_EQ(child<Shape>(panel.get(), "mul_colour1")->isVisible(), third);
        for (const char* name : {"Label7", "band3_list", "Label13", "b3v"})
            EXPECT_EQ(child<QWidget>(panel.get(), name)->isEnabled(), third) << name;
        for (const char* name : {"Label24", "Label25", "tempco_list", "tempco_v"})
            EXPECT_EQ(child<QWidget>(panel.get(), name)->isEnabled(), tempco) << name;
        EXPECT_EQ(child<Shape>(panel.get(), "tempco_colour1")->isVisible(), tempco);
    }
}
