#include "bandwise/about/about_dialog.h"
#include "bandwise/shell/main_window.h"
#include "caption_fit.h"
#include "common/field_reader.h"
#include "common/line_writer.h"
#include "common/settings_files.h"
#include "widget_test.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <fstream>
#include <memory>

using bandwise::MainWindow;

namespace {

const std::filesystem::path kShippedData = BANDWISE_DATA_DIR;

// Where each field of a language file goes, written out by hand: control, field, appended text.
struct Caption {
    const char* control;
    int field;
    const char* suffix;
};

std::vector<Caption> captionTable()
{
    std::vector<Caption> table = {
        {"Frame1", 4, ""},
        {"Label1", 5, ":"},
        {"Label4", 5, ":"},
        {"r4b", 6, ""},
        {"r4b1", 6, ""},
        {"r5b", 7, ""},
        {"r5b1", 7, ""},
        {"r6b", 8, ""},
        {"r6b1", 8, ""},
        {"band1", 9, ""},
        {"Label11", 9, ":"},
        {"band2", 10, ""},
        {"Label12", 10, ":"},
        {"band3", 11, ""},
        {"Label13", 11, ":"},
        {"mul", 12, ""},
        {"Label8", 12, ":"},
        {"tol", 13, ""},
        {"Label9", 13, ":"},
        {"tempco", 14, ""},
        {"Frame2", 28, ""},
        {"Frame6", 28, ""},
        {"Label2", 29, ":"},
        {"Resistor_Value", 30, ""},
        {"Label3", 31, ":"},
        {"nor_form", 32, ""},
        {"exp_form", 33, ""},
        {"uni", 34, ""},
        {"Label26", 35, ":"},
        {"Frame3", 36, ""},
        {"Frame7", 36, ""},
        {"Frame4", 37, ""},
        {"Frame9", 38, ""},
        {"Frame5", 39, ""},
        {"Label5", 40, ":"},
        {"Label6", 41, ":"},
        {"Label7", 42, ":"},
        {"Label24", 43, ":"},
        {"Label14", 44, ":"},
        {"Label15", 45, ":"},
        {"Label25", 46, ":"},
        {"Frame8", 47, ""},
        {"Label16", 48, ", P:"},
        {"Label17", 49, ", V:"},
        {"Label18", 50, ", I:"},
        {"Label19", 51, ", R:"},
        {"calc", 52, ""},
        {"res", 53, ""},
        {"show_stripes_outline", 54, ""},
        {"Command1", 55, ""},
        {"exit_button", 56, ""},
    };
    const std::vector<std::vector<const char*>> options = {
        {"bl1", "bl2", "bl3", "blm"},
        {"br1", "br2", "br3", "brm", "brt", "brtc"},
        {"re1", "re2", "re3", "redm", "ret", "retc"},
        {"or1", "or2", "or3", "orm", "ortc"},
        {"ye1", "ye2", "ye3", "yem", "yetc"},
        {"gr1", "gr2", "gr3", "grm", "grt"},
        {"bu1", "bu2", "bu3", "bum", "but"},
        {"vi1", "vi2", "vi3", "vim", "vit"},
        {"ge1", "ge2", "ge3", "gret"},
        {"wh1", "wh2", "wh3"},
        {"gom", "got"},
        {"sim", "sit"},
        {"nont"},
    };
    for (std::size_t i = 0; i < options.size(); ++i) {
        for (const char* option : options[i])
            table.push_back({option, 15 + static_cast<int>(i), ""});
    }
    return table;
}

QString captionOf(const QWidget* control)
{
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    return {};
}

std::vector<std::string> fieldsOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    common::FieldReader reader(in);
    std::vector<std::string> fields;
    while (auto field = reader.readText())
        fields.push_back(*field);
    return fields;
}

class LanguageTest : public testsupport::WidgetTest {
protected:
    void setLanguageIni(const std::string& line2) const
    {
        std::ofstream(programDirectory() / "Language.ini", std::ios::binary) << common::LanguageFileBytes(line2);
    }

