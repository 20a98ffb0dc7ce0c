#include "bandwise/encoding/encoding_panel.h"

#include "bandwise/core/window_texts.h"
#include "bandwise/widgets/look.h"
#include "bandwise/widgets/polling_timer.h"
#include "bandwise/widgets/reading_problem.h"
#include "bandwise/widgets/sample_resistor.h"
#include "bandwise/widgets/scheme_options.h"
#include "bandwise/widgets/shape.h"
#include "bandwise/widgets/text_updates.h"
#include "bandwise/widgets/value_facts.h"
#include "common/values/notation.h"
#include "platform/message_presenter.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/keyboard.h"
#include "ui/naming.h"
#include "ui/twips.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QShortcut>

namespace bandwise {

namespace {

// The texts of "Set value…", translated with Qt's tools like the value facts.
struct EntryTexts {
    Q_DECLARE_TR_FUNCTIONS(ValueEntry)
};

const QKeySequence kSetValueKey(Qt::CTRL | Qt::Key_E);

}  // namespace

using ui::fromView;
using ui::named;
using ui::placeInTwips;
using ui::toQColor;

using common::BandScheme;

namespace {

const SampleResistorNames kResistorNames = {
    "Shape57",
    "Shape63",
    "Shape61",
    "Shape60",
    "Shape62",
    "Line4",
    "Line3",
    {"band1_colour1", "band2_colour1", "band3_colour1", "mul_colour1", "tol_colour1", "tempco_colour1"},
};

struct RowNames {
    const char* parameterLabel;
    const char* parameterCaption;
    const char* list;
    const char* resultLabel;
    const char* resultCaption;
    const char* resultBox;
};

const std::array<RowNames, kEncodingRowCount> kRows = {{
    {"Label5", "First Digit:", "band1_list", "Label11", "First Band:", "b1v"},
    {"Label6", "Second Digit:", "band2_list", "Label12", "Second Band:", "b2v"},
    {"Label7", "Third Digit:", "band3_list", "Label13", "Third Band:", "b3v"},
    {"Label8", "Multiplier:", "mul_list", "Label14", "Multiplier Band:", "mul_v"},
    {"Label9", "Tolerance:", "tol_list", "Label15", "Tolerance Band:", "tol_v"},
    {"Label24", "Temp. Coeff.:", "tempco_list", "Label25", "Temp. Coeff. Band:", "tempco_v"},
}};

void addItems(QComboBox* list, EncodingRow row)
{
    for (const ListItem& item : ListItems(row))
        list->addItem(QString::fromStdString(item.text), item.id);
    list->setCurrentIndex(-1);
}

}  // namespace

EncodingPanel::EncodingPanel(
    const common::BandPalette& palette, const WindowTexts& texts, platform::MessagePresenter& messages, QWidget* parent)
    : QGroupBox(QStringLiteral("Convert Value To Colour Code"), parent)
    , m_palette(palette)
    , m_texts(texts)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("Frame4"));
    m_scheme = std::make_unique<SchemeOptions>(this, SchemeOptions::Names {"Label4", {"r4b1", "r5b1", "r6b1"}}, 1335,
        [this](BandScheme scheme) { applyScheme(scheme); });
    buildValueGroup();
    buildParameterAndResultGroups();
    applyScheme(BandScheme::FourBand);
    makeTitleBold(this);

    startPollingTimer(this, "Timer2", &EncodingPanel::tick);
    auto* setValue = new QShortcut(kSetValueKey, this);
    setValue->setContext(Qt::WindowShortcut);
    connect(setValue, &QShortcut::activated, this, &EncodingPanel::askForValue);
    new ui::ShortcutOverTextBoxes(setValue);
}

EncodingPanel::~EncodingPanel() = default;

void EncodingPanel::buildValueGroup()
{
    auto* frame = named(new QGroupBox(QStringLiteral("Resistor Value"), this), "Frame9");
    placeInTwips(frame, 240, 840, 3135, 1095);
    m_resValue = named(new QLineEdit(frame), "res_value");
    offerValueMenu(m_resValue, [this] { return valueMenu(); });
    makeResultBox(m_resValue);
    placeInTwips(m_resValue, 120, 480, 2535, 300);
    auto* ohm = named(new QLabel(frame), "omega_symbol_1");
    placeInTwips(ohm, 2760, 480, 195, 300);

    auto* drawing = named(new QGroupBox(QStringLiteral("Sample Resistor"), this), "Frame7");
    placeInTwips(drawing, 3480, 840, 3495, 1095);
    m_resistor = std::make_unique<SampleResistor>(drawing, kResistorNames, 435);
}

