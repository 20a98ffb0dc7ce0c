#include "bandwise/widgets/shape.h"

#include "ui/accessible_names.h"

#include <QPainter>

#include <algorithm>

namespace bandwise {

Shape::Shape(Kind kind, const QColor& fill, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColour(const QColor& colour)
{
    if (colour == m_fill)
        return;
    m_fill = colour;
    update();
}

void Shape::setBorderVisible(bool visible)
{
    if (visible == m_border)
        return;
    m_border = visible;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor border = palette().color(QPalette::WindowText);
    if (m_kind == Kind::Rectangle) {
        painter.fillRect(rect(), m_fill);
        if (m_border) {
            painter.setPen(border);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_fill);
    painter.setPen(m_border ? QPen(border, 1.0) : QPen(Qt::NoPen));
    const qreal radius = std::min(width(), height()) / 4.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void Shape::describe(const QString& text)
{
    // Ticks describe the same stripe again and again; a screen reader hears of real changes only.
    if (text == accessibleName())
        return;
    setToolTip(text);
    ui::nameDirectly(this, text);
}

}  // namespace bandwise
