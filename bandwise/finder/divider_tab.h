#pragma once

#include "bandwise/finder/search_worker.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTreeWidget;

// The values' headers stay out of the headers of QObjects: Qt's moc cannot read <compare>.
namespace values {
struct DividerAnswer;
enum class Series;
}  // namespace values

namespace bandwise {

// "Divider": the R1 and R2 of standard parts whose output comes closest to the wanted one, with
// one part per leg and, when asked for, with up to two. Any change of an input starts the search
// again.
class DividerTab : public QWidget {
    Q_OBJECT
public:
    explicit DividerTab(QWidget* parent);

    void startFrom(values::Series series);

Q_SIGNALS:
    // R1's value, as "Set value…" reads it.
    void useValue(const QString& text);

private:
    void search();
    void show(const values::DividerAnswer& answer);
    void showBusy(bool busy);
    void updateUse();

    QLineEdit* m_vin = nullptr;
    QLineEdit* m_vout = nullptr;
    QComboBox* m_series = nullptr;
    QCheckBox* m_twoPerLeg = nullptr;
    QLineEdit* m_lowest = nullptr;
    QLineEdit* m_highest = nullptr;
    QProgressBar* m_busy = nullptr;
    QLabel* m_status = nullptr;
    QTreeWidget* m_results = nullptr;
    QAction* m_use = nullptr;
    SearchWorker m_worker {this};
};

}  // namespace bandwise
