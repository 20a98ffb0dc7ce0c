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
    std::unique_ptr<settings::Form1> open()
    {
        auto window = std::make_unique<settings::Form1>(programDirectory(), messages, picker);
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
    { std::ofstream touch(file("Colours.ini"), std::ios::binary); }
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
