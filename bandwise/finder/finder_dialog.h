#pragma once

#include <QDialog>

#include <optional>

class QTabWidget;

// The values' headers stay out of the headers of QObjects: Qt's moc cannot read <compare>.
namespace values {
struct TypedValue;
}

namespace bandwise {

class CombinationTab;
class DividerTab;

// "Find standard values…": combinations of standard parts for a value no single part has, and
// voltage dividers, each on a tab of its own. The searches run off the window's thread; the
// dialog is made the first time it is asked for, so that nothing of it costs a start-up.
class FinderDialog : public QDialog {
    Q_OBJECT
public:
    explicit FinderDialog(QWidget* parent);
    ~FinderDialog() override;

    // Starts from a value box's value, or from nothing, in the series its tolerance is made in.
    void startFrom(const std::optional<values::TypedValue>& value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

Q_SIGNALS:
    // A part's value to set the colour code's lists to, as "Set value…" reads it.
    void useValue(const QString& text);

private:
    QTabWidget* m_tabs = nullptr;
    CombinationTab* m_combinations = nullptr;
    DividerTab* m_divider = nullptr;
};

}  // namespace bandwise
