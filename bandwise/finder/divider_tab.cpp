#include "bandwise/finder/divider_tab.h"

#include "bandwise/finder/finder_widgets.h"
#include "common/values/notation.h"
#include "common/values/typed_value.h"
#include "ui/naming.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace bandwise {

namespace {

enum Column { TopColumn, BottomColumn, RatioColumn, VoutColumn, ErrorColumn, CurrentColumn };

QString rkm(values::Decimal ohms)
{
    return QString::fromStdString(values::RkmText(ohms));
}

QString legText(const values::DividerLeg& leg)
{
    std::vector<std::string> parts;
    for (const values::Decimal& part : leg.parts)
        parts.push_back(values::RkmText(part));
    return QString::fromStdString(values::NetworkText(leg.topology, parts));
}

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
    : QWidget(parent)
{
    const values::DividerQuery defaults;
    const QString point = locale().decimalPoint();
    auto* inputs = new QGridLayout;
    m_vin = addBox(inputs, 0, 0, FinderTexts::tr("&Input voltage (V):"), "divider_vin");
    m_vin->setText(QStringLiteral("5"));
    m_vout = addBox(inputs, 0, 2, FinderTexts::tr("O&utput voltage (V):"), "divider_vout");
    m_vout->setText(QStringLiteral("3") + point + QStringLiteral("3"));
    m_lowest = addBox(inputs, 1, 0, FinderTexts::tr("&Lowest R1 + R2:"), "lowest_total");
    m_lowest->setText(rkm(defaults.lowestTotal));
    m_highest = addBox(inputs, 1, 2, FinderTexts::tr("&Highest R1 + R2:"), "highest_total");
    m_highest->setText(rkm(defaults.highestTotal));
    m_series = addSeriesList(inputs, 2, 0, FinderTexts::tr("&Series:"), "divider_series");
    m_twoPerLeg = ui::named(new QCheckBox(FinderTexts::tr("&Two parts per leg"), this), "two_per_leg");
    inputs->addWidget(m_twoPerLeg, 2, 2, 1, 2);

    m_busy = ui::named(new QProgressBar(this), "divider_busy");
    m_busy->setRange(0, 0);
    m_busy->setMaximumHeight(m_busy->fontMetrics().height());
    m_busy->setAccessibleName(FinderTexts::tr("Searching"));
    m_busy->hide();
    m_status = ui::named(new QLabel(this), "divider_status");
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);

    m_results = resultList(this, "divider_results", FinderTexts::tr("Dividers found"),
        {QStringLiteral("R1"), QStringLiteral("R2"), FinderTexts::tr("Ratio"), QStringLiteral("Vout"),
            FinderTexts::tr("Error"), FinderTexts::tr("Current")},
        {TopColumn, BottomColumn});
    QAction* copy = addCopyAction(m_results);
    m_use = new QAction(FinderTexts::tr("Use R&1"), m_results);
    m_use->setToolTip(FinderTexts::tr("Set the lists of the colour code to R1"));
    m_results->addAction(m_use);
    connect(m_use, &QAction::triggered, this, [this] {
        if (const QTreeWidgetItem* row = m_results->currentItem())
            Q_EMIT useValue(row->data(TopColumn, Qt::UserRole).toString());
    });
    connect(m_results, &QTreeWidget::currentItemChanged, this, &DividerTab::updateUse);
    updateUse();
    // Enter or a double click on a row uses it, where it can be used.
    connect(m_results, &QTreeWidget::itemActivated, this, [this] {
        if (m_use->isEnabled())
            m_use->trigger();
    });

    auto* buttons = new QHBoxLayout;
    QPushButton* copyButton = buttonFor(copy, "copy_divider");
    QPushButton* useButton = buttonFor(m_use, "use_r1");
    buttons->addWidget(copyButton);
    buttons->addWidget(useButton);
    buttons->addStretch();
    auto* status = new QHBoxLayout;
    status->addWidget(m_busy);
    status->addWidget(m_status, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(status);
    layout->addWidget(m_results, 1);
    layout->addLayout(buttons);
    chainTabOrder({m_vin, m_vout, m_lowest, m_highest, m_series, m_twoPerLeg, m_results, copyButton, useButton});

    m_worker.onBusyChanged = [this](bool busy) { showBusy(busy); };
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
    if (!vin || !vout || !lowest || !highest) {
        m_worker.stop();
        m_results->clear();
        m_status->setText(problem);
        return;
    }
    query.vin = *vin;
    query.vout = *vout;
    query.lowestTotal = *lowest;
    query.highestTotal = *highest;
    m_worker.start([this, query](std::stop_token stop) -> std::function<void()> {
        return [this, answer = values::FindDivider(query, std::move(stop))] { show(answer); };
    });
}

void DividerTab::show(const values::DividerAnswer& answer)
{
    m_results->clear();
    m_status->setText(answer.error == values::FinderError::BadTarget
            ? FinderTexts::tr("The output voltage must be above 0 and below the input voltage.")
            : searchOutcome(answer.error));
    const QString point = locale().decimalPoint();
    for (const std::optional<values::Divider>& found : {answer.single, answer.twoPerLeg}) {
        if (!found)
            continue;
        auto* row = new QTreeWidgetItem(m_results);
        row->setText(TopColumn, legText(found->top));
        if (found->top.parts.size() == 1)
            row->setData(TopColumn, Qt::UserRole, rkm(found->top.parts.front()));
        row->setText(BottomColumn, legText(found->bottom));
        row->setText(RatioColumn, numberText(found->ratio, point));
        row->setText(VoutColumn, numberText(found->vout, point) + QStringLiteral(" V"));
        row->setText(ErrorColumn, errorText(found->errorPercent, found->exactMatch, point));
        row->setText(CurrentColumn, numberText(found->milliamps, point) + QStringLiteral(" mA"));
        for (int column = RatioColumn; column <= CurrentColumn; ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_results->setCurrentItem(m_results->topLevelItem(0));
}

void DividerTab::showBusy(bool busy)
{
    m_busy->setVisible(busy);
    if (busy)
        m_status->setText(FinderTexts::tr("Searching\u2026"));
}

void DividerTab::updateUse()
{
    const QTreeWidgetItem* row = m_results->currentItem();
    m_use->setEnabled(row && row->data(TopColumn, Qt::UserRole).isValid());
}

}  // namespace bandwise
