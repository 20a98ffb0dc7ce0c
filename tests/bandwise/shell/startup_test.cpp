#include "bandwise/shell/main_window.h"
#include "bandwise/shell/painting_table.h"
#include "bandwise/shell/window_placement.h"
#include "bandwise/widgets/line_shape.h"
#include "bandwise/widgets/shape.h"
#include "common/settings_files.h"
#include "widget_test.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <unistd.h>

#include <fstream>
#include <memory>

using bandwise::MainWindow;
using common::BandPalette;
using common::DisplayColour;

namespace {

class StartupTest : public testsupport::WidgetTest {
protected:
    void write(const char* name, const std::string& bytes) const
    {
        std::ofstream(programDirectory() / name, std::ios::binary) << bytes;
    }

    std::string read(const char* name) const
    {
        std::ifstream in(programDirectory() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::unique_ptr<MainWindow> open()
    {
        return std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
    }

    // The colour each painted control shows, in painting order.
    static std::vector<QColor> paintedColours(const MainWindow& window)
    {
        std::vector<QColor> colours;
        for (const bandwise::PaintStep& step : bandwise::PaintingTable()) {
            QWidget* control = window.findChild<QWidget*>(QString::fromUtf8(step.control.data(), step.control.size()));
            if (auto* shape = qobject_cast<bandwise::Shape*>(control))
                colours.push_back(shape->fillColour());
            else if (auto* line = qobject_cast<bandwise::LineShape*>(control))
                colours.push_back(line->lineColour());
            else
                ADD_FAILURE() << "nothing to paint named " << step.control;
        }
        return colours;
    }

    static std::vector<QColor> expectedColours(const BandPalette& palette)
    {
        std::vector<QColor> colours;
        for (const bandwise::PaintStep& step : bandwise::PaintingTable()) {
            const DisplayColour c = step.colour ? palette[*step.colour] : palette.body;
            colours.emplace_back(c.red(), c.green(), c.blue());
        }
        return colours;
    }

    static BandPalette customPalette()
    {
        BandPalette palette;
        for (int i = 0; i < common::kBandColourCount; ++i)
            palette.bands[i] = DisplayColour {0x101010 * (i + 1)};
        palette.body = DisplayColour {0x123456};
        return palette;
    }

    bool outlined(const MainWindow& window) const
    {
        return child<QCheckBox>(&window, "show_stripes_outline")->isChecked();
    }
};

}  // namespace

TEST(WindowPlacement, centresAndKeepsTheTopLeftOnTheScreen)
{
    struct Row {
        const char* name;
        int screenWidth, screenHeight;
        int left, top;
    };
    const Row rows[] = {
        {"1024x768", 15360, 11520, 1912, 57},
        {"lowerThanTheWindow", 15360, 9000, 1912, 0},
        {"narrowerThanTheWindow", 9000, 11520, 0, 57},
        {"oddDifferenceTruncates", 11536, 11522, 0, 58},
    };
    for (const Row& row : rows) {
        const bandwise::TwipsPosition position =
            bandwise::PlaceMainWindow(row.screenWidth, row.screenHeight, 11535, 10965);
        EXPECT_EQ(position.left, row.left) << row.name;
        EXPECT_EQ(position.top, row.top) << row.name;
    }
}

TEST_F(StartupTest, windowIsPlacedOnItsScreen)
{
    MainWindow small(programDirectory(), messages, desktop, QRect(0, 0, 1024, 768));
    EXPECT_EQ(small.pos(), QPoint(127, 4));
    MainWindow second(programDirectory(), messages, desktop, QRect(1920, 0, 1024, 600));
    EXPECT_EQ(second.pos(), QPoint(1920 + 127, 0));
}

TEST(PaintingTable, paintsSwatchesThenBothBodiesInOrder)
{
    const char* expected[] = {
        "Shape1",
        "Shape2",
        "Shape3",
        "Shape4",
        "Shape5",
        "Shape6",
        "Shape7",
        "Shape8",
        "Shape9",
        "Shape10",
        "Shape24",
        "Shape23",
        "Shape22",
        "Shape21",
        "Shape20",
        "Shape19",
        "Shape18",
        "Shape17",
        "Shape16",
        "Shape15",
        "Shape36",
        "Shape35",
        "Shape34",
        "Shape33",
        "Shape32",
        "Shape31",
        "Shape30",
        "Shape29",
        "Shape28",
        "Shape27",
        "Shape48",
        "Shape47",
        "Shape46",
        "Shape45",
        "Shape44",
        "Shape43",
        "Shape42",
        "Shape41",
        "Shape38",
        "Shape37",
        "Shape59",
        "Shape58",
        "Shape55",
        "Shape54",
        "Shape53",
        "Shape52",
        "Shape50",
        "Shape49",
        "Shape40",
        "Shape51",
        "Shape39",
        "Shape56",
        "Shape25",
        "Shape26",
        "Shape14",
        "Line1",
        "Line2",
        "Shape61",
        "Shape60",
        "Shape62",
        "Line4",
        "Line3",
    };
    const auto& table = bandwise::PaintingTable();
    ASSERT_EQ(table.size(), std::size(expected));
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(table[i].control, expected[i]) << "step " << i + 1;
    EXPECT_EQ(table[30].colour, common::BandColour::Black);  // first multiplier swatch
    EXPECT_EQ(table[38].colour, common::BandColour::Gold);
    EXPECT_EQ(table[40].colour, common::BandColour::Brown);  // first tolerance swatch
    EXPECT_EQ(table[51].colour, common::BandColour::Yellow);  // last tempco swatch
    EXPECT_FALSE(table[52].colour.has_value());
}

TEST_F(StartupTest, noFilesOpensWithTheDefaults)
{
    const auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->bandPalette(), common::DefaultPalette());
    EXPECT_EQ(paintedColours(*window), expectedColours(common::DefaultPalette()));
    EXPECT_TRUE(outlined(*window));
}

TEST_F(StartupTest, coloursFilePaintsEverySwatchAndBothBodies)
{
    write("Colours.ini", common::ColoursFileBytes(customPalette()));
    write("Settings.ini", " 0 \r\n");
    const auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->bandPalette(), customPalette());
    EXPECT_EQ(paintedColours(*window), expectedColours(customPalette()));
    EXPECT_FALSE(outlined(*window));
    EXPECT_FALSE(child<bandwise::Shape>(window.get(), "band1_colour")->borderVisible());
    EXPECT_FALSE(child<bandwise::Shape>(window.get(), "tempco_colour1")->borderVisible());

