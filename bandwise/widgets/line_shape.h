#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace bandwise {

// A straight line of a given colour and pixel width between two points of its parent.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QPointF from, QPointF to, int penWidth, const QColor& colour, QWidget* parent);

    QColor lineColour() const { return m_colour; }
    void setLineColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF m_from;  // in this widget's coordinates
    QPointF m_to;
    int m_penWidth;
    QColor m_colour;
};

}  // namespace bandwise
