#pragma once

#include "common/display_colour.h"

#include <QColor>

#include <array>

class QWidget;

namespace bandwise {

class LineShape;
class Shape;

// Object names of one sample resistor's parts; the two panels name theirs differently.
struct SampleResistorNames {
    const char* leftLead;
    const char* rightLead;
    const char* leftCap;
    const char* rightCap;
    const char* middle;
    const char* leftSeam;
    const char* rightSeam;
    std::array<const char*, 6> stripes;  // first, second, third, multiplier, tolerance, tempco
};

// The drawing of a resistor inside a "Sample Resistor" group: leads, two rounded caps, the
// middle, two seam lines that hide the outlines where caps and middle meet, and six stripes on top.
class SampleResistor {
public:
    enum Stripe { FirstStripe, SecondStripe, ThirdStripe, MultiplierStripe, ToleranceStripe, TempcoStripe };

    SampleResistor(QWidget* frame, const SampleResistorNames& names, int multiplierStripeHeightTwips);

    Shape* stripe(Stripe which) const { return m_stripes[which]; }
    const std::array<Shape*, 6>& stripes() const { return m_stripes; }

    void setStripesOutlined(bool outlined);
    // Paints the caps, the middle and the seams, in that order.
    void setBodyColour(const QColor& colour);

private:
    std::array<Shape*, 3> m_body {};  // left cap, right cap, middle
    std::array<LineShape*, 2> m_seams {};  // left, right
    std::array<Shape*, 6> m_stripes {};
};

}  // namespace bandwise
