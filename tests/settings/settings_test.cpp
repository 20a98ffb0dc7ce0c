#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/look.h"
#include "bandwise/widgets/shape.h"
#include "common/field_reader.h"
#include "common/languages.h"
#include "common/settings_files.h"
#include "hostile_files.h"
#include "platform/colour_picker.h"
#include "platform/program_directory.h"
#include "settings/colour_button.h"
#include "settings/settings_window.h"
#include "ui/screen_fit.h"
#include "ui/twips.h"
#include "widget_test.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QToolTip>

#include <chrono>
#include <pwd.h>
#include <sstream>

using namespace settings;
namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// The window's colour picker is answered by the test.
class SettingsWindowTest : public testsupport::WidgetTest, public platform::ColourPicker {
protected:
    SettingsWindowTest() { messages.expectMessages(); }  // each test checks every message it gets
    std::optional<common::DisplayColour> ShowColorDialog(common::DisplayColour initial) override
    {
        calls.push_back(initial);
        return answer;
    }
    std::optional<common::DisplayColour> answer;  // nothing: cancelled
    std::vector<common::DisplayColour> calls;
};

TEST(SettingsTexts, languagesColoursAndCaptionsAsRead)
{
    for (const common::ShippedLanguage& language : common::kShippedLanguages)
        EXPECT_EQ(LanguageEntryFor(LanguagePathFor(language.name)), language.name);
    EXPECT_EQ(LanguagePathFor(common::kShippedLanguages[0].name), common::kDefaultLanguage);
    const std::pair<const char*, std::optional<std::string_view>> paths[] = {
        {"deFAult", common::kShippedLanguages[0].name}, {"Español\\other.ini", common::kShippedLanguages[1].name},
        {"..\\x.ini", std::nullopt}, {"Español", std::nullopt}, {"Deutsch\\de.ini", "Deutsch"},
        {"Español\\.\\x.ini", std::nullopt}};
    for (const auto& [path, entry] : paths)
        EXPECT_EQ(LanguageEntryFor(path), entry) << path;

    // Colours 1 to 13 (fields may end at a comma), the first bad one at `bad`: those before it are kept.
    const std::pair<std::size_t, const char*> colours[] = {{13, ";h,1,2,3,4,5,6,7,8,9,10,11,12,13"},
        {3, ";h,1,2,3,abc,5,6,7,8,9,10,11,12,13"}, {3, ";h,1,2,3,16777216,5,6,7,8,9,10,11,12,13"},
        {3, ";h,1,2,3,-1,5,6,7,8,9,10,11,12,13"}, {12, ";h,1,2,3,4,5,6,7,8,9,10,11,12,x"}};
    for (const auto& [bad, bytes] : colours) {
        std::istringstream in(bytes);
        const ColoursRead read = ReadColoursForEditing(in).value();
        EXPECT_EQ(read.complete, bad == 13) << bytes;
        for (std::size_t i = 0; i < 13; ++i)
            EXPECT_EQ(read.colours[i], i < bad ? std::optional(common::DisplayColour {int(i) + 1}) : std::nullopt);
    }
    std::istringstream white(";h,16777215,0,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(ReadColoursForEditing(white)->colours[0], common::DisplayColour {0xFFFFFF});  // the largest

    std::ifstream in(CaptionFilePath(fs::path(BANDWISE_DATA_DIR), common::kShippedLanguages[1].name), std::ios::binary);
    SettingsTexts texts;
    ApplyCaptionTexts(ReadCaptionFields(in).value(), texts);
    EXPECT_EQ(texts.messageTitle(), "Configuración - Bandwise");
    // Words that each message carries in Spanish: language, colours, processing, saving.
    EXPECT_NE(texts.Language_Saved_Message.find("idioma"), std::string::npos);
    EXPECT_NE(texts.Colours_Saved_Message.find("colores"), std::string::npos);
    EXPECT_NE(texts.Colours_Read_Error_Message.find("procesar"), std::string::npos);
    EXPECT_NE(texts.Colours_Save_Error_Message.find("guardar"), std::string::npos);
}

TEST_F(SettingsWindowTest, colourPickerSetsButtonsAndBackgroundAndBandwiseShowsTheSavedColours)
{
    // The colours before a bad body colour are taken; the body keeps its default.
    write("Colours.ini", ";h\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\nabc\n");
    SettingsWindow window(programDirectory(), messages, *this);
    window.show();
    EXPECT_EQ(takeMessages(), Texts {SettingsTexts().Colours_Read_Error_Message});
    const auto buttons = window.findChildren<ColourButton*>();
    ASSERT_EQ(buttons.size(), 13);
    // What a screen reader and the tooltip tell of a button's colour.
    const auto told = [](ColourButton* button) {
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(button, &hover);
        const QString tip = QToolTip::text();
        QToolTip::hideText();
        const QString description = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description);
        return std::pair(description.toStdString(), tip.toStdString());
    };
    EXPECT_EQ(told(buttons[0]), std::pair(std::string("#010000"), std::string("#010000")));  // 1 from the file
    EXPECT_EQ(told(buttons[12]), std::pair(std::string("#FFE695"), std::string("#FFE695")));  // the body's default
    common::BandPalette picked;
    for (std::size_t i = 0; i < 13; ++i) {
        answer = (i < 12 ? picked.bands[i] : picked.body) = {0x0000FF | int(i) << 8};  // red, greener each
        click(buttons[i]);
        EXPECT_EQ(calls.at(i), i < 12 ? common::DisplayColour {int(i) + 1} : common::DefaultPalette().body);
    }
    answer = std::nullopt;
    click(buttons[0]);
    EXPECT_EQ(buttons[0]->faceColour(), QColor(255, 0, 0));
    EXPECT_EQ(told(buttons[2]), std::pair(std::string("#FF0200"), std::string("#FF0200")));
    click(child<QPushButton>(&window, "save_colour_settings"));
    EXPECT_EQ(read("Colours.ini"), common::ColoursFileBytes(picked));
    EXPECT_EQ(messages.shown.at(0).icon, platform::MessageIcon::Information);
    EXPECT_EQ(messages.shown.at(0).title, "Settings - Bandwise");
    EXPECT_EQ(takeMessages(), Texts {SettingsTexts().Colours_Saved_Message});
    bandwise::MainWindow bandwise(programDirectory(), messages, desktop, screen());
    EXPECT_EQ(child<bandwise::Shape>(&bandwise, "Shape3")->fillColour(), QColor(255, 2, 0));  // Red's swatch

    // A double-click outside every control picks the background.
    calls.clear();
    auto* label = child<QLabel>(&window, "Label13");
    QTest::mouseDClick(label, Qt::LeftButton);
    answer = common::DisplayColour {0x000080};  // dark red
    QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(calls, (std::vector {common::DisplayColour {}}));  // black
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(3, 3), QColor(128, 0, 0));
    EXPECT_EQ(shown.pixelColor(label->mapTo(&window, QPoint(1, 1))), QColor(128, 0, 0));
    EXPECT_NE(shown.pixelColor(child<QWidget>(&window, "Frame1")->geometry().bottomLeft() + QPoint(4, -4)),
        QColor(128, 0, 0));  // the groups keep their own
}

