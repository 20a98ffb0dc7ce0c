#include "bandwise/finder/combination_tab.h"

#include "bandwise/finder/finder_widgets.h"
#include "bandwise/finder/network_drawing.h"
#include "common/values/typed_value.h"
#include "ui/naming.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTreeWidget>

namespace bandwise {

namespace {

enum Column { PartsColumn, DrawingColumn, ResistanceColumn, ErrorColumn };

}  // namespace

CombinationTab::CombinationTab(QWidget* parent)
    : SearchTab(parent,
          {"combination_busy", "combination_status", "combination_results", "copy_combination", "use_combination"},
          {FinderTexts::tr("Combinations found"),
              {FinderTexts::tr("Parts"), FinderTexts::tr("Network"), FinderTexts::tr("Resistance"),
                  FinderTexts::tr("Error")},
              {PartsColumn}, FinderTexts::tr("&Use"), FinderTexts::tr("Set the lists of the colour code to this part")})
{
    const values::PartSource defaults;
    auto* inputs = new QGridLayout;
    m_wanted = addBox(inputs, 0, 0, FinderTexts::tr("&Wanted value:"), "wanted_value");
    m_series = addSeriesList(inputs, 0, 2, FinderTexts::tr("&Series:"), "combination_series");
    m_lowest = addBox(inputs, 1, 0, FinderTexts::tr("&Lowest part:"), "lowest_part");
    m_lowest->setText(rkmText(defaults.lowest));
    m_highest = addBox(inputs, 1, 2, FinderTexts::tr("&Highest part:"), "highest_part");
    m_highest->setText(rkmText(defaults.highest));
    m_maxParts = ui::named(new QSpinBox(this), "max_parts");
    m_maxParts->setRange(1, 4);
    m_maxParts->setValue(values::CombinationQuery {}.maxParts);
    addLabelled(inputs, 2, 0, FinderTexts::tr("Parts &at most:"), m_maxParts);
    m_excluded = addBox(inputs, 2, 2, FinderTexts::tr("E&xcluded values:"), "excluded_values");
    m_excluded->setPlaceholderText(FinderTexts::tr("for example 4K7 2K2"));
    results()->setItemDelegateForColumn(DrawingColumn, new NetworkDelegate(results()));
    finishLayout(inputs, {m_wanted, m_series, m_lowest, m_highest, m_maxParts, m_excluded});

    for (QLineEdit* box : {m_wanted, m_lowest, m_highest, m_excluded})
        connect(box, &QLineEdit::textChanged, this, &CombinationTab::search);
    connect(m_series, &QComboBox::currentIndexChanged, this, &CombinationTab::search);
    connect(m_maxParts, &QSpinBox::valueChanged, this, &CombinationTab::search);
}

void CombinationTab::startFrom(std::optional<values::Decimal> wanted, values::Series series)
{
    const QSignalBlocker quiet(m_series);
    chooseSeries(m_series, series);
    m_wanted->setText(wanted ? rkmText(*wanted) : QString());
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
    if (!wanted || !lowest || !highest || !problem.isEmpty())
        return refuse(problem);
    query.wanted = *wanted;
    query.parts.lowest = *lowest;
    query.parts.highest = *highest;
    start([this, query](std::stop_token stop) -> std::function<void()> {
        return [this, answer = values::FindCombinations(query, std::move(stop))] { show(answer); };
    });
}

void CombinationTab::show(const values::CombinationAnswer& answer)
{
    clearResults(searchOutcome(answer.error));
    const QString separator = locale().decimalPoint();
    for (const values::Combination& found : answer.best) {
        const QString network = networkText(found.topology, found.parts);
        QTreeWidgetItem* row =
            addRow(found.parts.size() == 1 ? std::optional(rkmText(found.parts.front())) : std::nullopt);
        row->setText(PartsColumn, network);
        row->setData(DrawingColumn, Qt::UserRole, static_cast<int>(found.topology));
        row->setData(DrawingColumn, Qt::AccessibleTextRole, network);
        row->setText(ResistanceColumn, resistanceText(found.resistance, separator));
        row->setText(ErrorColumn, errorText(found.errorPercent, found.exactMatch, separator));
        row->setTextAlignment(ResistanceColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(ErrorColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    selectBest();
}

}  // namespace bandwise
