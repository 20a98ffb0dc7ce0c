#include "bandwise/decoding/decoding_panel.h"

#include "bandwise/widgets/look.h"
#include "bandwise/widgets/polling_timer.h"
#include "bandwise/widgets/sample_resistor.h"
#include "bandwise/widgets/scheme_options.h"
#include "bandwise/widgets/shape.h"
#include "bandwise/widgets/text_updates.h"
#include "bandwise/widgets/value_facts.h"
#include "common/values/ohm_sign.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/naming.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

namespace bandwise {

using ui::fromView;
using ui::named;
using ui::placeInTwips;
using ui::toQColor;

using common::BandColour;
using common::BandScheme;

namespace {

QString ohmSign()
{
    return fromView(values::kOhmSign);
}

QLabel* makeLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = named(new QLabel(caption, parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

const SampleResistorNames kResistorNames = {
    "Shape12",
    "Shape13",
    "Shape25",
    "Shape26",
    "Shape14",
    "Line1",
    "Line2",
    {"band1_colour", "band2_colour", "band3_colour", "mul_colour", "tol_colour", "tempco_colour"},
};

}  // namespace

DecodingPanel::DecodingPanel(const common::BandPalette& palette, QWidget* parent)
    : QGroupBox(QStringLiteral("Convert Colour Code To Value"), parent)
    , m_palette(palette)
{
    setObjectName(QStringLiteral("Frame1"));
    m_scheme = std::make_unique<SchemeOptions>(this, SchemeOptions::Names {"Label1", {"r4b", "r5b", "r6b"}}, 1395,
        [this](BandScheme scheme) { applyScheme(scheme); });
    buildColourGroups();
    buildResultGroup();
    buildSampleResistor();
    applyScheme(BandScheme::FourBand);
    makeTitleBold(this);

    startPollingTimer(this, "Timer1", &DecodingPanel::tick);
}

DecodingPanel::~DecodingPanel() = default;

void DecodingPanel::buildColourGroups()
{
    const common::BandPalette design = common::DefaultPalette();
    const auto& groups = DecodingColourGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const ColourGroup& group = groups[g];
        auto* box = new QGroupBox(fromView(group.caption), this);
        box->setObjectName(fromView(group.name));
        placeInTwips(box, 240 + 1800 * static_cast<int>(g), 840, 1695, 2895);
        m_colourGroups[g] = box;

        auto* buttons = new QButtonGroup(box);
        int k = 0;
        for (const ColourOption& option : group.options) {
            const bool isNone = option.id == kNoToleranceBandId;
            const QString caption = isNone
                ? QStringLiteral("None")
                : fromView(common::CanonicalNameOf(*common::BandColourFromOrdinal(option.id)));
            auto* button = new QRadioButton(caption, box);
            button->setObjectName(fromView(option.name));
            placeInTwips(button, 120, 360 + 240 * k, 1215, 255);
            buttons->addButton(button, option.id);

            // The None swatch shows the button face and is never repainted.
            const QColor fill = isNone ? palette().color(QPalette::Button)
                                       : toQColor(design[*common::BandColourFromOrdinal(option.id)]);
            auto* swatch = new Shape(Shape::Kind::RoundedRectangle, fill, box);
            swatch->setObjectName(fromView(option.swatch));
            placeInTwips(swatch, 1440, 405 + 240 * k, 135, 135);
            ui::nameAfter(swatch, button);
            ++k;
        }
        const auto choose = [this, buttons, position = group.position](int id) {
            chooseColour(position, id, buttons->button(id)->text());
        };
        // Whatever checks an option (a click, a key, a screen reader's toggle action) chooses its
        // colour; a click on the checked one paints its stripe again, where the scheme now puts it.
        connect(buttons, &QButtonGroup::idToggled, this, [choose](int id, bool checked) {
            if (checked)
                choose(id);
        });
        connect(buttons, &QButtonGroup::idClicked, this, choose);
    }
}

void DecodingPanel::buildResultGroup()
{
    auto* frame = named(new QGroupBox(QStringLiteral("Result"), this), "Frame2");
    placeInTwips(frame, 240, 3840, 7095, 1095);

    QLabel* valueLabel = makeLabel("Label2", QStringLiteral("Value of resistor:"), frame);
    placeInTwips(valueLabel, 120, 280, 1245, 255);
    m_resistorValue = named(new QLineEdit(QStringLiteral("SPECIFY BAND COLOURS"), frame), "Resistor_Value");
    ui::nameAfter(m_resistorValue, valueLabel);
    offerValueMenu(m_resistorValue, [this] { return valueMenu(); });
    makeResultBox(m_resistorValue);
    placeInTwips(m_resistorValue, 1440, 240, 3255, 315);
    // 525 twips rather than 195, so that "KΩ" and "MΩ" are not clipped.
    m_unitLabel = named(new QLabel(frame), "unit_label");
    placeInTwips(m_unitLabel, 4800, 240, 525, 300);

    placeInTwips(makeLabel("Label3", QStringLiteral("Express result in:"), frame), 120, 660, 1185, 195);
    m_normalForm = named(new QRadioButton(QStringLiteral("Normal Form"), frame), "nor_form");
    m_exponentForm = named(new QRadioButton(QStringLiteral("Exponent Form"), frame), "exp_form");
    m_inUnits = named(new QRadioButton(QStringLiteral("In Units"), frame), "uni");
    placeInTwips(m_normalForm, 1440, 600, 1215, 375);
    placeInTwips(m_exponentForm, 2760, 600, 1455, 375);
    placeInTwips(m_inUnits, 4320, 600, 975, 375);
    auto* forms = new QButtonGroup(frame);
    for (QRadioButton* button : {m_normalForm, m_exponentForm, m_inUnits})
        forms->addButton(button);
    m_normalForm->setChecked(true);
    for (QRadioButton* button : {m_normalForm, m_exponentForm}) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                showPlainUnit();
        });
    }

    m_tempcoLabel = makeLabel("Label26", QStringLiteral("Temperature Coefficient:"), frame);
    placeInTwips(m_tempcoLabel, 5520, 180, 1500, 435);
    m_tempcoValue = named(new QLineEdit(frame), "tempco_value");
    ui::nameAfter(m_tempcoValue, m_tempcoLabel);
    makeResultBox(m_tempcoValue);
    placeInTwips(m_tempcoValue, 5520, 600, 1455, 315);
}

