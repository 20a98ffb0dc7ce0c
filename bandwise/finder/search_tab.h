#pragma once

#include "bandwise/finder/search_worker.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <initializer_list>
#include <optional>

class QAction;
class QLabel;
class QLayout;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace bandwise {

// What both of the finder's tabs have below their inputs: a status line with a busy mark while a
// search runs, a list of results whose rows Ctrl+C and its menu copy, and an action that hands on
// the value a row holds for the colour code's lists.
class SearchTab : public QWidget {
    Q_OBJECT
public:
    struct Names {
        const char* busy;
        const char* status;
        const char* results;
        const char* copy;
        const char* use;
    };
    struct Results {
        QString accessibleName;
        QStringList headers;
        QList<int> widestColumns;
        QString useCaption;
        QString useTip;
    };

Q_SIGNALS:
    // A part's value, as "Set value…" reads it.
    void useValue(const QString& text);

protected:
    SearchTab(QWidget* parent, const Names& names, const Results& results);

    // Puts the inputs above the rest; Tab goes through them in the order given, then on to the rest.
    void finishLayout(QLayout* inputs, std::initializer_list<QWidget*> tabOrder);

    QTreeWidget* results() const { return m_results; }
    // Starts a search in place of the one in progress.
    void start(SearchWorker::Search search) { m_worker.start(std::move(search)); }
    // Ends the search in progress, if any, and says why there is none.
    void refuse(const QString& problem);
    // Begins showing a search's results.
    void clearResults(const QString& status);
    // A row of results; `usable` is the value that the use action hands on, for a row that has one.
    QTreeWidgetItem* addRow(const std::optional<QString>& usable);
    // Ends showing them: the best row is the current one.
    void selectBest();

private:
    void showBusy(bool busy);
    void updateUse();

    QProgressBar* m_busy = nullptr;
    QLabel* m_status = nullptr;
    QTreeWidget* m_results = nullptr;
    QAction* m_use = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_useButton = nullptr;
    SearchWorker m_worker {this};
};

}  // namespace bandwise
