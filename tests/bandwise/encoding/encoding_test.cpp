#include "bandwise/core/window_texts.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/encoding/encoding_refresh.h"
#include "bandwise/widgets/shape.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "widget_test.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QShortcut>

#include <gtest/gtest.h>

#include <memory>

using common::BandColour;
using common::BandScheme;
using namespace bandwise;

namespace {

class EncodingPanelTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        panel = std::make_unique<EncodingPanel>(palette, texts, messages, nullptr);
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

TEST_F(EncodingPanelTest, theTickWritesWordsSwatchesAndValue)
{
    const auto spoken = [this](const char* part) {
        return QAccessible::queryAccessibleInterface(child<QWidget>(panel.get(), part))->text(QAccessible::Name);
    };
    // The lists offer what each band can mean, a multiplier by its number of zeros.
    QStringList offered;
    for (const char* name : {"band1_list", "mul_list", "tol_list", "tempco_list"}) {
        for (int i = 0; i < list(name)->count(); ++i)
            offered << list(name)->itemText(i);
    }
    EXPECT_EQ(offered.join(" "),
        "0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 x0.1 x0.01 ±1% ±2% ±0.5% ±0.25% ±0.10% ±0.05% ±5% ±10% "
        "±20% 100 ppm 50 ppm 15 ppm 25 ppm");
    panel->tick();
    EXPECT_EQ(box("res_value"), "0");  // from the first tick, with nothing chosen
    EXPECT_EQ(spoken("Shape57") + ", " + spoken("band1_colour1"), "Left lead, Orange (example, no band chosen yet)");
    // A screen reader is offered to open a list, and opens it.
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(list("band1_list"))->actionInterface();
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(list("band1_list")->view()->isVisible());
    list("band1_list")->hidePopup();
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
    ui::refreshAccessibleNames(panel.get());  // as applying a language does, after a stripe is described
    EXPECT_EQ(spoken("band1_colour1"), "Marrón: 1");
    EXPECT_EQ(box("mul_v"), "ORANGE");
    EXPECT_EQ(box("res_value"), "100000±1%");
    // Brown Black Black Orange Brown mirrored: 130 Ω ±1 %.
    EXPECT_TRUE(child<QLineEdit>(panel.get(), "res_value")
                    ->toolTip()
                    .endsWith("\nFrom the other end: 130 Ω ±1 %, standard value of the E24 series"));
    EXPECT_EQ(swatch("mul_colour1"), QColor(0x56, 0x34, 0x12));

    child<QRadioButton>(panel.get(), "r4b1")->setChecked(true);
    panel->tick();
    EXPECT_EQ(swatch("band3_colour1"), QColor(0x56, 0x34, 0x12));  // four bands: the multiplier is the third stripe
    EXPECT_EQ(box("res_value"), "10000±1%");
    pick("tol_list", "±20%");  // no tolerance band: the stripe takes the body's colour
    panel->tick();
    EXPECT_EQ(std::pair(box("tol_v"), swatch("tol_colour1")), std::pair(QString("NONE"), ui::toQColor(palette.body)));
    // 1.4 kΩ is an E48 value, which no ±5 % part has; it lies between 1.3 and 1.5 kΩ of E24, the series
    // of ±5 %: (1.3 − 1.4) / 1.4 and (1.5 − 1.4) / 1.4. Its EIA-96 code is that of 140, the 15th member.
    pick("band1_list", "1");
    pick("band2_list", "4");
    pick("mul_list", "2");
    pick("tol_list", "±5%");
    panel->tick();
    EXPECT_EQ(child<QLineEdit>(panel.get(), "res_value")->toolTip(),
        "1.4 kΩ ±5 %\nFrom 1.33 kΩ to 1.47 kΩ\nNot in E24 (the ±5 % series); nearest 1.3 kΩ (−7.14 %) and 1.5 kΩ "
        "(+7.14 %); it is an E48 value\nMarked 1K4\nSMD: 142, 1401, 15B");
    const std::unique_ptr<QMenu> menu(panel->valueMenu());
    menu->actions()[menu->actions().size() - 3]->trigger();  // "Copy bands", in the order the bands stand
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Marrón Yellow Red Gold");  // Brown in the language's word
}

TEST_F(EncodingPanelTest, aTypedValueSetsTheListsOrSaysWhyNot)
{
    messages.expectMessages();
    const auto lists = [this] {
        return QString::number(static_cast<int>(panel->scheme()) + 4) + ":" + list("band1_list")->currentText() +
            list("band2_list")->currentText() + list("band3_list")->currentText() + list("mul_list")->currentText() +
            list("tol_list")->currentText();
    };
    // Asked from the menu, and from the keyboard with the value shown to start from.
    messages.typed = " 4k7 5% ";
    const std::unique_ptr<QMenu> menu(panel->valueMenu());
    menu->actions()[menu->actions().size() - 2]->trigger();  // before the finder's entry
    EXPECT_EQ(lists(), "4:472±5%");
    panel->tick();
    messages.typed.reset();
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    // Even from a text box, which claims Ctrl+E for the end of its line on X11. Offscreen it claims
    // Ctrl+C (copy) alone, so the shortcut is tried on that key.
    QLineEdit* box = child<QLineEdit>(panel.get(), "res_value");
    box->setFocus();
    panel->findChild<QShortcut*>()->setKey(QKeySequence::Copy);
    QTest::keySequence(box, QKeySequence::Copy);
    EXPECT_EQ(takeMessages(),
        std::vector<std::string>(
            {"Value and tolerance, for example 4k7 5%:|", "Value and tolerance, for example 4k7 5%:|4K7 5%"}));

    // Typed text; the answer to the offer of five bands; what is said; the scheme and lists after.
    const std::tuple<const char*, bool, std::string, QString> rows[] = {
        {"4.99k", false, "4.99 kΩ needs three significant digits, and four bands show two. Use five bands?",
            "4:472±5%"},
        {"4.99k", true, "4.99 kΩ needs three significant digits, and four bands show two. Use five bands?",
            "5:4991±5%"},
        {"four k seven", true, "\"four k seven\" does not start with a number.", "5:4991±5%"},
        {"r4b1", true, "", "4:4991±5%"},
        {"4.99k 3%", true, "No tolerance band stands for ±3 %.", "4:4991±5%"},  // five bands would not do either
        {"12.5G", true, "Bands show at most 9.99 GΩ, so they cannot show 12.5 GΩ.", "4:4991±5%"},
        // Beyond what can be typed at all, the limits are still those of the bands in use.
        {"2T", true, "Bands show at most 990 MΩ, so they cannot show 2T.", "4:4991±5%"},
        {"0.0001", true, "Bands show nothing finer than 0.01 Ω, so they cannot show 0.0001.", "4:4991±5%"},
        {"4,700", true, "\"4,700\" may mean 4.7 kΩ or 4.7 Ω: type 4K7 or 4R7.", "4:4991±5%"},
        // The largest multiplier, the smallest, a leading zero, and the limits of the scheme in use.
        {"990M 0.1%", true, "", "4:9997±0.10%"},
        {"0.47 5%", true, "", "4:479x0.01±5%"},
        {"0.01", true, "", "4:019x0.01±5%"},
        {"1G", true, "Bands show at most 990 MΩ, so they cannot show 1 GΩ.", "4:019x0.01±5%"},
        {"4.991k", true, "4.991 kΩ needs more significant digits than bands can show.", "4:019x0.01±5%"},
        {"r5b1", true, "", "5:019x0.01±5%"},
        {"1G", true, "", "5:1007±5%"},
    };
    for (const auto& [typed, answer, message, after] : rows) {
        SCOPED_TRACE(typed);
        messages.answer = answer;
        if (std::string_view(typed).ends_with("b1"))
            child<QRadioButton>(panel.get(), typed)->click();
        else
            panel->setTypedValue(typed);
        EXPECT_EQ(takeMessages(), message.empty() ? std::vector<std::string>() : std::vector {message});
        EXPECT_EQ(lists(), after);
    }
}