void DecodingPanel::buildSampleResistor()
{
    auto* frame = named(new QGroupBox(QStringLiteral("Sample Resistor"), this), "Frame3");
    placeInTwips(frame, 7440, 3840, 3495, 1095);
    m_resistor = std::make_unique<SampleResistor>(frame, kResistorNames, 440);
}

BandScheme DecodingPanel::scheme() const
{
    return m_scheme->scheme();
}

ResultForm DecodingPanel::resultForm() const
{
    if (m_normalForm->isChecked())
        return ResultForm::Normal;
    return m_exponentForm->isChecked() ? ResultForm::Exponent : ResultForm::InUnits;
}

void DecodingPanel::chooseColour(BandPosition position, int optionId, const QString& caption)
{
    // The stripe tells its colour, in the option's words, and what it means where it is.
    const auto describe = [&caption](Shape* stripe, std::string_view meaning) {
        stripe->describe(caption + QStringLiteral(": ") + fromView(meaning));
    };
    if (position == BandPosition::Tolerance && optionId == kNoToleranceBandId) {
        m_selection.tolerance = common::ToleranceChoice::None();
        // No band: the stripe blends into the body.
        Shape* stripe = m_resistor->stripe(SampleResistor::ToleranceStripe);
        stripe->setFillColour(toQColor(m_palette.body));
        describe(stripe, common::ToleranceTextOf(common::ToleranceChoice::None()).value_or(""));
        return;
    }
    const std::optional<BandColour> colour = common::BandColourFromOrdinal(optionId);
    if (!colour)
        return;

    SampleResistor::Stripe stripe = SampleResistor::FirstStripe;
    common::StripeKind kind = common::StripeKind::Digit;
    switch (position) {
    case BandPosition::First:
        m_selection.firstBand = colour;
        stripe = SampleResistor::FirstStripe;
        break;
    case BandPosition::Second:
        m_selection.secondBand = colour;
        stripe = SampleResistor::SecondStripe;
        break;
    case BandPosition::Third:
        m_selection.thirdBand = colour;
        stripe = SampleResistor::ThirdStripe;
        break;
    case BandPosition::Multiplier:
        m_selection.multiplier = colour;
        // In a four-band resistor the third stripe is the multiplier.
        stripe = scheme() == BandScheme::FourBand ? SampleResistor::ThirdStripe : SampleResistor::MultiplierStripe;
        kind = common::StripeKind::Multiplier;
        break;
    case BandPosition::Tolerance:
        m_selection.tolerance = common::ToleranceChoice(*colour);
        stripe = SampleResistor::ToleranceStripe;
        kind = common::StripeKind::Tolerance;
        break;
    case BandPosition::Tempco:
        m_selection.tempco = colour;
        stripe = SampleResistor::TempcoStripe;
        kind = common::StripeKind::Tempco;
        break;
    }
    m_resistor->stripe(stripe)->setFillColour(toQColor(m_palette[*colour]));
    describe(m_resistor->stripe(stripe), common::MeaningOn(kind, *colour).value_or(""));
}

