#pragma once

#include "bandwise/calculator/pvir_solve.h"

#include <QGroupBox>

#include <array>

class QLineEdit;
class QPushButton;

namespace platform {
class MessagePresenter;
}

namespace bandwise {

struct WindowTexts;

// The group "Calculate P-V-I-R": four boxes that take only what can form a plain number,
// Calculate and Reset. The quantities live only in the boxes' texts.
class CalculatorPanel : public QGroupBox {
    Q_OBJECT
public:
    CalculatorPanel(const WindowTexts& texts, platform::MessagePresenter& messages, QWidget* parent);

    void calculate();
    void reset();

private:
    void setBackground(QLineEdit* box, const QColor& colour);

    const WindowTexts& m_texts;
    platform::MessagePresenter& m_messages;
    std::array<QLineEdit*, kCalculatorBoxCount> m_boxes {};
    QPushButton* m_calculate = nullptr;
    QPushButton* m_reset = nullptr;
};

}  // namespace bandwise