TEST_F(SettingsWindowTest, enterKeypadEnterAndSpacePressEveryButtonAlike)
{
    SettingsWindow window(programDirectory(), messages, *this);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // A colour button opens the picker, a save button shows its message: either answers once.
    const auto answers = [this] { return calls.size() + messages.shown.size(); };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        button->setFocus(Qt::TabFocusReason);
        // A colour button's raised edge has its shadow down the right; its focus, dashes inside.
        if (const QImage face = button->grab().toImage(); qobject_cast<ColourButton*>(button)) {
            EXPECT_EQ(face.pixelColor(face.width() - 2, 12).name(), button->palette().color(QPalette::Shadow).name());
            QSet<QRgb> dashes;
            for (int y = 4; y < face.height() - 4; ++y)
                dashes << face.pixel(3, y);
            EXPECT_EQ(dashes, QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        }
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            SCOPED_TRACE(button->objectName().toStdString() + " key " + std::to_string(key));
            button->setFocus(Qt::TabFocusReason);
            const std::size_t before = answers();
            QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_EQ(answers(), before + 1);
        }
    }
}

TEST_F(SettingsWindowTest, aScrollingWindowStillPicksItsBackgroundOnADoubleClick)
{
    SettingsWindow window(programDirectory(), messages, *this);
    ASSERT_TRUE(ui::scrollWhenLargerThan(&window, QRect(0, 0, 240, 320)));
    answer = common::DisplayColour {0x000080};  // dark red
    QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(calls, (std::vector {common::DisplayColour {}}));  // black
}