    // Clicks paint stripes from the same palette.
    window->show();
    click(child<QRadioButton>(window.get(), "br1"));
    EXPECT_EQ(child<bandwise::Shape>(window.get(), "band1_colour")->fillColour(),
        child<bandwise::Shape>(window.get(), "Shape2")->fillColour());
}

TEST_F(StartupTest, badFilesGiveOneMessageAndEverythingMatchesTheDefaults)
{
    const std::string goodColours = common::ColoursFileBytes(customPalette());
    struct Row {
        const char* name;
        std::string colours;  // empty: no file
        std::optional<std::string> settings;  // nullopt: no file
    };
    const Row rows[] = {
        {"onlyTwelveValues",
            ";Bandwise\r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n",
            " 0 \r\n"},
        {"bandValueNotANumber",
            ";x\r\n 1 \r\n 2 \r\nabc\r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n 13 \r\n",
            " 0 \r\n"},
        {"bandValueNotAColour",
            ";x\r\n 1 \r\n 16777216 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n 13 "
            "\r\n",
            std::nullopt},
        {"bandValueNegative",
            ";x\r\n-1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n 13 \r\n",
            std::nullopt},
        {"outlineStateFive", goodColours, " 5 \r\n"},
        {"settingsNotANumber", goodColours, "\xFF"},
        {"emptySettingsFile", goodColours, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        messages = testsupport::RecordingMessages();
        messages.expectMessages();
        std::filesystem::remove(programDirectory() / "Colours.ini");
        std::filesystem::remove(programDirectory() / "Settings.ini");
        if (!row.colours.empty())
            write("Colours.ini", row.colours);
        if (row.settings)
            write("Settings.ini", *row.settings);

        const auto window = open();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Stop);
        EXPECT_EQ(messages.shown[0].title, "Bandwise");
        EXPECT_EQ(messages.shown[0].text.toStdString(), window->windowTexts().Settings_Load_Error_Message);
        EXPECT_EQ(window->bandPalette(), common::DefaultPalette());
        EXPECT_EQ(paintedColours(*window), expectedColours(common::DefaultPalette()));
        EXPECT_TRUE(outlined(*window));  // Settings.ini is not applied after a failure
    }
}

