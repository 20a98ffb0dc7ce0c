#pragma once

#include "common/values/finder.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class QAction;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace bandwise {

// The finder's own texts, translated with Qt's tools.
struct FinderTexts {
    Q_DECLARE_TR_FUNCTIONS(FinderDialog)
};

// A labelled list of the series, each item carrying its values::Series.
QComboBox* addSeriesList(QGridLayout* grid, int row, int column, const QString& caption, const char* name);
values::Series chosenSeries(const QComboBox* list);
void chooseSeries(QComboBox* list, values::Series series);

// A labelled box at a row and column of a grid, the label its buddy.
QLineEdit* addBox(QGridLayout* grid, int row, int column, const QString& caption, const char* name);
void addLabelled(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control);

// A list of results, one row per result, that the caller fills; the actions added to it make its
// menu. The widest columns share what room the others leave.
QTreeWidget* resultList(QWidget* parent, const char* name, const QString& accessibleName, const QStringList& headers,
    const QList<int>& widestColumns);
QAction* addCopyAction(QTreeWidget* list);
// A button that triggers the action and is enabled with it, captioned as it is.
QPushButton* buttonFor(QAction* action, const char* name);
// The row as text, its columns apart by tabs: what a spreadsheet takes as cells.
QString rowText(const QTreeWidgetItem* row);

// "4K7", and a network of parts in those codes: "(4K7 ∥ 2K2) + 1K0".
QString rkmText(values::Decimal ohms);
QString networkText(values::Topology topology, const std::vector<values::Decimal>& parts);
// A resistance the way the panels show it; "≈" marks one that is rounded.
QString resistanceText(const values::ShownResistance& resistance, const QString& decimalSeparator);
// "+0.125 %", "−2.000 %", to the thousandth, with its sign; "0 %" for an exact match.
QString errorText(values::Decimal percent, bool exact, const QString& decimalSeparator);
QString numberText(values::Decimal number, const QString& decimalSeparator);
// What the status line says when a search has ended: why it found nothing, or how to read what it found.
QString searchOutcome(values::FinderError error);

// A resistance typed into a box, read as "Set value…" reads it. An empty box gives `otherwise`;
// text that is no value gives std::nullopt, and the reason in `problem`.
std::optional<values::Decimal> readOhms(
    const QLineEdit* box, std::optional<values::Decimal> otherwise, QString& problem);

}  // namespace bandwise