TEST(ColourDialog, opensOnTheColourGivenAndGivesThePickedOneOrNoneWhenCancelled)
{
    platform::QtColourPicker picker;
    QColor opened;
    // The dialog, once open, is answered as a user would: a colour and OK, or Cancel.
    const auto answer = [&opened](std::optional<QColor> picked) {
        testsupport::answerTheNextDialog([&opened, picked](QWidget* open) {
            auto* dialog = qobject_cast<QColorDialog*>(open);
            // Qt's own, whose custom colours start black: a desktop's would keep its own.
            EXPECT_TRUE(dialog->testOption(QColorDialog::DontUseNativeDialog));
            opened = dialog->currentColor();
            EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::black));  // whatever the last call left
            dialog->setCurrentColor(picked.value_or(Qt::white));
            picked ? dialog->accept() : dialog->reject();
        });
    };
    QColorDialog::setCustomColor(0, Qt::red);
    answer(QColor(1, 2, 3));
    EXPECT_EQ(picker.ShowColorDialog(common::DisplayColour {0x000080}), common::DisplayColour::fromRgb(1, 2, 3));
    EXPECT_EQ(opened, QColor(128, 0, 0));
    answer(std::nullopt);
    EXPECT_EQ(picker.ShowColorDialog(common::DisplayColour {}), std::nullopt);
    EXPECT_EQ(opened, QColor(Qt::black));
}

TEST(ColourDialog, aScreenTooSmallForItScrollsItsContentsWithinTheScreen)
{
    QColorDialog dialog(Qt::black);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const QRect area(0, 0, 400, 300);
    ASSERT_TRUE(ui::scrollWhenLargerThan(&dialog, area));
    dialog.show();
    const QSize frame(ui::twipsToPixels(ui::kFrameWidthTwips), ui::twipsToPixels(ui::kFrameHeightTwips));
    EXPECT_TRUE(area.contains(QRect(dialog.pos(), dialog.size() + frame)));
    // OK and Cancel keep their places in the laid-out page, which scrolls them into reach.
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    auto* scroller = dialog.findChild<QScrollArea*>();
    EXPECT_GT(ok->mapTo(scroller->widget(), QPoint()).y(), area.height() / 2);
    scroller->ensureWidgetVisible(ok);
    EXPECT_TRUE(dialog.rect().contains(QRect(ok->mapTo(&dialog, QPoint()), ok->size())));
}

