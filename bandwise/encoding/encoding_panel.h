#pragma once

#include "bandwise/encoding/encoding_refresh.h"
#include "common/display_colour.h"

#include <QGroupBox>

#include <array>
#include <memory>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace platform {
class MessagePresenter;
}

namespace bandwise {

class SampleResistor;
class SchemeOptions;
struct WindowTexts;

// The group "Convert Value To Colour Code". Its state lives only in its controls; tick(), run by
// Timer2 every 100 ms, turns the six lists into colour words, swatch colours and res_value.
class EncodingPanel : public QGroupBox {
    Q_OBJECT
public:
    EncodingPanel(const common::BandPalette& palette, const WindowTexts& texts, platform::MessagePresenter& messages,
        QWidget* parent);
    ~EncodingPanel() override;

    // Start-up fills the three digit lists, before anything that could show a message.
    void fillDigitLists();

    common::BandScheme scheme() const;
    void tick();
    // The value box's right-click menu as it would show now.
    QMenu* valueMenu();
    // "Set value…": sets the lists to a typed value ("4k7 5%"), or says why it cannot.
    void setTypedValue(const QString& text);
    void askForValue();
    // The exact value the value box shows, for a value larger than 0 Ω.
    std::optional<values::TypedValue> shownValue() const;

    SampleResistor& sampleResistor() { return *m_resistor; }

Q_SIGNALS:
    // The value box's menu asks for "Find standard values…".
    void findStandardValuesAsked();

private:
    void buildValueGroup();
    void buildParameterAndResultGroups();
    void applyScheme(common::BandScheme scheme);

    const common::BandPalette& m_palette;
    const WindowTexts& m_texts;
    platform::MessagePresenter& m_messages;

    std::unique_ptr<SchemeOptions> m_scheme;
    QLineEdit* m_resValue = nullptr;
    std::optional<values::TypedValue> m_reading;  // of the last tick
    // The lists and scheme the reading and the value box's tooltip are of; rebuilt only on a change.
    std::optional<std::pair<DecodingSelection, common::BandScheme>> m_factsFor;
    std::array<std::optional<std::string>, kEncodingRowCount> m_colourNames;  // of the last tick
    std::array<QLabel*, kEncodingRowCount> m_parameterLabels {};
    std::array<QComboBox*, kEncodingRowCount> m_lists {};
    std::array<QLabel*, kEncodingRowCount> m_resultLabels {};
    std::array<QLineEdit*, kEncodingRowCount> m_resultBoxes {};
    std::unique_ptr<SampleResistor> m_resistor;
};

}  // namespace bandwise
