#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/decoding/decoding_result.h"
#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/shape.h"
#include "ui/colours.h"
#include "ui/naming.h"
#include "widget_test.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTextDocument>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

using namespace bandwise;
using common::BandColour;
using common::BandScheme;

namespace {

// "47" moved `places` decimal places: to the right with zeros, or to the left with a point.
std::string shifted(const std::string& digits, int places)
{
    if (places >= 0)
        return digits + std::string(places, '0');
    const std::string padded = std::string(std::max(0, -places - int(digits.size()) + 1), '0') + digits;
    return padded.substr(0, padded.size() + places) + "." + padded.substr(padded.size() + places);
}

std::optional<std::string> value(const DecodingSelection& selection, BandScheme scheme, ResultForm form)
{
    return ComputeDecodingResult(selection, scheme, form, ".").resistorValue;
}

class DecodingPanelTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
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

TEST(DecodingResult, everyMultiplierInEveryForm)
{
    DecodingSelection selection;
    selection.firstBand = BandColour::Yellow;
    selection.secondBand = BandColour::Violet;
    selection.thirdBand = BandColour::White;  // not a digit of a four-band resistor
    EXPECT_EQ(value(selection, BandScheme::FourBand, ResultForm::Normal), "47");  // no multiplier yet: 10^0
    for (BandColour colour : common::kAllBandColours) {
        const std::optional<int> power = common::MultiplierPowerOf(colour);
        if (!power)
            continue;
        SCOPED_TRACE(common::CanonicalNameOf(colour));
        selection.multiplier = colour;
        const int places = *power;
        EXPECT_EQ(value(selection, BandScheme::FourBand, ResultForm::Normal), shifted("47", places));
        EXPECT_EQ(value(selection, BandScheme::FourBand, ResultForm::Exponent),
            places > 0 ? "47E" + std::to_string(places) : shifted("47", places));
        // Units follow the exponent alone: kilo from 10^3, mega from 10^6.
        const int prefixPower = places >= 6 ? 6 : places >= 3 ? 3 : 0;
        const auto units = ComputeDecodingResult(selection, BandScheme::FourBand, ResultForm::InUnits, ".");
        EXPECT_EQ(units.resistorValue, shifted("47", places - prefixPower));
        EXPECT_EQ(units.unitCaption, std::string(prefixPower == 6 ? "M" : prefixPower == 3 ? "K" : "") + "Ω");
    }
    EXPECT_EQ(ComputeDecodingResult(selection, BandScheme::FourBand, ResultForm::Normal, ",").resistorValue, "0,47");
}

TEST(DecodingResult, theStripesReadFromTheOtherEndWhenEachMeansSomethingThere)
{
    using enum BandColour;
    const common::ToleranceChoice none = common::ToleranceChoice::None();
    // Scheme, the selection, and what its stripes read from the other end ("" for nothing).
    const std::tuple<BandScheme, DecodingSelection, std::string_view> rows[] = {
        {BandScheme::FiveBand, {Brown, Black, Black, Red, Brown, {}}, "120 1%"},  // 10 kΩ ±1 %
        {BandScheme::FourBand, {Brown, Black, {}, Red, Brown, {}}, "12 1%"},
        {BandScheme::FourBand, {Brown, Black, White, Red, none, {}}, "200 20%"},  // three stripes
        {BandScheme::SixBand, {Brown, Red, Black, Black, Brown, Red}, "210 2%"},
        {BandScheme::FourBand, {Yellow, Violet, {}, Red, Gold, {}}, ""},  // gold is no digit
        {BandScheme::FourBand, {Brown, Black, {}, Black, none, {}}, ""},  // nor is black a first digit
        {BandScheme::FiveBand, {Brown, White, Red, Brown, Brown, {}}, ""},  // white is no multiplier
        {BandScheme::FiveBand, {White, Red, Red, Brown, Brown, {}}, ""},  // nor a tolerance
        {BandScheme::SixBand, {Green, Red, Black, Black, Brown, Red}, ""},  // green is no temperature band
        {BandScheme::FiveBand, {Red, Red, Red, Red, Red, {}}, ""},  // the same both ways
        {BandScheme::SixBand, {Brown, Red, Black, Black, Brown, {}}, ""},  // not every stripe chosen
        {BandScheme::SixBand, {Brown, Red, Black, Black, none, Red}, ""},  // six bands always have a tolerance band
    };
    for (const auto& [scheme, selection, expected] : rows) {
        SCOPED_TRACE(std::string(expected));
        const std::optional<DecodingSelection> mirrored = FromTheOtherEnd(selection, scheme);
        EXPECT_EQ(mirrored ? ExactReading(*mirrored, scheme) : std::nullopt,
            expected.empty() ? std::nullopt : values::ReadTypedValue(expected).value);
    }
}

TEST_F(DecodingPanelTest, everyOptionMeansItsColourInItsBandAndShowsItBeside)
{
    using Kind = common::StripeKind;
    // Each group, the stripe it paints in a six-band resistor, and what its colours say there.
    const std::tuple<const char*, const char*, Kind> groups[] = {{"band1", "band1_colour", Kind::Digit},
        {"band2", "band2_colour", Kind::Digit}, {"band3", "band3_colour", Kind::Digit},
        {"mul", "mul_colour", Kind::Multiplier}, {"tol", "tol_colour", Kind::Tolerance},
        {"tempco", "tempco_colour", Kind::Tempco}};
    click("r6b");
    for (const auto& [group, stripeName, kind] : groups) {
        // Each option and what its stripe then says: its colour and what that colour means there.
        std::map<QString, QString> expected, offered;
        std::map<QString, QColor> painted = {{"None", ui::toQColor(common::DefaultPalette().body)}};
        for (BandColour colour : common::kAllBandColours) {
            const QString name = ui::fromView(common::CanonicalNameOf(colour));
            painted[name] = this->colour(colour);
            if (const auto said = common::MeaningOn(kind, colour))
                expected[name] = name + ": " + QString::fromStdString(*said);
        }
        if (kind == Kind::Tolerance)  // no tolerance band: the stripe takes the body colour
            expected["None"] =
                "None: " + QString::fromStdString(*common::ToleranceTextOf(common::ToleranceChoice::None()));
        auto* box = child<QGroupBox>(window.get(), group);
        for (QRadioButton* option : box->findChildren<QRadioButton*>()) {
            SCOPED_TRACE(option->objectName().toStdString());
            WidgetTest::click(option);
            offered[option->text()] = child<Shape>(window.get(), stripeName)->toolTip();
            // The stripe takes the option's colour, and so does the one swatch on the option's row.
            QList<QColor> beside;
            for (const Shape* swatch : box->findChildren<Shape*>()) {
                if (std::abs(swatch->geometry().center().y() - option->geometry().center().y()) < 4)
                    beside << (option->objectName() == "nont" ? painted.at("None") : swatch->fillColour());
            }
            EXPECT_EQ(beside << stripe(stripeName), QList<QColor>(2, painted.at(option->text())));
        }
        EXPECT_EQ(offered, expected) << group;
    }
}

TEST_F(DecodingPanelTest, theTickWritesTheResultOfTheClicksSoFar)
{
    click("ye1");
    // Options checked otherwise than by a click choose their colour too: a screen reader's toggle.
    for (const char* option : {"vi2", "orm", "got", "uni"}) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(child<QRadioButton>(window.get(), option));
        button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }
    EXPECT_EQ(stripe("band3_colour"), colour(BandColour::Orange));  // a four-band multiplier is the third stripe
    EXPECT_EQ(value(), "SPECIFY BAND COLOURS");  // nothing is computed before the tick
    panel->tick();
    EXPECT_EQ(value(), "47±5%");
    EXPECT_EQ(child<QLineEdit>(window.get(), "Resistor_Value")->cursorPosition(), 0);  // shown from its start
    EXPECT_EQ(unit(), "KΩ");
    // Results show on grey, also where a scheme disables them, as drawn beside the value's end;
    // groups are framed in the theme's mid shade.
    for (const char* name : {"Resistor_Value", "tempco_value"}) {
        const QImage drawn = child<QLineEdit>(window.get(), name)->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(drawn.width() - 4, drawn.height() / 2), QColor(0xE0, 0xE0, 0xE0)) << name;
    }
    const QImage group = child<QGroupBox>(window.get(), "band1")->grab().toImage();
    EXPECT_EQ(group.pixelColor(0, group.height() / 2).name(), window->palette().color(QPalette::Mid).name());
    // 47 kΩ ±5 % spans 47 000 × 0.95 to × 1.05; 47 is in every series down to E3 (10, 22, 47).
    EXPECT_EQ(child<QLineEdit>(window.get(), "Resistor_Value")->toolTip(),
        "47 kΩ ±5 %\nFrom 44.65 kΩ to 49.35 kΩ\nStandard value of the E3 series\nMarked 47K\nSMD: 473, 4702");
    // Its menu copies the value in either form, and the bands as their options name them, set
    // apart from the box's own entries.
    const std::unique_ptr<QMenu> menu(panel->valueMenu());
    QStringList copied;  // what follows the last separator, up to the finder's entry at the end
    for (QAction* action : menu->actions().mid(0, menu->actions().size() - 1)) {
        if (action->isSeparator()) {
            copied.clear();
            continue;
        }
        action->trigger();
        copied << action->text() + " = " + QGuiApplication::clipboard()->text();
    }
    EXPECT_EQ(copied.join("; "), "Copy as 47 kΩ = 47 kΩ; Copy as 47K = 47K; Copy bands = Yellow Violet Orange Gold");
    // Five bands keep the last result until the third digit is chosen.
    for (const char* option : {"r5b", "bum", "nont"})
        click(option);
    panel->tick();
    EXPECT_EQ(value(), "47±5%");
    EXPECT_EQ(unit(), "KΩ");
    // Back to ohms, that value would read 47 Ω: the prompt returns until the digits are complete.
    click("nor_form");
    EXPECT_EQ(std::pair(value(), unit()), std::pair(QString("SPECIFY BAND COLOURS"), QString("Ω")));
    EXPECT_TRUE(child<QLineEdit>(window.get(), "Resistor_Value")->toolTip().isEmpty());  // nor does 47 kΩ's tooltip
    click("uni");
    click("bl3");
    panel->tick();
    EXPECT_EQ(value(), "470±20%");
    EXPECT_EQ(unit(), "MΩ");
    EXPECT_EQ(testsupport::layoutFaults(window.get()), QStringList());  // "MΩ" too
    for (const char* form : {"exp_form", "nor_form"}) {
        click("uni");
        panel->tick();
        ASSERT_EQ(unit(), "MΩ");
        click(form);
        EXPECT_EQ(unit(), "Ω") << form;  // at once, before the value follows at the tick
        EXPECT_NE(value(), "SPECIFY BAND COLOURS");  // a complete value is no reason for the prompt
    }
}

