#include "settings/colour_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace settings {

ColourButton::ColourButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColourButton::setFaceColour(const QColor& colour)
{
    m_colour = colour;
    const QString code = colour.name(QColor::HexRgb).toUpper();
    setAccessibleDescription(code);
    setToolTip(code);
    update();
}

void ColourButton::keyPressEvent(QKeyEvent* event)
{
    // As a push button with autoDefault takes it (see ui::pressButtonsOnEnter).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    // A raised edge, sunk while pressed, in the theme's own shades so it shows on any colour.
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Shadow);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(isDown() ? dark : light);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(isDown() ? light : dark);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    if (hasFocus()) {
        // Black and white dashes stay visible whatever the face colour.
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(edge.adjusted(3, 3, -3, -3));
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(edge.adjusted(3, 3, -3, -3));
    }
}

}  // namespace settings
