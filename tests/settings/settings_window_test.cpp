#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/look.h"
#include "bandwise/widgets/shape.h"
#include "caption_fit.h"
#include "common/field_reader.h"
#include "common/settings_files.h"
#include "platform/colour_picker.h"
#include "settings/colour_button.h"
#include "settings/settings_window.h"
#include "ui/twip_style.h"
#include "widget_test.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <QApplication>

#include <fstream>
#include <memory>
#include <sstream>

using settings::ColourButton;

namespace {

const std::filesystem::path kShippedData = BANDWISE_DATA_DIR;

// Answers the colour picker with a chosen colour (or -1 for cancel) and records each request.
class RecordingPicker final : public platform::ColourPicker {
public:
    struct Call {
        bool fullOpen;
        std::int32_t initial;
    };
    std::int32_t ShowColorDialog(std::intptr_t, bool bFullOpen, std::int32_t InitColor) override
    {
        calls.push_back({bFullOpen, InitColor});
        return answer;
    }
    std::int32_t answer = -1;
    std::vector<Call> calls;
};

class SettingsTest : public testsupport::WidgetTest {
protected:
    // Settings has its own look: 9.75-point captions.
    void SetUp() override
    {
        WidgetTest::SetUp();
        ui::applyTwipLayoutLook(*qApp, 9.75);
    }
    void TearDown() override { bandwise::applyBandwiseLook(*qApp); }

    std::unique_ptr<settings::SettingsWindow> open()
    {
        auto window = std::make_unique<settings::SettingsWindow>(programDirectory(), messages, picker);
        window->show();
        return window;
    }

    void write(const char* name, const std::string& bytes) const
    {
        std::ofstream(programDirectory() / name, std::ios::binary) << bytes;
    }
    std::string read(const char* name) const
    {
        std::ifstream in(programDirectory() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void copyLanguageFiles() const
    {
        std::filesystem::copy(kShippedData / "Language Files", programDirectory() / "Language Files",
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }

    static QColor face(const settings::SettingsWindow& window, const char* button)
    {
        return child<ColourButton>(&window, button)->faceColour();
    }
    static QString language(const settings::SettingsWindow& window)
    {
        return child<QComboBox>(&window, "language_list")->currentText();
    }
    static QStringList entries(const settings::SettingsWindow& window)
    {
        QStringList items;
        auto* list = child<QComboBox>(&window, "language_list");
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }

    RecordingPicker picker;
};

const std::string kLanguageIniError =
    "An error is encountered while processing \"Language.ini\" file.\r\n\r\nTo avoid this error in future replace this "
    "file with a new one using this program.";

}  // namespace

TEST_F(SettingsTest, startUpSelectsTheSavedLanguageAndLoadsItsCaptions)
{
    copyLanguageFiles();
    struct Row {
        const char* name;
        const char* languageIni;  // nullptr: no file
        const char* selected;
        const char* title;
        bool removeCaptionFile;
    };
    const Row rows[] = {
        {"noLanguageIni", nullptr, "English", "Settings", false},
        {"default", "Default", "English", "Settings", false},
        {"defaultInCapitals", "DEFAULT", "English", "Settings", false},
        {"defaultMixed", "deFAult", "English", "Settings", false},
        {"spanish", "Español\\Español.ini", "Español", "Configuración", false},
        {"portuguese", "Português (Brasil)\\Português (Brasil).ini", "Português (Brasil)", "Configurações", false},
        {"spanishWithoutCaptionFile", "Español\\Español.ini", "Español", "Settings", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(programDirectory() / "Language.ini");
        if (row.languageIni)
            write("Language.ini", common::LanguageFileBytes(row.languageIni));
        if (row.removeCaptionFile)
            std::filesystem::remove(programDirectory() / "Language Files" / "Español" / "Español_Settings.ini");
        const auto window = open();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(entries(*window), QStringList({"English", "Español", "Português (Brasil)"}));
        EXPECT_EQ(language(*window), row.selected);
        EXPECT_EQ(window->windowTitle(), row.title);
        EXPECT_EQ(face(*window, "Red"), QColor(255, 0, 0));
        EXPECT_EQ(face(*window, "Body_Colour"), QColor(255, 230, 149));
        const QStringList clipped = testsupport::clippedCaptions(window.get());
        EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("; ")).toStdString();
    }
}

TEST_F(SettingsTest, windowHasItsFixedLayoutAndLook)
{
    const auto window = open();
    EXPECT_EQ(window->size(), QSize(249, 441));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), 9.75);
    for (const char* button : {"save_colour_settings", "save_language_settings"})
        EXPECT_TRUE(child<QPushButton>(window.get(), button)->font().bold()) << button;
    struct Row {
        const char* name;
        QRect pixels;
    };
    const Row rows[] = {
        {"Frame1", {8, 8, 233, 297}},
        {"Black", {80, 24, 25, 25}},
        {"Blue", {192, 24, 25, 25}},
        {"Green", {80, 184, 25, 25}},
        {"Body_Colour", {192, 216, 25, 25}},
        {"Label13", {16, 221, 127, 16}},
        {"save_colour_settings", {16, 248, 201, 33}},
        {"Frame2", {8, 312, 233, 121}},
        {"language_list", {8, 48, 217, 24}},
        {"save_language_settings", {8, 80, 217, 33}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(child<QWidget>(window.get(), row.name)->geometry(), row.pixels) << row.name;
}

TEST_F(SettingsTest, spanishCaptionsReplaceEveryCaptionAndMessageTitle)
{
    copyLanguageFiles();
    write("Language.ini", common::LanguageFileBytes("Español\\Español.ini"));
    const auto window = open();
    EXPECT_EQ(child<QGroupBox>(window.get(), "Frame1")->title(), "Paleta de colores");
    EXPECT_EQ(child<QLabel>(window.get(), "Label2")->text(), "Marrón:");
    EXPECT_EQ(child<QLabel>(window.get(), "Label13")->text(), "Color del cuerpo:");
    EXPECT_EQ(child<QPushButton>(window.get(), "save_colour_settings")->text(), "Guardar colores");
    EXPECT_EQ(child<QGroupBox>(window.get(), "Frame2")->title(), "Idioma");
    EXPECT_EQ(child<QLabel>(window.get(), "Label14")->text(), "Seleccione el idioma:");
    EXPECT_EQ(child<QPushButton>(window.get(), "save_language_settings")->text(), "Guardar idioma");
    messages.expectMessages();
    click(child<QPushButton>(window.get(), "save_language_settings"));
    click(child<QPushButton>(window.get(), "save_colour_settings"));
    std::filesystem::create_directory(programDirectory() / "Colours.ini.tmp");
    click(child<QPushButton>(window.get(), "save_colour_settings"));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].title, "Configuración - Bandwise");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Information);

