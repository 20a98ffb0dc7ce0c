#pragma once

#include <cstdint>

namespace platform {

// The desktop's colour picker, as the Settings program uses it. Colours are 0x00BBGGRR.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;

    // Opens the picker on initialColour (with its custom-colour part open when fullOpen) and
    // returns the colour picked, or -1 when the user cancels. The custom colours start black on
    // every call.
    virtual std::int32_t ShowColorDialog(std::intptr_t hParent, bool bFullOpen, std::int32_t InitColor) = 0;
};

// Qt's own colour dialog (not the desktop's native one, whose custom colours Qt cannot reset).
// Qt would save the dialog's custom colours in the user's settings when the program ends; the
// picker keeps them for one call only, so Qt's per-user settings are pointed where nothing can
// be written. Create the picker after the QApplication, before any other use of QSettings.
class QtColourPicker final : public ColourPicker {
public:
    QtColourPicker();
    std::int32_t ShowColorDialog(std::intptr_t hParent, bool bFullOpen, std::int32_t InitColor) override;
};

}  // namespace platform