    // A language file of `count` fields "F1", "F2", ...; field 3 names the language "Testish".
    void writeLanguageFile(
        const std::string& relative, int count, const std::map<int, std::string>& overrides = {}) const
    {
        common::LineWriter writer;
        for (int field = 1; field <= count; ++field) {
            const auto special = overrides.find(field);
            writer.writeText(special != overrides.end() ? special->second
                    : field == 3                        ? "Testish"
                                                        : "F" + std::to_string(field));
        }
        const std::filesystem::path file = programDirectory() / "Language Files" / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << writer.bytes();
    }

    std::unique_ptr<MainWindow> open()
    {
        return std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
    }

    QString caption(const MainWindow& window, const char* control) const
    {
        return captionOf(child<QWidget>(&window, control));
    }

    static std::string languageFileError(const std::string& path)
    {
        return "Bandwise encountered an error while loading \"" + path +
            "\" file.\r\nThe language files and/or \"Language.ini\" seems to be corrupted. Downloading the "
            "package again or using \"Settings.ini\" to set the desired language again may fix this problem.";
    }

    void expectEnglish(const MainWindow& window) const
    {
        EXPECT_EQ(window.windowTitle(), "Bandwise");
        EXPECT_FALSE(window.windowTexts().Language_Changed);
        EXPECT_EQ(caption(window, "Frame1"), "Convert Colour Code To Value");
        EXPECT_EQ(caption(window, "Label16"), "Power, P:");
        EXPECT_EQ(caption(window, "bl1"), "Black");
        EXPECT_EQ(window.windowTexts().Colour_Names[0], "Black");
        EXPECT_EQ(window.windowTexts().Too_Few_Values_Message, bandwise::WindowTexts().Too_Few_Values_Message);
    }
};

}  // namespace

TEST_F(LanguageTest, defaultInAnyLetterCaseKeepsEnglish)
{
    for (const char* line : {"Default", "DEFAULT", "default"}) {
        SCOPED_TRACE(line);
        setLanguageIni(line);
        const auto window = open();
        EXPECT_TRUE(messages.shown.empty());
        expectEnglish(*window);
        EXPECT_EQ(window->windowTexts().Language_Name, "");
    }
}

TEST_F(LanguageTest, missingLanguageFileKeepsEnglishButNamesTheLanguage)
{
    setLanguageIni("Klingon\\Klingon.ini");
    const auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    expectEnglish(*window);
    EXPECT_EQ(window->windowTexts().Language_Name, "Klingon");

    std::filesystem::create_directories(programDirectory() / "Language Files" / "Klingon");  // folder, no file
    const auto again = open();
    EXPECT_TRUE(messages.shown.empty());
    expectEnglish(*again);
    EXPECT_EQ(again->windowTexts().Language_Name, "Klingon");
}

TEST_F(LanguageTest, completeFileReplacesEveryCaptionAndText)
{
    writeLanguageFile("Testish/Testish.ini", 70,
        {{4, "Frame|one"}, {66, "Too| few"}, {67, "Bad| values"}, {68, "Load| error"}, {69, "Save| error"},
            {60, "About| sixty"}});
    setLanguageIni("Testish\\Testish.ini");
    const auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->windowTitle(), "Bandwise (Testish)");
    const bandwise::WindowTexts& texts = window->windowTexts();
    EXPECT_TRUE(texts.Language_Changed);
    EXPECT_EQ(texts.Language_Name, "Testish");
    for (const Caption& entry : captionTable()) {
        const std::string field = entry.field == 4 ? "Frame|one" : "F" + std::to_string(entry.field);
        EXPECT_EQ(caption(*window, entry.control).toStdString(), field + entry.suffix) << entry.control;
    }
    EXPECT_EQ(texts.Colour_Names[11], "F26");
    EXPECT_EQ(texts.None_Name, "F27");
    EXPECT_EQ(texts.Too_Few_Values_Message, "Too, few");  // "|" is a comma only in the message fields
    EXPECT_EQ(texts.Bad_Values_Message, "Bad, values");
    EXPECT_EQ(texts.Settings_Load_Error_Message, "Load, error");
    EXPECT_EQ(texts.Settings_Save_Error_Message, "Save, error");
    EXPECT_EQ(texts.About_Texts[0], "F57");
    EXPECT_EQ(texts.About_Texts[3], "About| sixty");  // stored as read; the About box restores the comma
    EXPECT_EQ(texts.About_Texts[8], "F65");
}

