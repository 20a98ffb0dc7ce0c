#pragma once

#include <QCheckBox>

namespace bandwise {

// A check box whose caption wraps onto several lines inside its fixed geometry, as the tall,
// narrow check boxes of a twip layout expect; QCheckBox itself never wraps.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    // The rectangle the caption is wrapped into.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace bandwise
