#pragma once

#include <QColor>
#include <QWidget>

namespace bandwise {

// A filled rectangle or rounded rectangle with a switchable one-pixel border in the window-text
// colour: the swatches and the parts of the sample resistors.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle };

    Shape(Kind kind, const QColor& fill, QWidget* parent);

    QColor fillColour() const { return m_fill; }
    void setFillColour(const QColor& colour);

    // What the shape shows, for tooltips and screen readers: a colour and what it means there.
    void describe(const QString& text);

    bool borderVisible() const { return m_border; }
    void setBorderVisible(bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QColor m_fill;
    bool m_border = true;
};

}  // namespace bandwise
