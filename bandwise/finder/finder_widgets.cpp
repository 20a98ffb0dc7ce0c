#include "bandwise/finder/finder_widgets.h"

#include "bandwise/widgets/reading_problem.h"
#include "common/values/notation.h"
#include "common/values/typed_value.h"
#include "ui/accessible_names.h"
#include "ui/naming.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace bandwise {

using values::Decimal;

QComboBox* addSeriesList(QGridLayout* grid, int row, int column, const QString& caption, const char* name)
{
    // Named before it has items: while a screen reader listens, the first item added makes the
    // list's accessible object, which is kept, and it must be the one that says the label.
    auto* list = ui::named(new QComboBox, name);
    addLabelled(grid, row, column, caption, list);
    for (int series = 0; series <= static_cast<int>(values::Series::E192); ++series)
        list->addItem(ui::fromView(values::SeriesName(static_cast<values::Series>(series))), series);
    return list;
}

values::Series chosenSeries(const QComboBox* list)
{
    return static_cast<values::Series>(list->currentData().toInt());
}

void chooseSeries(QComboBox* list, values::Series series)
{
    list->setCurrentIndex(list->findData(static_cast<int>(series)));
}

void addLabelled(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption);
    ui::nameAfter(control, label);
    // A spin box shows screen readers its text box as a control of its own.
    if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(control))
        ui::nameDirectly(spinBox->findChild<QLineEdit*>(), QString(caption).remove(QLatin1Char('&')));
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
}

QLineEdit* addBox(QGridLayout* grid, int row, int column, const QString& caption, const char* name)
{
    auto* box = ui::named(new QLineEdit, name);
    addLabelled(grid, row, column, caption, box);
    return box;
}

QTreeWidget* resultList(QWidget* parent, const char* name, const QString& accessibleName, const QStringList& headers,
    const QList<int>& widestColumns)
{
    auto* list = ui::named(new QTreeWidget(parent), name);
    list->setAccessibleName(accessibleName);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(false);
    list->setAllColumnsShowFocus(true);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    for (int column : widestColumns)
        list->header()->setSectionResizeMode(column, QHeaderView::Stretch);
    return list;
}

QAction* addCopyAction(QTreeWidget* list)
{
    auto* copy = new QAction(FinderTexts::tr("&Copy"), list);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, list, [list] {
        if (const QTreeWidgetItem* row = list->currentItem())
            QGuiApplication::clipboard()->setText(rowText(row));
    });
    list->addAction(copy);
    return copy;
}

QPushButton* buttonFor(QAction* action, const char* name)
{
    auto* button = ui::named(new QPushButton(action->text()), name);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    button->setEnabled(action->isEnabled());
    return button;
}

QString rowText(const QTreeWidgetItem* row)
{
    QStringList cells;
    for (int column = 0; column < row->columnCount(); ++column) {
        if (!row->text(column).isEmpty())
            cells << row->text(column);
    }
    return cells.join(QLatin1Char('\t'));
}

QString rkmText(Decimal ohms)
{
    return QString::fromStdString(values::RkmText(ohms));
}

QString networkText(values::Topology topology, const std::vector<Decimal>& parts)
{
    std::vector<std::string> codes;
    for (const Decimal& part : parts)
        codes.push_back(values::RkmText(part));
    return QString::fromStdString(values::NetworkText(topology, codes));
}

QString resistanceText(const values::ShownResistance& resistance, const QString& decimalSeparator)
{
    const QString shown =
        QString::fromStdString(values::EngineeringText(resistance.ohms, decimalSeparator.toStdString()));
    return resistance.exact ? shown : QStringLiteral("\u2248") + shown;
}

QString numberText(Decimal number, const QString& decimalSeparator)
{
    return QString::fromStdString(values::DecimalText(number)).replace(QLatin1Char('.'), decimalSeparator);
}

QString errorText(Decimal percent, bool exact, const QString& decimalSeparator)
{
    if (exact)
        return QStringLiteral("0 %");
    // Thousandths as a whole number: the error comes rounded to them, so this is exact.
    const std::optional<Decimal> thousandths = values::ScaledByPowerOfTen(percent, 3);
    if (!thousandths)
        return numberText(percent, decimalSeparator) + QStringLiteral(" %");
    const QString digits = QString::fromStdString(
        values::DecimalText(Decimal {
            thousandths->mantissa < 0 ? -thousandths->mantissa : thousandths->mantissa, thousandths->exponent}))
                               .rightJustified(4, QLatin1Char('0'));
    const QString sign = percent < Decimal {} ? QStringLiteral("\u2212") : QStringLiteral("+");
    return sign + digits.left(digits.size() - 3) + decimalSeparator + digits.right(3) + QStringLiteral(" %");
}

QString searchOutcome(values::FinderError error)
{
    switch (error) {
    case values::FinderError::None:
        return FinderTexts::tr("Best first; Ctrl+C copies the selected row.");
    case values::FinderError::Stopped:
        break;
    case values::FinderError::BadTarget:
        return FinderTexts::tr("The value must lie between 0.1 \u03A9 and 1 G\u03A9.");
    case values::FinderError::BadRange:
        return FinderTexts::tr("The lowest must not be above the highest, and both must lie between 0.1 \u03A9 and "
                               "1 G\u03A9.");
    case values::FinderError::NoParts:
        return FinderTexts::tr("No value of the series lies in that range, or every one is excluded.");
    case values::FinderError::NoAnswer:
        return FinderTexts::tr("No choice of parts gives a total in that range.");
    }
    return {};
}

std::optional<Decimal> readOhms(const QLineEdit* box, std::optional<Decimal> otherwise, QString& problem)
{
    const values::ValueReading reading = values::ReadTypedValue(box->text().toStdString());
    if (reading.error == values::ValueError::Empty && otherwise)
        return otherwise;
    if (reading.value)
        return reading.value->ohms;
    if (reading.error == values::ValueError::TooSmall || reading.error == values::ValueError::TooLarge)
        problem = searchOutcome(values::FinderError::BadTarget);
    else
        problem = readingProblem(reading, box->text(), box->locale().decimalPoint());
    return std::nullopt;
}

}  // namespace bandwise
