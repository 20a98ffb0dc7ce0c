#pragma once

// Data flow of the main window.
//
// The main window owns the BandPalette and the WindowTexts; the decoding panel owns the
// DecodingSelection, the encoding panel keeps its state in its controls, each list item carrying
// the colour it stands for. What every colour means in every position comes from the one band table
// of common/. A click on a colour option records the colour in the selection and paints and
// describes one stripe of the decoding panel's sample resistor; scheme clicks only enable, disable,
// show or hide controls of their own panel. Timer1 (decoding panel) ticks every 100 ms: it reads
// the selection, the scheme and the result form and writes Resistor_Value, unit_label and
// tempco_value. Timer2 (encoding panel) ticks every 100 ms: it reads the colours of the six lists'
// choices, the scheme, Colour_Names, None_Name and the palette and writes the six band boxes, the
// six swatches of its sample resistor and res_value. Both value boxes, when their reading changes,
// take the exact reading's facts (range, series, markings, the other end) as tooltip and screen
// reader description, and offer them for copying from their menus; "Set value…" turns a typed
// value back into the encoding lists. "Find standard values…" (either box's menu, or Ctrl+F for
// the box whose panel has the focus, else the encoding one) opens the finder from that box's value;
// the finder is made on first use, searches on threads of its own and sets the encoding lists
// through "Set value…". The outline check box switches the border of the twelve
// stripes of both sample resistors.
//
// "About" opens one non-modal About box, whose links go through GShell to the desktop.
//
// Start-up (load) places the window on its screen (scrolling its contents on a screen too small),
// sets the ohm signs, fills the digit lists, runs Language_Loader, which also loads the program's
// and Qt's own translations for the texts the language files do not hold, then reads Colours.ini
// into the palette (painting the swatches and resistor bodies) and Settings.ini into the check
// box; closing (unload) writes Settings.ini. Calculate solves from the texts of the four P-V-I-R
// boxes and reads its messages from the WindowTexts when it shows them. Message boxes go through
// the MessagePresenter the window was given; files are found through the FilePlaces decided at
// start-up.

#include "bandwise/about/gshell.h"
#include "bandwise/core/language_file.h"
#include "bandwise/core/window_texts.h"
#include "common/display_colour.h"
#include "common/file_places.h"
#include "ui/translations.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <filesystem>

class QPushButton;

namespace values {
struct TypedValue;
}

namespace platform {
class Desktop;
class MessagePresenter;
}  // namespace platform

namespace bandwise {

class CalculatorPanel;
class AboutDialog;
class DecodingPanel;
class EncodingPanel;
class FinderDialog;
class WrappingCheckBox;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // screen: the primary screen's geometry, which the window and its About box are placed on;
    // availableArea: the part of it the desktop's panels leave (the whole screen when null),
    // beyond which a window scrolls its contents.
    MainWindow(common::FilePlaces places, platform::MessagePresenter& messages, platform::Desktop& desktop,
        const QRect& screen, const QRect& availableArea = QRect());
    ~MainWindow() override;

    // Loads the language file named in Language.ini; the built-in English texts stay until it does.
    void Language_Loader();
    // Gives the open About box the texts of the language in use.
    void Load_Language_For_About_Dialog();

    // The About box while it is open, for the buttons that act on it.
    AboutDialog* aboutDialog() const;
    const Shell& shell() const { return m_shell; }
    // The finder once it has been opened.
    FinderDialog* finderDialog() const { return m_finder; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load(const QRect& screen);
    void place(const QRect& screen);
    void setOhmSigns();
    void loadSettingsFiles();
    void paintPalette();
    void unload();
    void exitProgram();
    void showAbout();
    void showFinder(const std::optional<values::TypedValue>& value);
    void applyStripesOutline(bool outlined);
    void applyCaptions(const LanguageFields& fields);
    // A message about one of the settings files, naming its folder when that is not the program directory.
    QString fileMessage(const std::string& message, const std::filesystem::path& file) const;

    common::FilePlaces m_places;
    platform::MessagePresenter& m_messages;
    platform::Desktop& m_desktop;
    QRect m_screen;
    QRect m_availableArea;
    Shell m_shell;
    // Both are read by the timers, so they hold usable values before any panel exists.
    common::BandPalette m_palette = common::DefaultPalette();
    WindowTexts m_texts;

    DecodingPanel* m_decoding = nullptr;
    EncodingPanel* m_encoding = nullptr;
    CalculatorPanel* m_calculator = nullptr;
    WrappingCheckBox* m_stripesOutline = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPointer<AboutDialog> m_about;
    FinderDialog* m_finder = nullptr;
    // The further texts' translations for the language in use; leave the application with the window.
    ui::Translations m_translations;
    bool m_unloaded = false;
    // Settings.ini could not be read at start-up and the check box has not been touched since.
    bool m_keepSettingsFile = false;
};

}  // namespace bandwise
