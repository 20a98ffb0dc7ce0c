#include "bandwise/finder/finder_dialog.h"

#include "bandwise/finder/combination_tab.h"
#include "bandwise/finder/divider_tab.h"
#include "bandwise/finder/finder_widgets.h"
#include "common/values/series.h"
#include "common/values/typed_value.h"
#include "ui/naming.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace bandwise {

FinderDialog::FinderDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("finder_dialog"));
    setWindowTitle(FinderTexts::tr("Find standard values"));
    m_tabs = ui::named(new QTabWidget(this), "finder_tabs");
    m_combinations = ui::named(new CombinationTab(m_tabs), "combinations_tab");
    m_divider = ui::named(new DividerTab(m_tabs), "divider_tab");
    m_tabs->addTab(m_combinations, FinderTexts::tr("C&ombinations"));
    m_tabs->addTab(m_divider, FinderTexts::tr("&Divider"));
    connect(m_combinations, &CombinationTab::useValue, this, &FinderDialog::useValue);
    connect(m_divider, &DividerTab::useValue, this, &FinderDialog::useValue);

    auto* close = ui::named(new QPushButton(FinderTexts::tr("Close"), this), "finder_close");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    // Room for the rows of three parts without scrolling, on a screen that has it.
    resize(sizeHint().expandedTo(QSize(600, 480)).boundedTo(screen()->availableGeometry().size()));
}

FinderDialog::~FinderDialog() = default;

void FinderDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter in a box goes on to the results it asked for, rather than pressing a default button;
    // a button takes its own Enter, and the results take it as "Use".
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        if (auto* results = m_tabs->currentWidget()->findChild<QTreeWidget*>())
            results->setFocus(Qt::TabFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}

void FinderDialog::startFrom(const std::optional<values::TypedValue>& value)
{
    const std::optional<values::Series> series =
        value && value->tolerancePercent ? values::SeriesForTolerance(*value->tolerancePercent) : std::nullopt;
    const values::Series chosen = series.value_or(values::Series::E24);
    m_combinations->startFrom(value ? std::optional(value->ohms) : std::nullopt, chosen);
    m_divider->startFrom(chosen);
    m_tabs->setCurrentWidget(m_combinations);
}

}  // namespace bandwise