void EncodingPanel::buildParameterAndResultGroups()
{
    auto* parameters = named(new QGroupBox(QStringLiteral("Resistor Parameters"), this), "Frame5");
    placeInTwips(parameters, 240, 2040, 3135, 2655);
    auto* results = named(new QGroupBox(QStringLiteral("Result"), this), "Frame6");
    placeInTwips(results, 3480, 2040, 3495, 2655);

    const std::array<int, kEncodingRowCount> listTops = {360, 720, 1080, 1440, 1800, 2160};
    const std::array<int, kEncodingRowCount> boxTops = {315, 680, 1035, 1395, 1755, 2115};
    for (int row = 0; row < kEncodingRowCount; ++row) {
        const RowNames& names = kRows[row];
        // Each label is as tall as its list or box and centred, so that the texts share a line.
        m_parameterLabels[row] =
            named(new QLabel(QString::fromUtf8(names.parameterCaption), parameters), names.parameterLabel);
        placeInTwips(m_parameterLabels[row], 240, listTops[row], 1275, 315);
        m_lists[row] = named(new QComboBox(parameters), names.list);
        placeInTwips(m_lists[row], 1560, listTops[row], 1335, 315);
        ui::nameAfter(m_lists[row], m_parameterLabels[row]);

        m_resultLabels[row] = named(new QLabel(QString::fromUtf8(names.resultCaption), results), names.resultLabel);
        placeInTwips(m_resultLabels[row], 240, boxTops[row], 1635, 300);
        m_resultBoxes[row] = named(new QLineEdit(results), names.resultBox);
        makeResultBox(m_resultBoxes[row]);
        placeInTwips(m_resultBoxes[row], 1920, boxTops[row], 1335, 300);
        ui::nameAfter(m_resultBoxes[row], m_resultLabels[row]);
    }
    for (EncodingRow row : {MultiplierRow, ToleranceRow, TempcoRow})
        addItems(m_lists[row], row);
}

void EncodingPanel::fillDigitLists()
{
    for (EncodingRow row : {FirstDigitRow, SecondDigitRow, ThirdDigitRow})
        addItems(m_lists[row], row);
}

BandScheme EncodingPanel::scheme() const
{
    return m_scheme->scheme();
}

void EncodingPanel::applyScheme(BandScheme scheme)
{
    const bool threeDigits = scheme != BandScheme::FourBand;
    const bool sixBand = scheme == BandScheme::SixBand;
    m_resistor->stripe(SampleResistor::MultiplierStripe)->setVisible(threeDigits);
    m_parameterLabels[ThirdDigitRow]->setEnabled(threeDigits);
    m_lists[ThirdDigitRow]->setEnabled(threeDigits);
    m_resultLabels[ThirdDigitRow]->setEnabled(threeDigits);
    m_resultBoxes[ThirdDigitRow]->setEnabled(threeDigits);
    m_parameterLabels[TempcoRow]->setEnabled(sixBand);
    m_resultLabels[TempcoRow]->setEnabled(sixBand);
    m_lists[TempcoRow]->setEnabled(sixBand);
    m_resultBoxes[TempcoRow]->setEnabled(sixBand);
    m_resistor->stripe(SampleResistor::TempcoStripe)->setVisible(sixBand);
}

QMenu* EncodingPanel::valueMenu()
{
    // The chosen bands in the order they stand on the resistor: the lists of the scheme.
    QStringList bands;
    for (int row = 0; row < kEncodingRowCount; ++row) {
        if (m_colourNames[row] && m_lists[row]->isEnabled())
            bands << QString::fromStdString(*m_colourNames[row]);
    }
    QMenu* menu = bandwise::valueMenu(m_resValue, m_reading, m_reading ? bands : QStringList());
    QAction* setValue = menu->addAction(EntryTexts::tr("Set value\u2026"));
    setValue->setShortcut(kSetValueKey);
    connect(setValue, &QAction::triggered, this, &EncodingPanel::askForValue);
    addFinderEntry(menu, [this] { Q_EMIT findStandardValuesAsked(); });
    return menu;
}

std::optional<values::TypedValue> EncodingPanel::shownValue() const
{
    return m_reading && values::Decimal {} < m_reading->ohms ? m_reading : std::nullopt;
}

void EncodingPanel::askForValue()
{
    // The value shown, in a form the reader takes back whatever the locale, to edit or type over.
    QString shown;
    if (const std::optional<values::TypedValue> value = shownValue()) {
        shown = QString::fromStdString(values::RkmText(value->ohms));
        if (value->tolerancePercent)
            shown += QLatin1Char(' ') + QString::fromStdString(values::DecimalText(*value->tolerancePercent)) +
                QLatin1Char('%');
    }
    // The dialog's own OK and Cancel, as Qt's would stay English in a translated window.
    const std::optional<QString> typed =
        m_messages.askText(EntryTexts::tr("Set value"), EntryTexts::tr("Value and tolerance, for example 4k7 5%:"),
            shown, EntryTexts::tr("OK"), EntryTexts::tr("Cancel"));
    if (typed)
        setTypedValue(*typed);
}

