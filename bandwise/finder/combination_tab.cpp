#include "bandwise/finder/combination_tab.h"

#include "bandwise/finder/finder_widgets.h"
#include "bandwise/finder/network_drawing.h"
#include "common/values/notation.h"
#include "common/values/typed_value.h"
#include "ui/naming.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace bandwise {

namespace {

enum Column { PartsColumn, DrawingColumn, ResistanceColumn, ErrorColumn };

QString rkm(values::Decimal ohms)
{
    return QString::fromStdString(values::RkmText(ohms));
}

}  // namespace

CombinationTab::CombinationTab(QWidget* parent)
    : QWidget(parent)
{
    const values::PartSource defaults;
    auto* inputs = new QGridLayout;
    m_wanted = addBox(inputs, 0, 0, FinderTexts::tr("&Wanted value:"), "wanted_value");
    m_series = addSeriesList(inputs, 0, 2, FinderTexts::tr("&Series:"), "combination_series");
    m_lowest = addBox(inputs, 1, 0, FinderTexts::tr("&Lowest part:"), "lowest_part");
    m_lowest->setText(rkm(defaults.lowest));
    m_highest = addBox(inputs, 1, 2, FinderTexts::tr("&Highest part:"), "highest_part");
    m_highest->setText(rkm(defaults.highest));
    m_maxParts = ui::named(new QSpinBox(this), "max_parts");
    m_maxParts->setRange(1, 4);
    m_maxParts->setValue(values::CombinationQuery {}.maxParts);
    addLabelled(inputs, 2, 0, FinderTexts::tr("Parts &at most:"), m_maxParts);
    m_excluded = addBox(inputs, 2, 2, FinderTexts::tr("E&xcluded values:"), "excluded_values");
    m_excluded->setPlaceholderText(FinderTexts::tr("for example 4K7 2K2"));

    m_busy = ui::named(new QProgressBar(this), "combination_busy");
    m_busy->setRange(0, 0);
    m_busy->setMaximumHeight(m_busy->fontMetrics().height());
    m_busy->setAccessibleName(FinderTexts::tr("Searching"));
    m_busy->hide();
    m_status = ui::named(new QLabel(this), "combination_status");
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);

    m_results = resultList(this, "combination_results", FinderTexts::tr("Combinations found"),
        {FinderTexts::tr("Parts"), FinderTexts::tr("Network"), FinderTexts::tr("Resistance"),
            FinderTexts::tr("Error")},
        {PartsColumn});
    m_results->setItemDelegateForColumn(DrawingColumn, new NetworkDelegate(m_results));
    QAction* copy = addCopyAction(m_results);
    m_use = new QAction(FinderTexts::tr("&Use"), m_results);
    m_use->setToolTip(FinderTexts::tr("Set the lists of the colour code to this part"));
    m_results->addAction(m_use);
    connect(m_use, &QAction::triggered, this, [this] {
        if (const QTreeWidgetItem* row = m_results->currentItem())
            Q_EMIT useValue(row->data(PartsColumn, Qt::UserRole).toString());
    });
    connect(m_results, &QTreeWidget::currentItemChanged, this, &CombinationTab::updateUse);
    updateUse();
    // Enter or a double click on a row uses it, where it can be used.
    connect(m_results, &QTreeWidget::itemActivated, this, [this] {
        if (m_use->isEnabled())
            m_use->trigger();
    });

    auto* buttons = new QHBoxLayout;
    QPushButton* copyButton = buttonFor(copy, "copy_combination");
    QPushButton* useButton = buttonFor(m_use, "use_combination");
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
    chainTabOrder({m_wanted, m_series, m_lowest, m_highest, m_maxParts, m_excluded, m_results, copyButton, useButton});

    m_worker.onBusyChanged = [this](bool busy) { showBusy(busy); };
    for (QLineEdit* box : {m_wanted, m_lowest, m_highest, m_excluded})
        connect(box, &QLineEdit::textChanged, this, &CombinationTab::search);
    connect(m_series, &QComboBox::currentIndexChanged, this, &CombinationTab::search);
    connect(m_maxParts, &QSpinBox::valueChanged, this, &CombinationTab::search);
}

void CombinationTab::startFrom(std::optional<values::Decimal> wanted, values::Series series)
{
    const QSignalBlocker quiet(m_series);
    chooseSeries(m_series, series);
    m_wanted->setText(wanted ? rkm(*wanted) : QString());
    m_wanted->selectAll();
    m_wanted->setFocus();
    search();
}

void CombinationTab::search()
{
    QString problem;
    values::CombinationQuery query;
    query.maxParts = m_maxParts->value();
    query.parts.series = chosenSeries(m_series);
    const std::optional<values::Decimal> wanted = readOhms(m_wanted, std::nullopt, problem);
    const std::optional<values::Decimal> lowest = readOhms(m_lowest, query.parts.lowest, problem);
    const std::optional<values::Decimal> highest = readOhms(m_highest, query.parts.highest, problem);
    // Apart by blanks or semicolons: a comma may be a decimal mark.
    const QStringList excluded =
        m_excluded->text().split(QRegularExpression(QStringLiteral("[\\s;]+")), Qt::SkipEmptyParts);
    for (const QString& text : excluded) {
        const values::ValueReading reading = values::ReadTypedValue(text.toStdString());
        if (reading.value)
            query.parts.excluded.push_back(reading.value->ohms);
        else
            problem = FinderTexts::tr("\"%1\" among the excluded values is not a value.").arg(text);
    }
    if (!wanted || !lowest || !highest || !problem.isEmpty()) {
        m_worker.stop();
        m_results->clear();
        m_status->setText(problem);
        return;
    }
    query.wanted = *wanted;
    query.parts.lowest = *lowest;
    query.parts.highest = *highest;
    m_worker.start([this, query](std::stop_token stop) -> std::function<void()> {
        return [this, answer = values::FindCombinations(query, std::move(stop))] { show(answer); };
    });
}

void CombinationTab::show(const values::CombinationAnswer& answer)
{
    m_results->clear();
    m_status->setText(searchOutcome(answer.error));
    const QString separator = locale().decimalPoint();
    for (const values::Combination& found : answer.best) {
        std::vector<std::string> parts;
        for (const values::Decimal& part : found.parts)
            parts.push_back(values::RkmText(part));
        const QString network = QString::fromStdString(values::NetworkText(found.topology, parts));
        auto* row = new QTreeWidgetItem(m_results);
        row->setText(PartsColumn, network);
        if (found.parts.size() == 1)
            row->setData(PartsColumn, Qt::UserRole, rkm(found.parts.front()));
        row->setData(DrawingColumn, Qt::UserRole, static_cast<int>(found.topology));
        row->setData(DrawingColumn, Qt::AccessibleTextRole, network);
        row->setText(ResistanceColumn, resistanceText(found.resistance, separator));
        row->setText(ErrorColumn, errorText(found.errorPercent, found.exactMatch, separator));
        row->setTextAlignment(ResistanceColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(ErrorColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_results->setCurrentItem(m_results->topLevelItem(0));
}

void CombinationTab::showBusy(bool busy)
{
    m_busy->setVisible(busy);
    if (busy)
        m_status->setText(FinderTexts::tr("Searching\u2026"));
}

void CombinationTab::updateUse()
{
    const QTreeWidgetItem* row = m_results->currentItem();
    m_use->setEnabled(row && row->data(PartsColumn, Qt::UserRole).isValid());
}

}  // namespace bandwise
