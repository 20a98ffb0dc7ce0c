#pragma once

#include "bandwise/core/window_texts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace bandwise {

// The About box's texts as the main window's language variables give them; an empty member
// keeps the designed caption.
struct AboutTexts {
    std::optional<std::string> title;
    std::optional<std::string> authorCredit;  // Label2
    std::optional<std::string> feedback;  // Label3
    std::optional<std::string> donation;  // Label6
    std::optional<std::string> thanks;  // Label5
    std::string translation;  // Label9: an invitation, or the translator's credit
    std::optional<std::string> okButton;
    std::optional<std::string> readMeButton;
};

AboutTexts AboutDialogTexts(const WindowTexts& texts);

// The read-me of the language in use when there is one, else ReadMe.txt.
std::filesystem::path ReadMeFile(const std::filesystem::path& programDirectory, const WindowTexts& texts);

// A new mail to the author with the subject filled in.
std::string MailtoAddress(std::string_view name, std::string_view email);

}  // namespace bandwise
