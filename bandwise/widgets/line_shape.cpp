#include "bandwise/widgets/line_shape.h"

#include <QPainter>

namespace bandwise {

LineShape::LineShape(QPointF from, QPointF to, int penWidth, const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , m_penWidth(penWidth)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRectF bounds = QRectF(from, to).normalized().adjusted(-penWidth, -penWidth, penWidth, penWidth);
    const QRect area = bounds.toAlignedRect();
    setGeometry(area);
    m_from = from - area.topLeft();
    m_to = to - area.topLeft();
}

void LineShape::setLineColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}

}  // namespace bandwise