TEST_F(SettingsWindowTest, savedLanguageIsSelectedAndCaptionedAndTheListedOneSavedForBandwise)
{
    applySettingsLook(*qApp);  // for the caption fit
    fs::copy(fs::path(BANDWISE_DATA_DIR) / "Language Files", file("Language Files"), fs::copy_options::recursive);
    for (const common::ShippedLanguage& shipped : common::kShippedLanguages) {
        const std::string_view language = shipped.name;
        SCOPED_TRACE(language);
        write("Language.ini", common::LanguageFileBytes(LanguagePathFor(language)));
        SettingsWindow window(programDirectory(), messages, *this);
        auto* list = child<QComboBox>(&window, "language_list");
        EXPECT_EQ(list->currentText(), QString::fromUtf8(language.data(), std::ssize(language)));
        SettingsTexts texts;
        std::ifstream in(CaptionFilePath(programDirectory(), language), std::ios::binary);
        if (const std::optional<CaptionFields> fields = ReadCaptionFields(in)) {
            ApplyCaptionTexts(*fields, texts);
            // The file numbers its fields from 1: the frame is field 4, the labels 5 to 17 and 20.
            const auto field = [&fields](int number) { return QString::fromStdString(common::Field(*fields, number)); };
            EXPECT_EQ(child<QGroupBox>(&window, "Frame1")->title(), field(4));
            EXPECT_EQ(child<QLabel>(&window, "Label13")->text(), field(17) + ":");
            EXPECT_EQ(child<QLabel>(&window, "Label14")->text(), field(20) + ":");
            EXPECT_EQ(child<QPushButton>(&window, "save_colour_settings")->text(), field(18));
        }
        EXPECT_EQ(window.windowTitle().toStdString(), texts.Settings_Title);
        EXPECT_EQ(testsupport::layoutFaults(&window).join("; ").toStdString(), "");
        // What is saved is the entry listed now (here the one before); its texts come only at the next start.
        list->setCurrentIndex((list->currentIndex() + list->count() - 1) % list->count());
        click(child<QPushButton>(&window, "save_language_settings"));
        EXPECT_EQ(read("Language.ini"), common::LanguageFileBytes(LanguagePathFor(list->currentText().toStdString())));
        EXPECT_EQ(messages.shown.at(0).title.toStdString(), texts.messageTitle());
        EXPECT_EQ(takeMessages(), Texts {texts.Language_Saved_Message});
    }
    bandwise::applyBandwiseLook(*qApp);
    bandwise::MainWindow bandwise(programDirectory(), messages, desktop, screen());
    EXPECT_EQ(bandwise.windowTitle(), QString::fromUtf8("Bandwise (Español)"));  // saved last

    // A language added by hand is listed under its folder name, its file kept as written until a
    // language is saved, and saving it keeps its path.
    const std::string own = ";\nDeutsch\\de.ini\n;\n";
    write("Language.ini", own);
    SettingsWindow window(programDirectory(), messages, *this);
    EXPECT_EQ(child<QComboBox>(&window, "language_list")->currentText().toStdString(), "Deutsch");
    window.close();
    EXPECT_EQ(read("Language.ini"), own);
    click(child<QPushButton>(&window, "save_language_settings"));
    EXPECT_EQ(read("Language.ini"), common::LanguageFileBytes("Deutsch\\de.ini"));
    EXPECT_EQ(takeMessages(), Texts {SettingsTexts().Language_Saved_Message});
}