    std::ifstream in(programDirectory() / "Language Files" / "Español" / "Español_Settings.ini", std::ios::binary);
    common::FieldReader reader(in);
    const auto fields = common::ReadTextFields<25>(reader);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(messages.shown[0].text.toStdString(), (*fields)[21]);
    EXPECT_EQ(messages.shown[1].text.toStdString(), (*fields)[23]);
    EXPECT_EQ(messages.shown[2].text.toStdString(), (*fields)[24]);
    EXPECT_EQ(window->texts().Colours_Read_Error_Message, (*fields)[22]);
}

TEST_F(SettingsTest, badFilesGiveTheirMessageAndTheListStaysUsable)
{
    const std::string partColours =
        ";h\r\n 1 \r\n 2 \r\nabc\r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n 13 \r\n";
    const std::string coloursError = settings::SettingsTexts().Colours_Read_Error_Message;
    const std::string captionError = "An error is encountered while loading language files.\r\n\r\nRe-downloading the "
                                     "package may solve the problem.";
    struct Row {
        const char* name;
        std::string colours;  // empty: no file
        std::string languageIni;
        int captionFields;  // fields of Español_Settings.ini; 0: none written
        std::string message;
        const char* selected;
    };
    const Row rows[] = {
        {"damagedColours", partColours, common::LanguageFileBytes("Español\\Español.ini"), 0, coloursError, "Español"},
        {"tooFewColours", ";h\r\n 1 \r\n", common::LanguageFileBytes("Default"), 0, coloursError, "English"},
        {"unknownLanguage", "", common::LanguageFileBytes("Klingon\\Klingon.ini"), 0, kLanguageIniError, "English"},
        {"noBackslash", "", common::LanguageFileBytes("Español.ini"), 0, kLanguageIniError, "English"},
        {"shortLanguageIni", "", ";h\r\nEspañol\\Español.ini\r\n", 0, kLanguageIniError, "English"},
        {"captionFileBreaksOff", "", common::LanguageFileBytes("Español\\Español.ini"), 24, captionError, "Español"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(programDirectory() / "Language Files");
        std::filesystem::remove(programDirectory() / "Colours.ini");
        if (!row.colours.empty())
            write("Colours.ini", row.colours);
        std::ofstream(programDirectory() / "Language.ini", std::ios::binary) << row.languageIni;
        if (row.captionFields > 0) {
            std::filesystem::create_directories(programDirectory() / "Language Files" / "Español");
            std::ofstream captions(
                programDirectory() / "Language Files" / "Español" / "Español_Settings.ini", std::ios::binary);
            for (int i = 1; i <= row.captionFields; ++i)
                captions << "Campo" << i << "\r\n";
        }
        messages = testsupport::RecordingMessages();
        messages.expectMessages();
        const auto window = open();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Stop);
        EXPECT_EQ(messages.shown[0].title, "Settings - Bandwise");
        EXPECT_EQ(messages.shown[0].text.toStdString(), row.message);
        EXPECT_EQ(entries(*window), QStringList({"English", "Español", "Português (Brasil)"}));
        EXPECT_EQ(language(*window), row.selected);
        EXPECT_EQ(window->windowTitle(), "Settings");
        EXPECT_EQ(child<QGroupBox>(window.get(), "Frame1")->title(), "Huebench");
        if (row.colours == partColours) {
            EXPECT_EQ(face(*window, "Black"), QColor(1, 0, 0));  // read before the bad value
            EXPECT_EQ(face(*window, "Brown"), QColor(2, 0, 0));
            EXPECT_EQ(face(*window, "Red"), QColor(255, 0, 0));  // from the bad value on: the defaults
        }
    }
}

