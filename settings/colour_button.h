#pragma once

#include <QAbstractButton>
#include <QColor>

namespace settings {

// A button without text whose whole face shows one colour of the palette being edited. Its
// colour is told as #RRGGBB to a screen reader and in its tooltip; Enter presses it, as it
// presses the window's push buttons.
class ColourButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColourButton(QWidget* parent);

    QColor faceColour() const { return m_colour; }
    void setFaceColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_colour;
};

}  // namespace settings
