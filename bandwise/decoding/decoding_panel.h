#pragma once

#include "bandwise/decoding/colour_options.h"
#include "bandwise/decoding/decoding_result.h"
#include "common/display_colour.h"

#include <QGroupBox>

#include <array>
#include <memory>
#include <optional>
#include <utility>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace bandwise {

class SampleResistor;
class SchemeOptions;

// The group "Convert Colour Code To Value". Clicks only record a colour and paint one stripe;
// the result controls are filled by tick(), which Timer1 runs every 100 ms.
class DecodingPanel : public QGroupBox {
    Q_OBJECT
public:
    DecodingPanel(const common::BandPalette& palette, QWidget* parent);
    ~DecodingPanel() override;

    common::BandScheme scheme() const;
    ResultForm resultForm() const;

    void tick();
    // The value box's right-click menu as it would show now.
    QMenu* valueMenu();
    // The exact value the value box shows, for a value larger than 0 Ω.
    std::optional<values::TypedValue> shownValue() const;

    SampleResistor& sampleResistor() { return *m_resistor; }

Q_SIGNALS:
    // The value box's menu asks for "Find standard values…".
    void findStandardValuesAsked();

private:
    void buildColourGroups();
    void buildResultGroup();
    void buildSampleResistor();

    void chooseColour(BandPosition position, int optionId, const QString& caption);
    void applyScheme(common::BandScheme scheme);
    void showPlainUnit();
    DecodingOutput compute() const;

    const common::BandPalette& m_palette;
    DecodingSelection m_selection;

    std::unique_ptr<SchemeOptions> m_scheme;
    QRadioButton* m_normalForm = nullptr;
    QRadioButton* m_exponentForm = nullptr;
    QRadioButton* m_inUnits = nullptr;
    std::array<QGroupBox*, 6> m_colourGroups {};
    QLineEdit* m_resistorValue = nullptr;
    std::optional<QString> m_promptText;  // none until the first value replaces it
    // What the value box's tooltip describes; the ticks rebuild it only when this changes.
    std::optional<std::pair<DecodingSelection, common::BandScheme>> m_factsFor;
    QLabel* m_unitLabel = nullptr;
    QLabel* m_tempcoLabel = nullptr;
    QLineEdit* m_tempcoValue = nullptr;
    std::unique_ptr<SampleResistor> m_resistor;
};

}  // namespace bandwise
