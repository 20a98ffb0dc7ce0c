#pragma once

#include "common/display_colour.h"

#include <optional>

namespace platform {

// The desktop's colour picker, as the Settings program uses it.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;

    // Opens the picker on `initial` and returns the colour picked, or nothing when the user
    // cancels. The custom colours start black on every call.
    virtual std::optional<common::DisplayColour> ShowColorDialog(common::DisplayColour initial) = 0;
};

// Qt's own colour dialog (not the desktop's native one, whose custom colours Qt cannot reset).
// Qt would save the dialog's custom colours in the user's settings when the program ends; the
// picker keeps them for one call only, so Qt's per-user settings are pointed where nothing can
// be written. Create the picker after the QApplication, before any other use of QSettings.
class QtColourPicker final : public ColourPicker {
public:
    QtColourPicker();
    std::optional<common::DisplayColour> ShowColorDialog(common::DisplayColour initial) override;
};

}  // namespace platform