void EncodingPanel::setTypedValue(const QString& text)
{
    const auto refuse = [this](const QString& why) {
        m_messages.show(platform::MessageIcon::Warning, QStringLiteral("Bandwise"), why);
    };
    const values::ValueReading reading = values::ReadTypedValue(text.toStdString());
    const std::string separator = locale().decimalPoint().toStdString();
    const auto ohms = [&separator](values::Decimal value) {
        return QString::fromStdString(values::EngineeringText(value, separator));
    };
    // Beyond what the reader takes, the limits told are those of the bands in use.
    if (reading.error == values::ValueError::TooSmall)
        return refuse(
            EntryTexts::tr("Bands show nothing finer than 0.01 \u03A9, so they cannot show %1.").arg(text.trimmed()));
    if (reading.error == values::ValueError::TooLarge)
        return refuse(EntryTexts::tr("Bands show at most %1, so they cannot show %2.")
                          .arg(ohms(LargestListValue(scheme())), text.trimmed()));
    if (!reading.value)
        return refuse(readingProblem(reading, text, locale().decimalPoint()));

    BandScheme bands = scheme();
    ListEntry entry = ListsForValue(*reading.value, bands);
    using Problem = ListEntry::Problem;
    if (entry.problem == Problem::NeedsMoreDigits && bands == BandScheme::FourBand) {
        // Five bands are offered only when they can show the value; else their reason is told.
        bands = BandScheme::FiveBand;
        entry = ListsForValue(*reading.value, bands);
        if (entry.problem == Problem::None &&
            !m_messages.ask(QStringLiteral("Bandwise"),
                EntryTexts::tr("%1 needs three significant digits, and four bands show two. Use five bands?")
                    .arg(ohms(reading.value->ohms)),
                EntryTexts::tr("Use five bands"), EntryTexts::tr("Cancel")))
            return;
    }
    switch (entry.problem) {
    case Problem::None:
        break;
    case Problem::NeedsMoreDigits:
        return refuse(
            EntryTexts::tr("%1 needs more significant digits than bands can show.").arg(ohms(reading.value->ohms)));
    case Problem::TooSmall:
        return refuse(EntryTexts::tr("Bands show nothing finer than 0.01 \u03A9, so they cannot show %1.")
                          .arg(ohms(reading.value->ohms)));
    case Problem::TooLarge:
        return refuse(EntryTexts::tr("Bands show at most %1, so they cannot show %2.")
                          .arg(ohms(LargestListValue(bands)), ohms(reading.value->ohms)));
    case Problem::NoSuchTolerance:
        return refuse(EntryTexts::tr("No tolerance band stands for \u00B1%1 %.")
                          .arg(QString::fromStdString(values::DecimalText(*reading.value->tolerancePercent))
                                   .replace(QLatin1Char('.'), locale().decimalPoint())));
    }
    if (bands != scheme())
        m_scheme->choose(bands);
    const std::array<std::optional<int>, kEncodingRowCount> ids = ListIds(entry.choices);
    for (int row = 0; row < kEncodingRowCount; ++row) {
        if (ids[row])
            m_lists[row]->setCurrentIndex(m_lists[row]->findData(*ids[row]));
    }
}

void EncodingPanel::tick()
{
    std::array<std::optional<int>, kEncodingRowCount> ids;
    for (int row = 0; row < kEncodingRowCount; ++row) {
        if (m_lists[row]->currentIndex() >= 0)
            ids[row] = m_lists[row]->currentData().toInt();
    }
    const DecodingSelection chosen = ListColours(ids);
    const QLocale locale = this->locale();
    const std::string separator = locale.decimalPoint().toStdString();
    const std::function<std::string(std::string_view)> toUpper = [&locale](std::string_view word) {
        return locale.toUpper(fromView(word)).toStdString();
    };
    const EncodingOutput out = ComputeEncodingRefresh(
        {chosen, scheme(), m_texts.Colour_Names, m_texts.None_Name, m_palette, separator, toUpper});

    for (int row = 0; row < kEncodingRowCount; ++row) {
        if (out.boxTexts[row])
            updateText(m_resultBoxes[row], QString::fromStdString(*out.boxTexts[row]));
        if (out.swatchColours[row])
            m_resistor->stripes()[row]->setFillColour(toQColor(*out.swatchColours[row]));
        if (out.swatchDescriptions[row])
            m_resistor->stripes()[row]->describe(QString::fromStdString(*out.swatchDescriptions[row]));
    }
    if (out.resValue) {
        updateText(m_resValue, QString::fromStdString(*out.resValue));
        // Not only when the text changes: a new temperature band changes the reading from the other end.
        if (m_factsFor != std::pair(chosen, scheme())) {
            m_factsFor = std::pair(chosen, scheme());
            m_reading = ExactListReading(chosen, scheme());
            const std::optional<DecodingSelection> mirrored = FromTheOtherEnd(chosen, scheme());
            showValueFacts(m_resValue, m_reading, mirrored ? ExactReading(*mirrored, scheme()) : std::nullopt);
        }
    }
    m_colourNames = out.colourNames;
}

}  // namespace bandwise
