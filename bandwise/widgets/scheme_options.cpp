#include "bandwise/widgets/scheme_options.h"

#include "ui/naming.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace bandwise {

using ui::named;
using ui::placeInTwips;

using common::BandScheme;

SchemeOptions::SchemeOptions(
    QWidget* panel, const Names& names, int labelWidthTwips, std::function<void(BandScheme)> onChosen)
{
    auto* label = named(new QLabel(QStringLiteral("Colour Code Scheme:"), panel), names.label);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(label, 240, 360, labelWidthTwips, 435);

    const std::array<QString, 3> captions = {
        QStringLiteral("Four Band"), QStringLiteral("Five Band"), QStringLiteral("Six Band")};
    const std::array<BandScheme, 3> schemes = {BandScheme::FourBand, BandScheme::FiveBand, BandScheme::SixBand};
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        m_options[i] = named(new QRadioButton(captions[i], panel), names.options[i]);
        placeInTwips(m_options[i], 1680 + 1560 * static_cast<int>(i), 480, 1455, 255);
    }
    // A group of their own: as mere siblings, Qt would let a click un-check the selected option
    // whenever another checked option lives anywhere under the same panel.
    auto* group = new QButtonGroup(panel);
    for (QRadioButton* option : m_options)
        group->addButton(option);
    m_options[0]->setChecked(true);
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        QObject::connect(m_options[i], &QRadioButton::toggled, panel, [onChosen, scheme = schemes[i]](bool checked) {
            if (checked)
                onChosen(scheme);
        });
    }
}

void SchemeOptions::choose(BandScheme scheme)
{
    m_options[static_cast<std::size_t>(scheme)]->setChecked(true);
}

BandScheme SchemeOptions::scheme() const
{
    if (m_options[0]->isChecked())
        return BandScheme::FourBand;
    return m_options[1]->isChecked() ? BandScheme::FiveBand : BandScheme::SixBand;
}

}  // namespace bandwise
