#pragma once

// Data flow of the Settings window.
//
// The thirteen colour buttons hold the palette being edited: start-up paints their faces from
// Colours.ini, a click opens the colour picker on the button's colour, and "Save colour
// settings" writes their faces to Colours.ini. The language list holds the chosen language:
// start-up selects the entry Language.ini names (listing a language the user added by hand under
// its folder name) and loads that language's caption file, and "Save language settings" writes
// Language.ini. Nothing takes effect in Bandwise before its next start; nothing is written on exit.

#include "settings/settings_texts.h"
#include "ui/translations.h"

#include <QWidget>

#include <array>
#include <filesystem>

class QApplication;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace platform {
class ColourPicker;
class MessagePresenter;
}  // namespace platform

namespace settings {

class ColourButton;

// Style and default font of the Settings program, for which its twip layout is made.
void applySettingsLook(QApplication& app);

class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    SettingsWindow(common::FilePlaces places, platform::MessagePresenter& messages, platform::ColourPicker& picker,
        QWidget* parent = nullptr);

    // Applies the caption file of the language selected in the list.
    void Language_Loader();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void buildPaletteEditor();
    void buildLanguageChoice();
    void startUp();
    void readColours();
    void selectSavedLanguage();
    void applyCaptions(const CaptionFields& fields);
    void pickColour(ColourButton* button);
    void chooseBackground();
    void saveColours();
    void saveLanguage();
    void showMessage(bool failure, const std::string& text);
    // A failure with one of the settings files, naming its folder when that is not the program directory.
    void showFileError(const std::string& text, const std::filesystem::path& file);

    common::FilePlaces m_places;
    platform::MessagePresenter& m_messages;
    platform::ColourPicker& m_picker;
    SettingsTexts m_texts;
    // Its own texts' translations and Qt's, for the language Language.ini names.
    ui::Translations m_translations;

    QGroupBox* m_huebench = nullptr;
    std::array<QLabel*, common::kBandColourCount + 1> m_labels {};
    std::array<ColourButton*, common::kBandColourCount + 1> m_buttons {};
    QPushButton* m_saveColours = nullptr;
    QGroupBox* m_languageFrame = nullptr;
    QLabel* m_selectLabel = nullptr;
    QComboBox* m_languages = nullptr;
    QPushButton* m_saveLanguage = nullptr;
};

}  // namespace settings
