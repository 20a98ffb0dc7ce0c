#pragma once

#include "bandwise/finder/search_tab.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

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
class CombinationTab : public SearchTab {
    Q_OBJECT
public:
    explicit CombinationTab(QWidget* parent);

    void startFrom(std::optional<values::Decimal> wanted, values::Series series);

private:
    void search();
    void show(const values::CombinationAnswer& answer);

    QLineEdit* m_wanted = nullptr;
    QComboBox* m_series = nullptr;
    QSpinBox* m_maxParts = nullptr;
    QLineEdit* m_lowest = nullptr;
    QLineEdit* m_highest = nullptr;
    QLineEdit* m_excluded = nullptr;
};

}  // namespace bandwise
