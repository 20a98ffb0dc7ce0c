#include "band_meanings.h"
#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/shape.h"
#include "ui/colours.h"
#include "widget_test.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>
#include <set>

using bandwise::DecodingPanel;
using bandwise::Shape;
using common::BandColour;

namespace {

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
    void click(const char* name) { WidgetTest::click(child<QAbstractButton>(window.get(), name)); }
    QString value() const { return child<QLineEdit>(window.get(), "Resistor_Value")->text(); }
    QString unit() const { return child<QLabel>(window.get(), "unit_label")->text(); }
    QColor stripe(const char* name) const { return child<Shape>(window.get(), name)->fillColour(); }
    static QColor colour(BandColour band) { return ui::toQColor(common::DefaultPalette()[band]); }

    std::unique_ptr<bandwise::MainWindow> window;
    DecodingPanel* panel = nullptr;
};

}  // namespace

TEST_F(DecodingPanelTest, eachGroupOffersTheColoursThatMeanSomethingThere)
{
    using Meaning = testsupport::BandMeaning;
    const std::pair<const char*, std::function<bool(const Meaning&)>> groups[] = {
        {"band1", [](const Meaning& m) { return m.digit.has_value(); }},
        {"band2", [](const Meaning& m) { return m.digit.has_value(); }},
        {"band3", [](const Meaning& m) { return m.digit.has_value(); }},
        {"mul", [](const Meaning& m) { return m.exponent || m.factor; }},
        {"tol", [](const Meaning& m) { return m.tolerance.has_value(); }},
        {"tempco", [](const Meaning& m) { return m.tempco.has_value(); }},
    };
    for (const auto& [group, means] : groups) {
        std::set<QString> expected;
        for (const Meaning& meaning : testsupport::BandMeanings()) {
            if (means(meaning))
                expected.insert(QString::fromStdString(meaning.name));
        }
        if (QString::fromLatin1(group) == "tol")
            expected.insert(QStringLiteral("None"));
        std::set<QString> offered;
        for (const QRadioButton* option : child<QGroupBox>(window.get(), group)->findChildren<QRadioButton*>())
            offered.insert(option->text());
        EXPECT_EQ(offered, expected) << group;
    }
}

TEST_F(DecodingPanelTest, clicksPaintStripesAndTheTickWritesTheResult)
{
    EXPECT_EQ(value(), "SPECIFY BAND COLOURS");
    click("ye1");
    click("vi2");
    click("orm");
    click("got");
    EXPECT_EQ(stripe("band1_colour"), colour(BandColour::Yellow));
    EXPECT_EQ(stripe("band3_colour"), colour(BandColour::Orange));  // a four-band multiplier is the third stripe
    EXPECT_EQ(stripe("tol_colour"), colour(BandColour::Gold));
    EXPECT_EQ(value(), "SPECIFY BAND COLOURS");  // nothing is computed before the tick
    panel->tick();
    EXPECT_EQ(value(), "47000±5%");
    click("uni");
    panel->tick();
    EXPECT_EQ(value(), "47±5%");
    EXPECT_EQ(unit(), "KΩ");
    click("nont");
    EXPECT_EQ(stripe("tol_colour"), ui::toQColor(common::DefaultPalette().body));

    // Switching to five bands keeps the last result until the third digit is chosen.
    click("r5b");
    click("bum");
    EXPECT_EQ(stripe("mul_colour"), colour(BandColour::Blue));
    panel->tick();
    EXPECT_EQ(value(), "47±5%");
    click("bl3");
    panel->tick();
    EXPECT_EQ(value(), "470±20%");
    EXPECT_EQ(unit(), "MΩ");
    for (const char* form : {"exp_form", "nor_form"}) {
        click("uni");
        panel->tick();
        ASSERT_EQ(unit(), "MΩ");
        click(form);
        EXPECT_EQ(unit(), "Ω") << form;  // at once, before the value follows at the tick
    }
}

TEST_F(DecodingPanelTest, schemeEnablesItsGroupsAndStripes)
{
    const std::tuple<const char*, bool, bool> rows[] = {
        {"r5b", true, false}, {"r6b", true, true}, {"r4b", false, false}};
    for (const auto& [option, third, tempco] : rows) {
        click(option);
        EXPECT_EQ(child<QGroupBox>(window.get(), "band3")->isEnabled(), third) << option;
        EXPECT_EQ(child<Shape>(window.get(), "mul_colour")->isVisible(), third) << option;
        EXPECT_EQ(child<QGroupBox>(window.get(), "tempco")->isEnabled(), tempco) << option;
        EXPECT_EQ(child<Shape>(window.get(), "tempco_colour")->isVisible(), tempco) << option;
        EXPECT_EQ(child<QLineEdit>(window.get(), "tempco_value")->isEnabled(), tempco) << option;
    }
    click("r6b");
    click("retc");
    panel->tick();
    EXPECT_EQ(child<QLineEdit>(window.get(), "tempco_value")->text(), "50 ppm");
}

TEST_F(DecodingPanelTest, decimalSeparatorFollowsTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    openWindow();
    click("ye1");
    click("vi2");
    click("sim");
    panel->tick();
    EXPECT_EQ(value(), "0,47");
}