TEST_F(DecodingPanelTest, hoveringAStripeShowsWhatItMeansAsPlainText)
{
    // A language file's caption that looks like markup is shown as it is written.
    child<QRadioButton>(window.get(), "ye1")->setText("<b>Yellow</b>");
    click("ye1");
    const auto hover = [this](const char* name) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        const Shape* shape = child<Shape>(window.get(), name);
        QTest::mouseMove(shape->parentWidget(), shape->geometry().center() + QPoint(1, 0));
        QTest::mouseMove(shape->parentWidget(), shape->geometry().center());
        const bool shown = QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1500);
        QTextDocument document;
        document.setHtml(QToolTip::text());
        return shown ? document.toPlainText() : QString();
    };
    EXPECT_EQ(hover("band1_colour"), "<b>Yellow</b>: 4");
    EXPECT_EQ(hover("band2_colour"), "Red (example, no band chosen yet)");
    EXPECT_EQ(hover("mul_colour"), "");  // hidden: a four-band resistor has no multiplier stripe there
    // Without a tolerance any series will do, and 48 kΩ is in none; 0 Ω is no value to tell or copy.
    const auto facts = [this] { return child<QLineEdit>(window.get(), "Resistor_Value")->toolTip(); };
    click("ge2");
    click("orm");
    panel->tick();
    EXPECT_EQ(facts(), "48 kΩ\nNot a standard value\nMarked 48K\nSMD: 483, 4802");
    click("bl1");
    click("bl2");
    panel->tick();
    const std::unique_ptr<QMenu> zero(panel->valueMenu());
    const QList<QAction*> entries = zero->actions();
    EXPECT_EQ(facts() + entries[entries.size() - 3]->text() + entries[entries.size() - 2]->text(), "Copy bands");
}