TEST_F(SettingsTest, colourButtonsOpenThePickerOnTheirColourAndSaveWhole)
{
    auto window = open();
    messages.expectMessages();
    click(child<QPushButton>(window.get(), "save_colour_settings"));
    EXPECT_EQ(read("Colours.ini"), common::ColoursFileBytes(common::DefaultPalette()));

    picker.answer = -1;  // cancel
    click(child<ColourButton>(window.get(), "Silver"));
    EXPECT_EQ(face(*window, "Silver"), QColor(224, 224, 224));

    picker.answer = 0x00FF00;  // pure green
    click(child<ColourButton>(window.get(), "Red"));
    EXPECT_EQ(face(*window, "Red"), QColor(0, 255, 0));
    ASSERT_EQ(picker.calls.size(), 2u);
    EXPECT_TRUE(picker.calls[0].fullOpen);
    EXPECT_EQ(picker.calls[0].initial, 0xE0E0E0);
    EXPECT_EQ(picker.calls[1].initial, 255);

    click(child<QPushButton>(window.get(), "save_colour_settings"));
    const std::string saved = read("Colours.ini");
    std::istringstream lines(saved);
    std::string line;
    for (int i = 0; i < 4; ++i)
        std::getline(lines, line);
    EXPECT_EQ(line, " 65280 \r");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].icon, platform::MessageIcon::Information);
    EXPECT_EQ(messages.shown[1].text.toStdString(), settings::SettingsTexts().Colours_Saved_Message);

    // A failed save keeps the old file and says so.
    std::filesystem::create_directory(programDirectory() / "Colours.ini.tmp");
    click(child<ColourButton>(window.get(), "Blue"));
    click(child<QPushButton>(window.get(), "save_colour_settings"));
    EXPECT_EQ(read("Colours.ini"), saved);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(messages.shown[2].text.toStdString(), settings::SettingsTexts().Colours_Save_Error_Message);
}

TEST_F(SettingsTest, languageSaveWritesEachEntryExactly)
{
    auto window = open();
    messages.expectMessages();
    auto* list = child<QComboBox>(window.get(), "language_list");
    const std::pair<const char*, std::string> rows[] = {
        {"Español", "Espa\xF1ol\\Espa\xF1ol.ini"},
        {"Português (Brasil)", "Portugu\xEAs (Brasil)\\Portugu\xEAs (Brasil).ini"},
        {"English", "Default"},
    };
    for (const auto& [entry, line2] : rows) {
        list->setCurrentText(QString::fromUtf8(entry));
        click(child<QPushButton>(window.get(), "save_language_settings"));
        const std::string expected = ";Bandwise - Language Settings\r\n" + line2 +
            "\r\n;Should contain the relative path of the language file with extension "
            "present in \"Language Files\" directory.\r\n";
        EXPECT_EQ(read("Language.ini"), expected) << entry;
        click(child<QPushButton>(window.get(), "save_language_settings"));
        EXPECT_EQ(read("Language.ini"), expected) << entry;
    }
    EXPECT_EQ(messages.shown.size(), 6u);
    EXPECT_EQ(messages.shown[0].text.toStdString(), settings::SettingsTexts().Language_Saved_Message);

    std::filesystem::create_directory(programDirectory() / "Language.ini.tmp");
    list->setCurrentText(QStringLiteral("Español"));
    click(child<QPushButton>(window.get(), "save_language_settings"));
    EXPECT_EQ(messages.shown.back().icon, platform::MessageIcon::Stop);
    EXPECT_EQ(messages.shown.back().text.toStdString(),
        "An error is encountered while saving \"Language.ini\" file.\r\n\r\nMake sure that you have write-access "
        "to directory containing this program and no other appication is using the file.");
    EXPECT_NE(read("Language.ini").find("Default"), std::string::npos);
}