TEST_F(SettingsWindowTest, aProgramDirectoryNobodyMayWriteKeepsEachUsersFilesInTheirOwnDirectory)
{
    fs::copy(fs::path(BANDWISE_DATA_DIR) / "Language Files", file("Language Files"), fs::copy_options::recursive);
    const std::string english = common::LanguageFileBytes(common::kDefaultLanguage);
    const std::string black = common::ColoursFileBytes(common::BandPalette {});
    write("Language.ini", english);
    write("Colours.ini", black);
    fs::create_directories(file("config"));
    ::setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
    EXPECT_EQ(platform::ChooseFilePlaces(programDirectory()).userDirectory(), std::nullopt);  // writable: as ever
    fs::permissions(programDirectory(), fs::perms(0555));  // nobody may write there, root included
    const common::FilePlaces places = platform::ChooseFilePlaces(programDirectory());
    ::unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(places.userDirectory(), file("config") / "bandwise");
    // Without $HOME (cron, a service): the home the password database gives; for a user it does
    // not list, no home at all, so files are read from the program directory and written nowhere.
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "/";
    ::unsetenv("HOME");
    EXPECT_EQ(platform::ChooseFilePlaces(programDirectory()).userDirectory(),
        fs::path(::getpwuid(::geteuid())->pw_dir) / ".config" / "bandwise");
    if (::geteuid() == 0) {
        constexpr uid_t kUnlisted = 2147483000;
        EXPECT_EXIT(
            std::exit(::getpwuid(kUnlisted) == nullptr && ::setuid(kUnlisted) == 0 &&
                        platform::ChooseFilePlaces(programDirectory()).writable("Settings.ini").empty() &&
                        platform::ChooseFilePlaces(programDirectory()).readable("Settings.ini") == file("Settings.ini")
                    ? 0
                    : 1),
            ::testing::ExitedWithCode(0), "");
    }
    ::setenv("HOME", home.c_str(), 1);

    SettingsWindow window(places, messages, *this);
    child<QComboBox>(&window, "language_list")->setCurrentText("Español");
    click(child<QPushButton>(&window, "save_language_settings"));
    click(child<QPushButton>(&window, "save_colour_settings"));
    EXPECT_EQ(takeMessages(), (Texts {SettingsTexts().Language_Saved_Message, SettingsTexts().Colours_Saved_Message}));
    EXPECT_EQ(read("config/bandwise/Language.ini"), common::LanguageFileBytes(LanguagePathFor("Español")));
    EXPECT_EQ(read("config/bandwise/Colours.ini"), black);  // read from the program directory, saved as the user's
    // The user's copies shadow the program directory's from now on, in both programs, also when
    // they are edited by hand in UTF-8.
    write("config/bandwise/Language.ini", ";\n" + LanguagePathFor("Español") + "\n;\n");
    write("config/bandwise/Colours.ini", common::ColoursFileBytes(common::DefaultPalette()));
    {
        bandwise::MainWindow bandwise(places, messages, desktop, screen());
        EXPECT_EQ(bandwise.windowTitle(), QString::fromUtf8("Bandwise (Español)"));
        EXPECT_EQ(child<bandwise::Shape>(&bandwise, "Shape3")->fillColour(), QColor(255, 0, 0));  // Red's swatch
        bandwise.close();
    }
    EXPECT_EQ(read("config/bandwise/Settings.ini"), common::SettingsFileBytes(true));
    EXPECT_EQ(std::pair(read("Language.ini"), read("Colours.ini")), std::pair(english, black));
    EXPECT_FALSE(fs::exists(file("Settings.ini")));
}

TEST_F(SettingsWindowTest, aFailedSaveSaysSoAndKeepsWhatWasThere)
{
    const std::tuple<std::string, const char*, std::string> saves[] = {
        {"Colours.ini", "save_colour_settings", SettingsTexts().Colours_Save_Error_Message},
        {"Language.ini", "save_language_settings", std::string(kLanguageIniSaveError)}};
    // With per-user files the message names the user's folder, in the language in use (whose
    // caption file is missing here, so the messages themselves stay built in).
    const fs::path user = file("config/bandwise");
    fs::create_directories(user);
    const std::tuple<const char*, common::FilePlaces, std::string_view> layouts[] = {
        {"portable", programDirectory(), common::kShippedLanguages[0].name},
        {"perUser", common::FilePlaces(programDirectory(), user), common::kShippedLanguages[0].name},
        {"perUserInSpanish", common::FilePlaces(programDirectory(), user), common::kShippedLanguages[1].name}};
    for (const auto& [layout, places, language] : layouts) {
        write(places.writable(common::kLanguageFileName).lexically_relative(programDirectory()),
            common::LanguageFileBytes(LanguagePathFor(language)));
        SettingsWindow window(places, messages, *this);
        for (const auto& [name, button, error] : saves) {
            SCOPED_TRACE(std::string(layout) + " " + name);
            const fs::path target = places.writable(name).lexically_relative(programDirectory());
            write(target, ";old\r\n");
            {
                const testsupport::ScopedFileSizeLimit diskFull(40);
                click(child<QPushButton>(&window, button));
            }
            EXPECT_EQ(read(target), ";old\r\n");
            fs::remove(file(target));  // not read by the next window
            EXPECT_EQ(messages.shown.at(0).icon, platform::MessageIcon::Stop);
            // In another language, the note in that language, naming the same folder.
            const std::string note = "\r\n\r\nBandwise keeps your settings files in this folder:\n" + user.string();
            const Texts shown = takeMessages();
            EXPECT_EQ(shown == Texts {error + (places.userDirectory() ? note : "")},
                language == common::kShippedLanguages[0].name);
            EXPECT_TRUE(shown.size() == 1 && shown[0].starts_with(error) &&
                shown[0].ends_with(user.string()) == bool(places.userDirectory()));
        }
    }
}