void DecodingPanel::applyScheme(BandScheme scheme)
{
    const bool threeDigits = scheme != BandScheme::FourBand;
    const bool sixBand = scheme == BandScheme::SixBand;
    m_colourGroups[static_cast<int>(BandPosition::Third)]->setEnabled(threeDigits);
    m_resistor->stripe(SampleResistor::MultiplierStripe)->setVisible(threeDigits);
    m_colourGroups[static_cast<int>(BandPosition::Tempco)]->setEnabled(sixBand);
    m_resistor->stripe(SampleResistor::TempcoStripe)->setVisible(sixBand);
    m_tempcoLabel->setEnabled(sixBand);
    m_tempcoValue->setEnabled(sixBand);
}

QMenu* DecodingPanel::valueMenu()
{
    // The chosen bands in the order they stand on the resistor, in the options' words.
    const std::optional<values::TypedValue> reading = ExactReading(m_selection, scheme());
    QStringList bands;
    for (QGroupBox* group : m_colourGroups) {
        if (!group->isEnabled())
            continue;
        for (const QRadioButton* option : group->findChildren<QRadioButton*>()) {
            if (option->isChecked())
                bands << option->text();
        }
    }
    QMenu* menu = bandwise::valueMenu(m_resistorValue, reading, reading ? bands : QStringList());
    addFinderEntry(menu, [this] { Q_EMIT findStandardValuesAsked(); });
    return menu;
}

std::optional<values::TypedValue> DecodingPanel::shownValue() const
{
    std::optional<values::TypedValue> reading = ExactReading(m_selection, scheme());
    return reading && values::Decimal {} < reading->ohms ? reading : std::nullopt;
}

DecodingOutput DecodingPanel::compute() const
{
    return ComputeDecodingResult(m_selection, scheme(), resultForm(), locale().decimalPoint().toStdString());
}

void DecodingPanel::showPlainUnit()
{
    updateText(m_unitLabel, ohmSign());
    // A value kept from digits the current scheme no longer has (say 47 for 47 KΩ, after a switch
    // to five bands) would now read as 47 Ω: it gives way to the prompt until the digits are there.
    if (m_promptText && !compute().resistorValue) {
        updateText(m_resistorValue, *m_promptText);
        showValueFacts(m_resistorValue, std::nullopt, std::nullopt);
        m_factsFor.reset();
    }
}

void DecodingPanel::tick()
{
    const DecodingOutput output = compute();
    // The prompt is whatever the box shows before its first value, the language's text included.
    if (output.resistorValue && !m_promptText)
        m_promptText = m_resistorValue->text();
    if (output.resistorValue) {
        updateText(m_resistorValue, QString::fromStdString(*output.resistorValue));
        // Not only when the text changes: a new temperature band changes the reading from the other end.
        if (m_factsFor != std::pair(m_selection, scheme())) {
            m_factsFor = std::pair(m_selection, scheme());
            const std::optional<DecodingSelection> mirrored = FromTheOtherEnd(m_selection, scheme());
            showValueFacts(m_resistorValue, ExactReading(m_selection, scheme()),
                mirrored ? ExactReading(*mirrored, scheme()) : std::nullopt);
        }
    }
    if (output.unitCaption)
        updateText(m_unitLabel, QString::fromStdString(*output.unitCaption));
    if (output.tempcoValue)
        updateText(m_tempcoValue, QString::fromStdString(*output.tempcoValue));
}

}  // namespace bandwise