TEST_F(StartupTest, oddButReadableColourFilesPaintWhatTheyHold)
{
    const std::string values =
        " 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n";
    struct Row {
        const char* name;
        std::string colours;
        std::vector<std::int32_t> expected;  // twelve bands, then the body
    };
    const Row rows[] = {
        {"commaInTheHeader", ";Bandwise, 99\r\n" + values + " 13 \r\n", {99, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"bodyNotANumber", ";x\r\n" + values + "abc\r\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0}},
        {"bodyNotAColour", ";x\r\n" + values + " 16777216 \r\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0}},
        {"lastLineNeverRead", ";x\r\n" + values + " 13 \r\n,,garbage", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        // The values after the empty line move down one place: the body comes from the last band line.
        {"emptyLineAmongTheValues", ";x\r\n 1 \r\n\r\n" + values.substr(5) + " 13 \r\n",
            {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        write("Colours.ini", row.colours);
        write("Settings.ini", " 0 \r\n");
        BandPalette expected;
        for (int i = 0; i < common::kBandColourCount; ++i)
            expected.bands[i] = DisplayColour {row.expected[i]};
        expected.body = DisplayColour {row.expected[12]};

        const auto window = open();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(window->bandPalette(), expected);
        EXPECT_EQ(paintedColours(*window), expectedColours(expected));
        EXPECT_FALSE(outlined(*window));
    }
}

TEST_F(StartupTest, aDirectoryInPlaceOfColoursIniIsAFailure)
{
    messages.expectMessages();
    std::filesystem::create_directory(programDirectory() / "Colours.ini");
    const auto window = open();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(window->bandPalette(), common::DefaultPalette());
}

TEST_F(StartupTest, closingWritesTheOutlineStateByteExact)
{
    {
        const auto window = open();
        window->show();
        window->close();
    }
    EXPECT_EQ(read("Settings.ini"), " 1 \r\n");

    const auto window = open();
    window->show();
    click(child<QCheckBox>(window.get(), "show_stripes_outline"));
    QTest::mouseClick(child<QPushButton>(window.get(), "exit_button"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(read("Settings.ini"), " 0 \r\n");

    // Closing again after Exit writes nothing more: the settings are saved once.
    std::filesystem::remove(programDirectory() / "Settings.ini");
    window->close();
    EXPECT_FALSE(std::filesystem::exists(programDirectory() / "Settings.ini"));
    write("Settings.ini", " 0 \r\n");

    const auto reopened = open();
    EXPECT_FALSE(outlined(*reopened));
}

TEST_F(StartupTest, failedSaveShowsTheMessageKeepsTheOldFileAndStillCloses)
{
    write("Settings.ini", " 0 \r\n");
    std::filesystem::create_directory(programDirectory() / "Settings.ini.tmp");
    const auto window = open();
    window->show();
    messages.expectMessages();
    window->close();
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(messages.shown[0].text.toStdString(), window->windowTexts().Settings_Save_Error_Message);
    EXPECT_EQ(read("Settings.ini"), " 0 \r\n");
}

TEST_F(StartupTest, readOnlyDirectoryGivesTheSaveMessage)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    write("Settings.ini", " 0 \r\n");
    const auto window = open();
    window->show();
    std::filesystem::permissions(
        programDirectory(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    messages.expectMessages();
    window->close();
    std::filesystem::permissions(programDirectory(), std::filesystem::perms::owner_all);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(read("Settings.ini"), " 0 \r\n");
}
