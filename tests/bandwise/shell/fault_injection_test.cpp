#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/shape.h"
#include "common/line_writer.h"
#include "common/settings_files.h"
#include "widget_test.h"

#include <QCheckBox>
#include <QGroupBox>

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <memory>

using bandwise::MainWindow;

namespace {

class FaultInjection : public testsupport::WidgetTest {
protected:
    std::filesystem::path file(const char* name) const { return programDirectory() / name; }

    void write(const char* name, const std::string& bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }

    std::string read(const char* name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::unique_ptr<MainWindow> open()
    {
        auto window = std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
        window->show();
        return window;
    }

    // The single message shown since the last call, or "" when none was.
    std::string takeMessage()
    {
        EXPECT_LE(messages.shown.size(), 1u);
        const std::string text = messages.shown.empty() ? "" : messages.shown.back().text.toStdString();
        messages.shown.clear();
        return text;
    }

    static bool showsDefaults(const MainWindow& window)
    {
        return window.bandPalette() == common::DefaultPalette() &&
            child<bandwise::Shape>(&window, "Shape3")->fillColour() == QColor(255, 0, 0) &&
            child<QCheckBox>(&window, "show_stripes_outline")->isChecked();
    }

    const std::string loadError = bandwise::WindowTexts().Settings_Load_Error_Message;
    const std::string saveError = bandwise::WindowTexts().Settings_Save_Error_Message;
};

}  // namespace

TEST_F(FaultInjection, directoriesWhereFilesShouldBe)
{
    messages.expectMessages();
    std::filesystem::create_directory(file("Settings.ini"));
    auto window = open();
    EXPECT_EQ(takeMessage(), loadError);
    EXPECT_TRUE(showsDefaults(*window));
    window->close();
    EXPECT_EQ(takeMessage(), saveError);
    EXPECT_TRUE(std::filesystem::is_directory(file("Settings.ini")));
    EXPECT_FALSE(std::filesystem::exists(file("Settings.ini.tmp")));
}

TEST_F(FaultInjection, saveFailingPartWayKeepsTheOldFile)
{
    write("Settings.ini", " 0 \r\n");
    auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    click(child<QCheckBox>(window.get(), "show_stripes_outline"));  // now checked: " 1 " would be written
    messages.expectMessages();
    {
        const common::ScopedWriteFailure diskFull(2);
        window->close();
    }
    EXPECT_EQ(takeMessage(), saveError);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(read("Settings.ini"), " 0 \r\n");
    EXPECT_FALSE(std::filesystem::exists(file("Settings.ini.tmp")));
}

TEST_F(FaultInjection, danglingLinksCountAsMissingFiles)
{
    std::filesystem::create_symlink(programDirectory() / "nowhere" / "Colours.ini", file("Colours.ini"));
    std::filesystem::create_symlink(programDirectory() / "nowhere" / "Settings.ini", file("Settings.ini"));
    auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(showsDefaults(*window));
    window->close();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::is_symlink(file("Settings.ini")));  // replaced whole by the save
    EXPECT_EQ(read("Settings.ini"), " 1 \r\n");
}

TEST_F(FaultInjection, hugeFilesWithoutSeparatorsAreRefusedQuickly)
{
    constexpr std::uintmax_t kSize = 200u * 1024 * 1024;  // sparse: no line end, no comma
    struct Row {
        const char* name;
        const char* huge;
        std::string message;
    };
    const Row rows[] = {
        {"colours", "Colours.ini", loadError},
        {"languageIni", "Language.ini", "Bandwise encountered an error while loading \"Language.ini\" file."},
        {"languageFile", "Language Files/Huge/Huge.ini",
            "Bandwise encountered an error while loading \"Huge\\Huge.ini\" file.\r\nThe language files and/or "
            "\"Language.ini\" seems to be corrupted. Downloading the package again or using \"Settings.ini\" to set "
            "the "
            "desired language again may fix this problem."},
    };
    messages.expectMessages();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(file("Colours.ini"));
        write("Language.ini",
            common::LanguageFileBytes(std::string(row.name) == "languageFile" ? "Huge\\Huge.ini" : "Default"));
        std::filesystem::create_directories(file(row.huge).parent_path());
        {
            std::ofstream touch(file(row.huge), std::ios::binary);
        }
        std::filesystem::resize_file(file(row.huge), kSize);

        const auto started = std::chrono::steady_clock::now();
        auto window = open();
        const auto elapsed = std::chrono::steady_clock::now() - started;
        EXPECT_LT(elapsed, std::chrono::milliseconds(500));
        EXPECT_EQ(takeMessage(), row.message);
        EXPECT_TRUE(showsDefaults(*window));
        EXPECT_EQ(window->windowTitle(), "Bandwise");
        std::filesystem::remove(file(row.huge));
    }
}

TEST_F(FaultInjection, undefinedCodePageBytesAreKeptAsTheirCodePoints)
{
    std::string fields;
    for (int i = 1; i <= 69; ++i)
        fields += (i == 4 ? std::string("Frame\x81\x8D") : "F" + std::to_string(i)) + "\r\n";
    // The folder's name on disk is the UTF-8 form of what Language.ini names.
    const std::filesystem::path folder = programDirectory() / "Language Files" / "Odd\xC2\x90";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "x.ini", std::ios::binary) << fields;
    write("Language.ini", ";h\r\nOdd\x90\\x.ini\r\n;t\r\n");
    auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->windowTexts().Language_Name, "Odd\xC2\x90");
    EXPECT_EQ(child<QGroupBox>(window.get(), "Frame1")->title(), QString::fromUtf8("Frame\xC2\x81\xC2\x8D"));
    EXPECT_EQ(read("Language.ini"), ";h\r\nOdd\x90\\x.ini\r\n;t\r\n");
}

TEST_F(FaultInjection, pathsClimbingOutOfLanguageFilesAreFoundOrNot)
{
    messages.expectMessages();
    std::filesystem::create_directory(programDirectory() / "Language Files");
    write("Language.ini", common::LanguageFileBytes("..\\Language.ini"));  // found: Language.ini itself
    auto window = open();
    EXPECT_NE(takeMessage().find("\"..\\Language.ini\" file."), std::string::npos);
    EXPECT_EQ(window->windowTexts().Language_Name, "..");
    EXPECT_EQ(window->windowTitle(), "Bandwise");

    write("Language.ini", common::LanguageFileBytes("..\\..\\..\\..\\nowhere\\x.ini"));
    window = open();
    EXPECT_EQ(takeMessage(), "");
    EXPECT_EQ(window->windowTitle(), "Bandwise");
    EXPECT_EQ(read("Language.ini"), common::LanguageFileBytes("..\\..\\..\\..\\nowhere\\x.ini"));
}

TEST_F(FaultInjection, filesWithoutReadPermission)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files without read permission";
    write("Colours.ini", common::ColoursFileBytes(common::DefaultPalette()));
    std::filesystem::permissions(file("Colours.ini"), std::filesystem::perms::none);
    messages.expectMessages();
    auto window = open();
    EXPECT_EQ(takeMessage(), loadError);
    EXPECT_TRUE(showsDefaults(*window));
    std::filesystem::permissions(file("Colours.ini"), std::filesystem::perms::owner_all);
}
