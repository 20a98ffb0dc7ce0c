#pragma once

#include "common/band_colour.h"

#include <array>
#include <functional>

class QLabel;
class QRadioButton;
class QWidget;

namespace bandwise {

// The "Colour Code Scheme:" label and the Four, Five and Six Band options that both colour-code
// panels have, each panel with its own, independent of the other's.
class SchemeOptions {
public:
    struct Names {
        const char* label;
        std::array<const char*, 3> options;  // four, five, six bands
    };

    // onChosen runs whenever the user selects an option; Four Band starts selected.
    SchemeOptions(
        QWidget* panel, const Names& names, int labelWidthTwips, std::function<void(common::BandScheme)> onChosen);

    common::BandScheme scheme() const;
    // Selects an option for the user, who asked for it, with the same effect as their click.
    void choose(common::BandScheme scheme);

private:
    std::array<QRadioButton*, 3> m_options {};
};

}  // namespace bandwise