TEST_F(LanguageTest, pathStartingWithBackslashHasAnEmptyName)
{
    writeLanguageFile("Testish.ini", 69);
    setLanguageIni("\\Testish.ini");
    const auto window = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window->windowTexts().Language_Changed);
    EXPECT_EQ(window->windowTexts().Language_Name, "");
    EXPECT_EQ(window->windowTitle(), "Bandwise (Testish)");
}

TEST_F(LanguageTest, brokenLanguageFilesQuoteThePathAndKeepEveryBuiltInText)
{
    struct Row {
        const char* name;
        std::string line2;
        int fields;  // 0: no file written
    };
    const Row rows[] = {
        {"bareNameWithoutBackslash", "Testish.ini", 69},
        {"sixtyEightFields", "Testish\\Testish.ini", 68},
        {"breaksOffAfterField30", "Testish\\Testish.ini", 30},
        {"emptyFile", "Testish\\Testish.ini", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(programDirectory() / "Language Files");
        writeLanguageFile(row.line2 == "Testish.ini" ? "Testish.ini" : "Testish/Testish.ini", row.fields);
        setLanguageIni(row.line2);
        messages = testsupport::RecordingMessages();
        messages.expectMessages();
        const auto window = open();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Stop);
        EXPECT_EQ(messages.shown[0].title, "Bandwise");
        EXPECT_EQ(messages.shown[0].text.toStdString(), languageFileError(row.line2));
        expectEnglish(*window);
        EXPECT_EQ(window->windowTexts().None_Name, "None");
        EXPECT_EQ(window->windowTexts().About_Texts[0], "");
    }
}

TEST_F(LanguageTest, unreadableLanguageIniIsReplacedByDefault)
{
    const std::string expected = common::LanguageFileBytes("Default");
    struct Row {
        const char* name;
        std::function<void()> prepare;
        bool rewritten;
    };
    const Row rows[] = {
        {"missing", [&] { std::filesystem::remove(programDirectory() / "Language.ini"); }, true},
        {"twoFields", [&] { std::ofstream(programDirectory() / "Language.ini") << ";x\r\nEspañol\\Español.ini\r\n"; },
            true},
        {"directory",
            [&] {
                std::filesystem::remove(programDirectory() / "Language.ini");
                std::filesystem::create_directory(programDirectory() / "Language.ini");
            },
            false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.prepare();
        messages = testsupport::RecordingMessages();
        messages.expectMessages();
        const auto window = open();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Bandwise encountered an error while loading \"Language.ini\" file.");
        expectEnglish(*window);
        if (row.rewritten) {
            std::ifstream in(programDirectory() / "Language.ini", std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);
        } else {
            EXPECT_TRUE(std::filesystem::is_directory(programDirectory() / "Language.ini"));
        }
    }
}

TEST_F(LanguageTest, shippedLanguagesFillEveryCaptionAndFitTheirControls)
{
    for (const char* language : {"Español", "Português (Brasil)"}) {
        SCOPED_TRACE(language);
        std::filesystem::copy(kShippedData / "Language Files", programDirectory() / "Language Files",
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        setLanguageIni(std::string(language) + "\\" + language + ".ini");
        const std::vector<std::string> fields =
            fieldsOf(programDirectory() / "Language Files" / language / (std::string(language) + ".ini"));
        ASSERT_EQ(fields.size(), 69u);

        const auto window = open();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(window->windowTitle().toStdString(), std::string("Bandwise (") + language + ")");
        for (const Caption& entry : captionTable())
            EXPECT_EQ(caption(*window, entry.control).toStdString(), fields[entry.field - 1] + entry.suffix)
                << entry.control;
        window->show();
        click(child<QAbstractButton>(window.get(), "Command1"));
        ASSERT_NE(window->aboutDialog(), nullptr);
        EXPECT_EQ(window->aboutDialog()->windowTitle().toStdString(), fields[56]);
        for (const QWidget* checked :
            {static_cast<const QWidget*>(window.get()), static_cast<const QWidget*>(window->aboutDialog())}) {
            const QStringList clipped = testsupport::clippedCaptions(checked);
            EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("; ")).toStdString();
        }
        window->aboutDialog()->close();
    }
}
