#pragma once

#include "bandwise/finder/search_tab.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// The values' headers stay out of the headers of QObjects: Qt's moc cannot read <compare>.
namespace values {
struct DividerAnswer;
enum class Series;
}  // namespace values

namespace bandwise {

// "Divider": the R1 and R2 of standard parts whose output comes closest to the wanted one, with
// one part per leg and, when asked for, with up to two. Any change of an input starts the search
// again.
class DividerTab : public SearchTab {
    Q_OBJECT
public:
    explicit DividerTab(QWidget* parent);

    void startFrom(values::Series series);

private:
    void search();
    void show(const values::DividerAnswer& answer);

    QLineEdit* m_vin = nullptr;
    QLineEdit* m_vout = nullptr;
    QComboBox* m_series = nullptr;
    QCheckBox* m_twoPerLeg = nullptr;
    QLineEdit* m_lowest = nullptr;
    QLineEdit* m_highest = nullptr;
};

}  // namespace bandwise
