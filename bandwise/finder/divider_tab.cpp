#include "bandwise/finder/divider_tab.h"

#include "bandwise/finder/finder_widgets.h"
#include "common/values/typed_value.h"
#include "ui/naming.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QTreeWidget>

namespace bandwise {

namespace {

enum Column { TopColumn, BottomColumn, RatioColumn, VoutColumn, ErrorColumn, CurrentColumn };

// Volts as typed, with or without their unit: "12", "3,3 V", "3.3V".
std::optional<values::Decimal> readVolts(const QLineEdit* box, QString& problem)
{
    QString text = box->text().trimmed();
    if (text.endsWith(QLatin1Char('V'), Qt::CaseInsensitive))
        text.chop(1);
    const values::ValueReading reading = values::ReadTypedValue(text.toStdString());
    if (reading.value && !reading.value->tolerancePercent)
        return reading.value->ohms;
    problem = reading.error == values::ValueError::Empty ? FinderTexts::tr("Type the input and output voltages.")
                                                         : FinderTexts::tr("\"%1\" is not a voltage.").arg(box->text());
    return std::nullopt;
}

}  // namespace

DividerTab::DividerTab(QWidget* parent)
    : SearchTab(parent, {"divider_busy", "divider_status", "divider_results", "copy_divider", "use_r1"},
          {FinderTexts::tr("Dividers found"),
              {QStringLiteral("R1"), QStringLiteral("R2"), FinderTexts::tr("Ratio"), QStringLiteral("Vout"),
                  FinderTexts::tr("Error"), FinderTexts::tr("Current")},
              {TopColumn, BottomColumn}, FinderTexts::tr("Use R&1"),
              FinderTexts::tr("Set the lists of the colour code to R1")})
{
    const values::DividerQuery defaults;
    auto* inputs = new QGridLayout;
    m_vin = addBox(inputs, 0, 0, FinderTexts::tr("&Input voltage (V):"), "divider_vin");
    m_vin->setText(QStringLiteral("5"));
    m_vout = addBox(inputs, 0, 2, FinderTexts::tr("O&utput voltage (V):"), "divider_vout");
    m_vout->setText(QStringLiteral("3") + locale().decimalPoint() + QStringLiteral("3"));
    m_lowest = addBox(inputs, 1, 0, FinderTexts::tr("&Lowest R1 + R2:"), "lowest_total");
    m_lowest->setText(rkmText(defaults.lowestTotal));
    m_highest = addBox(inputs, 1, 2, FinderTexts::tr("&Highest R1 + R2:"), "highest_total");
    m_highest->setText(rkmText(defaults.highestTotal));
    m_series = addSeriesList(inputs, 2, 0, FinderTexts::tr("&Series:"), "divider_series");
    m_twoPerLeg = ui::named(new QCheckBox(FinderTexts::tr("&Two parts per leg"), this), "two_per_leg");
    inputs->addWidget(m_twoPerLeg, 2, 2, 1, 2);
    finishLayout(inputs, {m_vin, m_vout, m_lowest, m_highest, m_series, m_twoPerLeg});

    for (QLineEdit* box : {m_vin, m_vout, m_lowest, m_highest})
        connect(box, &QLineEdit::textChanged, this, &DividerTab::search);
    connect(m_series, &QComboBox::currentIndexChanged, this, &DividerTab::search);
    connect(m_twoPerLeg, &QCheckBox::toggled, this, &DividerTab::search);
}

void DividerTab::startFrom(values::Series series)
{
    const QSignalBlocker quiet(m_series);
    chooseSeries(m_series, series);
    search();
}

void DividerTab::search()
{
    QString problem;
    values::DividerQuery query;
    query.parts.series = chosenSeries(m_series);
    query.twoPerLeg = m_twoPerLeg->isChecked();
    const std::optional<values::Decimal> vin = readVolts(m_vin, problem);
    const std::optional<values::Decimal> vout = readVolts(m_vout, problem);
    const std::optional<values::Decimal> lowest = readOhms(m_lowest, query.lowestTotal, problem);
    const std::optional<values::Decimal> highest = readOhms(m_highest, query.highestTotal, problem);
    if (!vin || !vout || !lowest || !highest)
        return refuse(problem);
    query.vin = *vin;
    query.vout = *vout;
    query.lowestTotal = *lowest;
    query.highestTotal = *highest;
    start([this, query](std::stop_token stop) -> std::function<void()> {
        return [this, answer = values::FindDivider(query, std::move(stop))] { show(answer); };
    });
}

void DividerTab::show(const values::DividerAnswer& answer)
{
    clearResults(answer.error == values::FinderError::BadTarget
            ? FinderTexts::tr("The output voltage must be above 0 and below the input voltage.")
            : searchOutcome(answer.error));
    const QString point = locale().decimalPoint();
    for (const std::optional<values::Divider>& found : {answer.single, answer.twoPerLeg}) {
        if (!found)
            continue;
        const std::vector<values::Decimal>& top = found->top.parts;
        QTreeWidgetItem* row = addRow(top.size() == 1 ? std::optional(rkmText(top.front())) : std::nullopt);
        row->setText(TopColumn, networkText(found->top.topology, top));
        row->setText(BottomColumn, networkText(found->bottom.topology, found->bottom.parts));
        row->setText(RatioColumn, numberText(found->ratio, point));
        row->setText(VoutColumn, numberText(found->vout, point) + QStringLiteral(" V"));
        row->setText(ErrorColumn, errorText(found->errorPercent, found->exactMatch, point));
        row->setText(CurrentColumn, numberText(found->milliamps, point) + QStringLiteral(" mA"));
        for (int column = RatioColumn; column <= CurrentColumn; ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    selectBest();
}

}  // namespace bandwise
