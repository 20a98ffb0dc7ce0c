#pragma once

// Data flow of the main window.
//
// Form1 owns the BandPalette; the decoding panel owns the DecodingSelection. A click on a colour
// option records the colour in the selection and paints one stripe of the decoding panel's
// sample resistor from the palette; scheme clicks only enable, disable, show or hide controls.
// Timer1 (in the decoding panel) ticks every 100 ms: it reads the selection, the scheme and the
// result form and writes Resistor_Value, unit_label and tempco_value. The outline check box
// switches the border of the sample resistor's stripes. Message boxes go through the
// MessagePresenter the window was given; files are found through the program directory.

#include "common/display_colour.h"

#include <QWidget>

#include <filesystem>

class QGroupBox;
class QPushButton;

namespace platform {
class MessagePresenter;
}

namespace bandwise {

class DecodingPanel;
class WrappingCheckBox;

class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(std::filesystem::path programDirectory, platform::MessagePresenter& messages, QWidget* parent = nullptr);
    ~Form1() override;

    const common::BandPalette& bandPalette() const { return m_palette; }
    const std::filesystem::path& programDirectory() const { return m_programDirectory; }

private:
    void applyStripesOutline(bool outlined);

    std::filesystem::path m_programDirectory;
    platform::MessagePresenter& m_messages;
    common::BandPalette m_palette = common::DefaultPalette();

    DecodingPanel* m_decoding = nullptr;
    QGroupBox* m_encodingFrame = nullptr;
    QGroupBox* m_calculatorFrame = nullptr;
    WrappingCheckBox* m_stripesOutline = nullptr;
    QPushButton* m_about = nullptr;
    QPushButton* m_exit = nullptr;
};

}  // namespace bandwise
