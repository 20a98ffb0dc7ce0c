#include "common/line_writer.h"
#include "common/settings_files.h"
#include "platform/colour_picker.h"
#include "settings/colour_button.h"
#include "settings/settings_window.h"
#include "widget_test.h"

#include <QComboBox>
#include <QPushButton>

#include <chrono>
#include <fstream>
#include <memory>

namespace {

class NoPicker final : public platform::ColourPicker {
public:
    std::int32_t ShowColorDialog(std::intptr_t, bool, std::int32_t) override { return 0x123456; }
};

class FaultInjectionSettings : public testsupport::WidgetTest {
protected:
    std::filesystem::path file(const char* name) const { return programDirectory() / name; }
    std::string read(const char* name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::unique_ptr<settings::SettingsWindow> open()
    {
        auto window = std::make_unique<settings::SettingsWindow>(programDirectory(), messages, picker);
        window->show();
        return window;
    }
    NoPicker picker;
    const settings::SettingsTexts texts;
};

}  // namespace

TEST_F(FaultInjectionSettings, directoryInPlaceOfColoursIni)
{
    std::filesystem::create_directory(file("Colours.ini"));
    messages.expectMessages();
    auto window = open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.toStdString(), texts.Colours_Read_Error_Message);
    EXPECT_EQ(child<QComboBox>(window.get(), "language_list")->count(), 3);
    click(child<QPushButton>(window.get(), "save_colour_settings"));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text.toStdString(), texts.Colours_Save_Error_Message);
    EXPECT_TRUE(std::filesystem::is_directory(file("Colours.ini")));
}

TEST_F(FaultInjectionSettings, saveFailingPartWayKeepsTheOldFiles)
{
    const std::string colours = common::ColoursFileBytes(common::DefaultPalette());
    std::ofstream(file("Colours.ini"), std::ios::binary) << colours;
    const std::string language = read("Language.ini");
    auto window = open();
    click(child<settings::ColourButton>(window.get(), "Red"));
    child<QComboBox>(window.get(), "language_list")->setCurrentText(QStringLiteral("Español"));
    messages.expectMessages();
    const common::ScopedWriteFailure diskFull(40);
    click(child<QPushButton>(window.get(), "save_colour_settings"));
    click(child<QPushButton>(window.get(), "save_language_settings"));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text.toStdString(), texts.Colours_Save_Error_Message);
    EXPECT_EQ(messages.shown[1].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(read("Colours.ini"), colours);
    EXPECT_EQ(read("Language.ini"), language);
    EXPECT_FALSE(std::filesystem::exists(file("Colours.ini.tmp")));
    EXPECT_FALSE(std::filesystem::exists(file("Language.ini.tmp")));
}

TEST_F(FaultInjectionSettings, hugeAndDanglingFiles)
{
    {
        std::ofstream touch(file("Colours.ini"), std::ios::binary);
    }
    std::filesystem::resize_file(file("Colours.ini"), 200u * 1024 * 1024);
    std::filesystem::remove(file("Language.ini"));
    std::filesystem::create_symlink(programDirectory() / "nowhere.ini", file("Language.ini"));
    messages.expectMessages();
    const auto started = std::chrono::steady_clock::now();
    auto window = open();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.toStdString(), texts.Colours_Read_Error_Message);
    EXPECT_EQ(child<QComboBox>(window.get(), "language_list")->currentText(), "English");
    EXPECT_EQ(child<settings::ColourButton>(window.get(), "Black")->faceColour(), QColor(0, 0, 0));
    EXPECT_EQ(std::filesystem::file_size(file("Colours.ini")), 200u * 1024 * 1024);
}

TEST_F(FaultInjectionSettings, hostileLanguageAndCaptionFiles)
{
    const std::string languageIniError = std::string(settings::kLanguageIniReadError);
    const std::string captionError = std::string(settings::kCaptionFileError);
    const std::filesystem::path captions = programDirectory() / "Language Files" / "Español" / "Español_Settings.ini";
    const auto huge = [](const std::filesystem::path& path) {
        std::filesystem::create_directories(path.parent_path());
        {
            std::ofstream touch(path, std::ios::binary);
        }
        std::filesystem::resize_file(path, 200u * 1024 * 1024);
    };
    struct Row {
        const char* name;
        std::function<void()> prepare;
        std::string message;
        const char* selected;
    };
    const Row rows[] = {
        {"hugeLanguageIni", [&] { huge(file("Language.ini")); }, languageIniError, "English"},
        {"directoryLanguageIni",
            [&] {
                std::filesystem::remove(file("Language.ini"));
                std::filesystem::create_directory(file("Language.ini"));
            },
            languageIniError, "English"},
        {"climbingPath",
            [&] { std::ofstream(file("Language.ini"), std::ios::binary) << common::LanguageFileBytes("..\\x.ini"); },
            languageIniError, "English"},
        {"hugeCaptionFile", [&] { huge(captions); }, captionError, "Español"},
        {"directoryCaptionFile", [&] { std::filesystem::create_directories(captions); }, captionError, "Español"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(programDirectory() / "Language Files");
        std::filesystem::remove_all(file("Language.ini"));
        std::ofstream(file("Language.ini"), std::ios::binary) << common::LanguageFileBytes("Español\\Español.ini");
        row.prepare();
        // Language.ini is never written at start-up: a small one must keep its bytes.
        const bool small = std::filesystem::is_regular_file(file("Language.ini")) &&
            std::filesystem::file_size(file("Language.ini")) < 4096;
        const std::string before = small ? read("Language.ini") : "";
        messages = testsupport::RecordingMessages();
        messages.expectMessages();
        const auto started = std::chrono::steady_clock::now();
        auto window = open();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text.toStdString(), row.message);
        EXPECT_EQ(child<QComboBox>(window.get(), "language_list")->currentText(), row.selected);
        EXPECT_EQ(window->windowTitle(), "Settings");
        if (small) {
            EXPECT_EQ(read("Language.ini"), before);
        }
    }
}

TEST_F(FaultInjectionSettings, undefinedCodePageBytesInACaptionFile)
{
    const std::filesystem::path folder = programDirectory() / "Language Files" / "Español";
    std::filesystem::create_directories(folder);
    std::ofstream captions(folder / "Español_Settings.ini", std::ios::binary);
    for (int i = 1; i <= 25; ++i)
        captions << (i == 3 ? std::string("Title\x81\x9D") : "C" + std::to_string(i)) << "\r\n";
    captions.close();
    std::ofstream(file("Language.ini"), std::ios::binary) << common::LanguageFileBytes("Español\\Español.ini");
    auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Title\xC2\x81\xC2\x9D"));
}