TEST_F(SettingsTest, readOnlyDirectoryKeepsTheOldLanguageFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    auto window = open();
    const std::string before = read("Language.ini");
    std::filesystem::permissions(
        programDirectory(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    messages.expectMessages();
    click(child<QPushButton>(window.get(), "save_language_settings"));
    std::filesystem::permissions(programDirectory(), std::filesystem::perms::owner_all);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(read("Language.ini"), before);
}

TEST_F(SettingsTest, doubleClickOutsideEveryControlRecoloursTheBackgroundAndLabels)
{
    auto window = open();
    QTest::mouseDClick(child<QLabel>(window.get(), "Label1"), Qt::LeftButton);
    EXPECT_TRUE(picker.calls.empty());

    picker.answer = -1;
    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(picker.calls.size(), 1u);
    EXPECT_FALSE(picker.calls[0].fullOpen);
    EXPECT_EQ(picker.calls[0].initial, 0);
    const QColor before = window->palette().color(QPalette::Window);
    EXPECT_EQ(window->grab().toImage().pixelColor(3, 3), before);

    picker.answer = 0x000080;  // dark red
    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(window->grab().toImage().pixelColor(3, 3), QColor(128, 0, 0));
    auto* label = child<QLabel>(window.get(), "Label13");
    EXPECT_EQ(label->grab().toImage().pixelColor(1, 1), QColor(128, 0, 0));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    auto* list = child<QComboBox>(window.get(), "language_list");
    EXPECT_NE(list->palette().color(QPalette::Window), QColor(128, 0, 0));
    EXPECT_NE(child<QGroupBox>(window.get(), "Frame2")->grab().toImage().pixelColor(4, 30), QColor(128, 0, 0));
}

TEST_F(SettingsTest, theRealPickerStartsOnTheColourWithBlackCustomColoursEveryTime)
{
    platform::QtColourPicker real;
    QColorDialog::setCustomColor(0, Qt::red);
    std::vector<QColor> seenInitial;
    std::vector<bool> customBlack;
    const auto answer = [&](const QColor& pick) {
        QTimer::singleShot(0, [&, pick] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            if (dialog == nullptr) {
                ADD_FAILURE() << "no colour dialog open";
                if (modal)
                    modal->close();
                return;
            }
            seenInitial.push_back(dialog->currentColor());
            bool black = true;
            for (int i = 0; i < QColorDialog::customCount(); ++i)
                black = black && QColorDialog::customColor(i) == QColor(Qt::black);
            customBlack.push_back(black);
            QColorDialog::setCustomColor(5, Qt::blue);  // the user defines a custom colour
            if (pick.isValid()) {
                dialog->setCurrentColor(pick);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
    };
    answer(QColor(0, 255, 0));
    EXPECT_EQ(real.ShowColorDialog(0, true, 255), 0x00FF00);
    answer(QColor());
    EXPECT_EQ(real.ShowColorDialog(0, true, 0x00C000C0), -1);
    ASSERT_EQ(seenInitial.size(), 2u);
    EXPECT_EQ(seenInitial[0], QColor(255, 0, 0));
    EXPECT_EQ(seenInitial[1], QColor(192, 0, 192));
    EXPECT_EQ(customBlack, std::vector<bool>({true, true}));
}

TEST_F(SettingsTest, bandwiseShowsWhatSettingsSaved)
{
    copyLanguageFiles();
    {
        auto window = open();
        messages.expectMessages();
        picker.answer = 0x00FF00;
        click(child<ColourButton>(window.get(), "Red"));
        picker.answer = 0x102030;
        click(child<ColourButton>(window.get(), "Body_Colour"));
        click(child<QPushButton>(window.get(), "save_colour_settings"));
        child<QComboBox>(window.get(), "language_list")->setCurrentText(QStringLiteral("Español"));
        click(child<QPushButton>(window.get(), "save_language_settings"));
    }
    messages = testsupport::RecordingMessages();
    bandwise::MainWindow bandwise(programDirectory(), messages, desktop, screen());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(bandwise.windowTitle(), "Bandwise (Español)");
    EXPECT_EQ(child<QGroupBox>(&bandwise, "Frame1")->title(), "Convertir código de colores a valor");
    EXPECT_EQ(child<bandwise::Shape>(&bandwise, "Shape3")->fillColour(), QColor(0, 255, 0));  // Red swatch
    EXPECT_EQ(child<bandwise::Shape>(&bandwise, "Shape14")->fillColour(), QColor(0x30, 0x20, 0x10));
}
