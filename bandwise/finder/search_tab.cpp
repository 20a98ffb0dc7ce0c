#include "bandwise/finder/search_tab.h"

#include "bandwise/finder/finder_widgets.h"
#include "ui/naming.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace bandwise {

namespace {

// The column of a row's first cell that holds the value the use action hands on.
constexpr int kUsableColumn = 0;
constexpr int kUsableRole = Qt::UserRole + 1;

}  // namespace

SearchTab::SearchTab(QWidget* parent, const Names& names, const Results& results)
    : QWidget(parent)
{
    m_busy = ui::named(new QProgressBar(this), names.busy);
    m_busy->setRange(0, 0);
    m_busy->setMaximumHeight(m_busy->fontMetrics().height());
    m_busy->setAccessibleName(FinderTexts::tr("Searching"));
    m_busy->hide();
    m_status = ui::named(new QLabel(this), names.status);
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);

    m_results = resultList(this, names.results, results.accessibleName, results.headers, results.widestColumns);
    QAction* copy = addCopyAction(m_results);
    m_use = new QAction(results.useCaption, m_results);
    m_use->setToolTip(results.useTip);
    m_results->addAction(m_use);
    connect(m_use, &QAction::triggered, this, [this] {
        if (const QTreeWidgetItem* row = m_results->currentItem())
            Q_EMIT useValue(row->data(kUsableColumn, kUsableRole).toString());
    });
    connect(m_results, &QTreeWidget::currentItemChanged, this, &SearchTab::updateUse);
    updateUse();
    // Enter or a double click on a row uses it, where it can be used.
    connect(m_results, &QTreeWidget::itemActivated, this, [this] {
        if (m_use->isEnabled())
            m_use->trigger();
    });
    m_copyButton = buttonFor(copy, names.copy);
    m_useButton = buttonFor(m_use, names.use);
    m_worker.onBusyChanged = [this](bool busy) { showBusy(busy); };
}

void SearchTab::finishLayout(QLayout* inputs, std::initializer_list<QWidget*> tabOrder)
{
    auto* status = new QHBoxLayout;
    status->addWidget(m_busy);
    status->addWidget(m_status, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_useButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(status);
    layout->addWidget(m_results, 1);
    layout->addLayout(buttons);

    QWidget* previous = nullptr;
    for (QWidget* control : tabOrder) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    for (QWidget* control :
        {static_cast<QWidget*>(m_results), static_cast<QWidget*>(m_copyButton), static_cast<QWidget*>(m_useButton)}) {
        setTabOrder(previous, control);
        previous = control;
    }
}

void SearchTab::refuse(const QString& problem)
{
    m_worker.stop();
    clearResults(problem);
}

void SearchTab::clearResults(const QString& status)
{
    m_results->clear();
    m_status->setText(status);
}

QTreeWidgetItem* SearchTab::addRow(const std::optional<QString>& usable)
{
    auto* row = new QTreeWidgetItem(m_results);
    if (usable)
        row->setData(kUsableColumn, kUsableRole, *usable);
    return row;
}

void SearchTab::selectBest()
{
    m_results->setCurrentItem(m_results->topLevelItem(0));
}

void SearchTab::showBusy(bool busy)
{
    m_busy->setVisible(busy);
    if (busy)
        m_status->setText(FinderTexts::tr("Searching\u2026"));
}

void SearchTab::updateUse()
{
    const QTreeWidgetItem* row = m_results->currentItem();
    m_use->setEnabled(row && row->data(kUsableColumn, kUsableRole).isValid());
}

}  // namespace bandwise
