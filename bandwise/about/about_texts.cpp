#include "bandwise/about/about_texts.h"

#include <algorithm>

namespace bandwise {

namespace {

// Fields 60 and 61 carry their commas as "|" and are shown followed by a colon.
std::string withCommasAndColon(std::string text)
{
    std::replace(text.begin(), text.end(), '|', ',');
    return text + ":";
}

}  // namespace

AboutTexts AboutDialogTexts(const WindowTexts& texts)
{
    AboutTexts about;
    if (!texts.Language_Changed) {
        about.translation = "If you want to help translate Bandwise to other language(s), contact me.";
        return about;
    }
    const auto& fields = texts.About_Texts;  // fields 57 to 65
    about.title = fields[0];
    about.authorCredit = fields[1];
    about.feedback = withCommasAndColon(fields[3]);
    about.donation = withCommasAndColon(fields[4]);
    about.thanks = fields[5];
    about.okButton = fields[6];
    about.readMeButton = fields[7];
    about.translation = fields[8];
    return about;
}

std::filesystem::path ReadMeFile(const std::filesystem::path& programDirectory, const WindowTexts& texts)
{
    if (texts.Language_Changed) {
        // A language added by hand usually comes without a read-me of its own.
        std::filesystem::path own = programDirectory / ("ReadMe-" + texts.Language_Name + ".txt");
        std::error_code error;
        if (std::filesystem::exists(own, error))
            return own;
    }
    return programDirectory / "ReadMe.txt";
}

std::string MailtoAddress(std::string_view name, std::string_view email)
{
    return "mailto:" + std::string(name) + " <" + std::string(email) + ">?subject=Bandwise";
}

}  // namespace bandwise
