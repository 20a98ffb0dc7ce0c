#pragma once

#include "bandwise/finder/search_worker.h"

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QTreeWidget;

// The values' headers stay out of the headers of QObjects: Qt's moc cannot read <compare>.
namespace values {
struct CombinationAnswer;
struct Decimal;
enum class Series;
}  // namespace values

namespace bandwise {

// "Combinations": the closest network of up to four standard parts for a wanted value, one row
// for each number of parts and way of joining them, best first. Any change of an input starts
// the search again.
class CombinationTab : public QWidget {
    Q_OBJECT
public:
    explicit CombinationTab(QWidget* parent);

    void startFrom(std::optional<values::Decimal> wanted, values::Series series);

Q_SIGNALS:
    // A single part's value, as "Set value…" reads it.
    void useValue(const QString& text);

private:
    void search();
    void show(const values::CombinationAnswer& answer);
    void showBusy(bool busy);
    void updateUse();

    QLineEdit* m_wanted = nullptr;
    QComboBox* m_series = nullptr;
    QSpinBox* m_maxParts = nullptr;
    QLineEdit* m_lowest = nullptr;
    QLineEdit* m_highest = nullptr;
    QLineEdit* m_excluded = nullptr;
    QProgressBar* m_busy = nullptr;
    QLabel* m_status = nullptr;
    QTreeWidget* m_results = nullptr;
    QAction* m_use = nullptr;
    SearchWorker m_worker {this};
};

}  // namespace bandwise
