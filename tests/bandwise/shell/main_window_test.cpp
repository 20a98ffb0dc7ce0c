#include "bandwise/about/about_dialog.h"
#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/finder/finder_dialog.h"
#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/line_shape.h"
#include "bandwise/widgets/shape.h"
#include "common/languages.h"
#include "hostile_files.h"
#include "ui/naming.h"
#include "ui/program_icon.h"
#include "widget_test.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTranslator>

#include <chrono>
#include <fstream>
#include <memory>
#include <tuple>

using bandwise::MainWindow;
using common::BandColour;
using Messages = std::vector<std::string>;

namespace {

class ShellTest : public testsupport::WidgetTest {
protected:
    std::unique_ptr<MainWindow> open()
    {
        auto window = std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
        window->show();
        return window;
    }

    // What a swatch, a part of a resistor's body or a seam (at its middle, as drawn) is painted with.
    static common::DisplayColour paint(const MainWindow& window, const char* name)
    {
        auto* line = window.findChild<bandwise::LineShape*>(QString::fromLatin1(name));
        const QColor colour = line ? line->grab().toImage().pixelColor(line->rect().center())
                                   : child<bandwise::Shape>(&window, name)->fillColour();
        return common::DisplayColour::fromRgb(colour.red(), colour.green(), colour.blue());
    }

    // The built-in texts, the default palette and outline, and a window that still answers a click.
    static void expectDefaults(MainWindow& window)
    {
        EXPECT_EQ(window.windowTitle(), "Bandwise");
        EXPECT_EQ(paint(window, "Shape3"), common::DefaultPalette()[BandColour::Red]);
        EXPECT_TRUE(child<QCheckBox>(&window, "show_stripes_outline")->isChecked());
        click(child<QRadioButton>(&window, "gr1"));
        EXPECT_EQ(paint(window, "band1_colour"), common::DefaultPalette()[BandColour::Green]);
        const QStringList clipped = testsupport::layoutFaults(&window);
        EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("; ")).toStdString();
    }

    const bandwise::WindowTexts english;
};

struct EventCounter : QObject {
    int paints = 0, ticks = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        ticks += event->type() == QEvent::Timer;
        return false;
    }
};

}  // namespace

TEST_F(ShellTest, placesItselfOnItsScreenAtAFixedSizeWithOhmSigns)
{
    // 15 twips a pixel; the window is 11415 x 10455 twips, 11535 x 10965 with its frame, centred and lifted by
    // 220 twips, its top-left corner kept on the screen. On 1024 x 768 (15360 x 11520 twips) the left is
    // (15360 - 11535) / 2 = 1912 twips = 127 pixels and the top (11520 - 10965) / 2 - 220 = 57 twips = 4 pixels.
    // Where the desktop leaves less than that, the window takes the room left beside its 8 x 34 pixel frame,
    // and a scroll bar across the one side that does not fit widens the other.
    const int bar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const std::tuple<const char*, QRect, QRect, QRect> rows[] = {
        {"1024x768", QRect(0, 0, 1024, 768), QRect(), QRect(127, 4, 761, 697)},
        {"secondScreen", QRect(1920, 0, 1024, 768), QRect(), QRect(1920 + 127, 4, 761, 697)},
        {"panelsLeaveRoom", QRect(0, 0, 1024, 768), QRect(0, 30, 1024, 738), QRect(127, 4, 761, 697)},
        {"smallerThanTheWindow", QRect(1920, 1080, 640, 480), QRect(), QRect(1920, 1080, 632, 446)},
        {"panelsLeaveTooLittle", QRect(0, 0, 1366, 768), QRect(0, 32, 1366, 700), QRect(0, 32, 761 + bar, 666)},
    };
    QStringList fittingFocusOrder;
    for (const auto& [name, screen, area, geometry] : rows) {
        SCOPED_TRACE(name);
        MainWindow window(programDirectory(), messages, desktop, screen, area);
        EXPECT_EQ(QRect(window.pos(), window.size()), geometry);
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        for (const char* sign : {"unit_label", "omega_symbol_1", "omega_symbol_2"})
            EXPECT_EQ(child<QLabel>(&window, sign)->text(), QString(QChar(0x03A9))) << sign;

        // Contents that do not fit scroll, in the same Tab order, down to Exit in the far corner.
        QStringList focusOrder;
        for (QWidget* next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain())
            if (next->focusPolicy() & Qt::TabFocus)
                focusOrder << next->objectName();
        auto* scroller = window.findChild<QScrollArea*>();
        if (geometry.size() == QSize(761, 697)) {
            EXPECT_EQ(scroller, nullptr);
            fittingFocusOrder = focusOrder;
            continue;
        }
        ASSERT_NE(scroller, nullptr);
        EXPECT_EQ(focusOrder, fittingFocusOrder);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        child<QWidget>(&window, fittingFocusOrder.first().toLatin1().constData())->setFocus();
        QTest::keyClick(window.focusWidget(), Qt::Key_Backtab);
        auto* exit = child<QPushButton>(&window, "exit_button");
        ASSERT_EQ(window.focusWidget(), exit);
        EXPECT_TRUE(window.rect().contains(QRect(exit->mapTo(&window, QPoint(0, 0)), exit->size())));
        EXPECT_EQ(scroller->geometry(), window.rect());  // the scrolled page fills the window
    }
}

TEST_F(ShellTest, coloursIniPaintsSwatchesStripesBodiesAndSeams)
{
    common::BandPalette palette;
    for (int i = 0; i < common::kBandColourCount; ++i)
        palette.bands[i] = common::DisplayColour::fromRgb(20 * i, 100 + i, 250 - 3 * i);
    palette.body = common::DisplayColour::fromRgb(1, 2, 3);
    write("Colours.ini", common::ColoursFileBytes(palette));
    const auto window = open();
    EXPECT_EQ(paint(*window, "Shape3"), palette[BandColour::Red]);  // beside the first band's Red
    EXPECT_EQ(paint(*window, "Shape50"), palette[BandColour::Gold]);  // beside the Gold tolerance
    EXPECT_EQ(paint(*window, "Shape14"), palette.body);  // the middle of the decoding resistor
    EXPECT_EQ(paint(*window, "Shape62"), palette.body);  // the middle of the encoding resistor
    EXPECT_EQ(paint(*window, "Line1"), palette.body);  // a seam of the decoding resistor
    click(child<QRadioButton>(window.get(), "vi2"));
    EXPECT_EQ(paint(*window, "band2_colour"), palette[BandColour::Violet]);
    child<QComboBox>(window.get(), "band1_list")->setCurrentText("3");
    child<bandwise::EncodingPanel>(window.get(), "Frame4")->tick();
    EXPECT_EQ(paint(*window, "band1_colour1"), palette[BandColour::Orange]);
}

TEST_F(ShellTest, settingsIniSetsTheOutlineOfBothResistorsAndExitWritesItBack)
{
    for (const bool outlined : {false, true}) {
        SCOPED_TRACE(outlined ? "outlined" : "plain");
        write("Settings.ini", common::SettingsFileBytes(outlined));
        const auto window = open();
        auto* box = child<QCheckBox>(window.get(), "show_stripes_outline");
        EXPECT_EQ(box->isChecked(), outlined);
        const QImage before = box->grab().toImage();
        click(box);
        EXPECT_NE(box->grab().toImage(), before);  // its mark drawn anew
        // The tempco stripes are hidden: they take the outline all the same.
        for (const char* stripe : {"band1_colour", "tempco_colour", "band2_colour1", "tempco_colour1"})
            EXPECT_EQ(child<bandwise::Shape>(window.get(), stripe)->borderVisible(), !outlined) << stripe;

        QTest::keyClick(child<QPushButton>(window.get(), "Command1"), Qt::Key_Return);  // Enter presses a button
        const QPointer<QWidget> about = window->aboutDialog();
        ASSERT_TRUE(about && about->isVisible());
        click(child<QPushButton>(window.get(), "exit_button"));
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(about.isNull() || !about->isVisible());
        EXPECT_EQ(read("Settings.ini"), common::SettingsFileBytes(!outlined));
    }
}

TEST_F(ShellTest, aFailedSaveKeepsTheOldFileAndPerUserFilesAreNamedByTheirFolderInMessages)
{
    const std::filesystem::path user = file("config/bandwise");
    std::filesystem::create_directories(user);
    messages.expectMessages();
    // Where a damaged Settings.ini lies, and the language in use (its language file is missing,
    // so the messages themselves stay built in). Saves always go to the user's folder.
    const std::tuple<const char*, const char*, bool> rows[] = {{"config/bandwise/Settings.ini", "Default", true},
        {"Settings.ini", "Default", false}, {"config/bandwise/Settings.ini", "Español\\Español.ini", true}};
    const std::string note = "\r\n\r\nBandwise keeps your settings files in this folder:\n" + user.string();
    for (const auto& [damaged, language, readFromUser] : rows) {
        SCOPED_TRACE(std::string(damaged) + " " + language);
        write("Language.ini", common::LanguageFileBytes(language));
        write(damaged, "damaged");
        {
            MainWindow window(common::FilePlaces(programDirectory(), user), messages, desktop, screen());
            click(child<QCheckBox>(&window, "show_stripes_outline"));  // so that closing saves
            const testsupport::ScopedFileSizeLimit diskFull(2);
            window.close();
        }
        const Messages expected = {english.Settings_Load_Error_Message + (readFromUser ? note : ""),
            english.Settings_Save_Error_Message + note};
        EXPECT_EQ(messages.shown.at(1).icon, platform::MessageIcon::Stop);
        const Messages shown = takeMessages();
        // In another language, the note in that language, naming the same folder.
        EXPECT_EQ(shown == expected, std::string(language) == "Default");
        EXPECT_TRUE(shown.size() == 2 && shown[1].ends_with(user.string()) &&
            shown[0].ends_with(user.string()) == readFromUser);
        EXPECT_EQ(read(damaged), "damaged");  // the failed save left the old file as it was
        std::filesystem::remove(file(damaged));
    }
}

TEST_F(ShellTest, hostileFilesOpenAtOnceWithTheirOneMessage)
{
    const std::string spanish = "Español\\Español.ini";
    // The file, what Language.ini selects, and the message.
    const std::tuple<std::string, std::string, std::string> targets[] = {
        {"Settings.ini", "Default", english.Settings_Load_Error_Message},
        {"Colours.ini", "Default", english.Settings_Load_Error_Message},
        {"Language.ini", "Default", std::string(bandwise::kLanguageIniErrorMessage)},
        {"Language Files/Español/Español.ini", spanish, bandwise::LanguageFileErrorMessage(spanish)},
    };
    messages.expectMessages();
    for (const testsupport::HostileFile& hostile : testsupport::HostileFiles()) {
        for (const auto& [target, languageIni, message] : targets) {
            SCOPED_TRACE(std::string(hostile.name) + " " + target);
            write("Language.ini", common::LanguageFileBytes(languageIni));
            std::filesystem::remove(file(target));
            std::filesystem::create_directories(file(target).parent_path());
            hostile.make(file(target));
            // A good but black Colours.ini beside a damaged Settings.ini: its colours must give way to the defaults.
            const bool blackColours = target == "Settings.ini" && !hostile.readsAsMissing;
            if (blackColours)
                write("Colours.ini", common::ColoursFileBytes(common::BandPalette {}));
            // A Settings.ini beside a damaged Colours.ini is left unread, and so kept as it is.
            const bool unread = target == "Colours.ini" && !hostile.readsAsMissing;
            if (unread)
                write("Settings.ini", common::SettingsFileBytes(false));
            const auto started = std::chrono::steady_clock::now();
            const auto window = open();
            EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
            // Language.ini is the one file whose absence is an error too.
            const bool silent = hostile.readsAsMissing && target != "Language.ini";
            for (const auto& shown : messages.shown)
                EXPECT_EQ(shown.icon, platform::MessageIcon::Stop);
            EXPECT_EQ(takeMessages(), silent ? Messages {} : Messages {message});
            expectDefaults(*window);
            window->close();
            EXPECT_TRUE(!unread || read("Settings.ini") == common::SettingsFileBytes(false));
            std::filesystem::remove_all(file(target));
            std::filesystem::remove(file("Settings.ini"));
            if (blackColours)
                std::filesystem::remove(file("Colours.ini"));
        }
    }
}

TEST_F(ShellTest, shippedLanguagesTranslateCaptionsColourWordsAndMessagesAndFit)
{
    const std::filesystem::path shipped = std::filesystem::path(BANDWISE_DATA_DIR) / "Language Files";
    std::filesystem::copy(shipped, file("Language Files"), std::filesystem::copy_options::recursive);
    write("Settings.ini", " 5 \r\n");  // unreadable, so that the load message shows in the language
    messages.expectMessages();
    ASSERT_TRUE(std::filesystem::exists(shipped / "Español"));
    for (const auto& entry : std::filesystem::directory_iterator(shipped)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        // One field a line, read apart from the program's reader: the shipped files use no byte on which
        // Windows-1252 and Latin-1 differ.
        std::ifstream in(entry.path() / (name + ".ini"), std::ios::binary);
        const QStringList fields =
            QString::fromLatin1(std::string(std::istreambuf_iterator<char>(in), {})).split(QStringLiteral("\r\n"));
        ASSERT_GE(fields.size(), 69);
        const auto field = [&fields](int number) { return fields[number - 1]; };
        write("Language.ini", common::LanguageFileBytes(name + "\\" + name + ".ini"));
        const auto window = open();

        EXPECT_EQ(window->windowTitle().toStdString(), "Bandwise (" + name + ")");
        EXPECT_EQ(child<QGroupBox>(window.get(), "Frame1")->title(), field(4));
        EXPECT_EQ(child<QLabel>(window.get(), "Label1")->text(), field(5) + ":");
        EXPECT_EQ(child<QLabel>(window.get(), "Label16")->text(), field(48) + ", P:");
        EXPECT_EQ(child<QLineEdit>(window.get(), "Resistor_Value")->text(), field(30));
        // The colour words run from Black in field 15 to Silver in field 26; None follows.
        EXPECT_EQ(child<QRadioButton>(window.get(), "re1")->text(), field(17));
        EXPECT_EQ(child<QRadioButton>(window.get(), "nont")->text(), field(27));
        child<QComboBox>(window.get(), "band1_list")->setCurrentText("1");
        child<bandwise::EncodingPanel>(window.get(), "Frame4")->tick();
        EXPECT_EQ(child<QLineEdit>(window.get(), "b1v")->text(), field(16).toUpper());
        // The further texts, which no language file holds, follow the language too.
        child<QComboBox>(window.get(), "band2_list")->setCurrentText("0");
        child<QComboBox>(window.get(), "mul_list")->setCurrentText("2");
        child<bandwise::EncodingPanel>(window.get(), "Frame4")->tick();
        const QString facts = child<QLineEdit>(window.get(), "res_value")->toolTip();
        EXPECT_TRUE(
            facts.startsWith(QString::fromUtf8("1 kΩ\n")) && facts.contains("E3") && !facts.contains("Standard value"))
            << facts.toStdString();
        ASSERT_TRUE(field(68).contains('|'));
        EXPECT_EQ(takeMessages(), Messages {QString(field(68)).replace('|', ',').toStdString()});
        click(child<QPushButton>(window.get(), "Command1"));
        const QStringList clipped =
            testsupport::layoutFaults(window.get()) + testsupport::layoutFaults(window->aboutDialog());
        delete window->aboutDialog();
        EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("; ")).toStdString();
        // A screen reader names each box, list and swatch after what says what it is, and each group
        // after its own title, in the language in use.
        const auto spoken = [&window](const char* object) {
            return QAccessible::queryAccessibleInterface(child<QWidget>(window.get(), object))->text(QAccessible::Name);
        };
        const std::pair<const char*, QString> names[] = {{"Resistor_Value", field(29) + ":"},
            {"power_value", field(48) + ", P:"}, {"band1_list", field(40) + ":"}, {"b1v", field(9) + ":"},
            {"band2", field(10)}, {"Frame6", field(28)}};
        for (const auto& [control, expected] : names)
            EXPECT_EQ(spoken(control).toStdString(), expected.toStdString()) << control;
        // The drawing's parts are named in the language too.
        for (const auto& [part, untranslated] :
            {std::pair("Shape57", "Left lead"), {"band1_colour1", "Orange (example, no band chosen yet)"}})
            EXPECT_TRUE(spoken(part) != untranslated && !spoken(part).isEmpty()) << part;
        // And Qt's own entries in a box's menu, as Qt's catalogue for the language has them.
        QTranslator qt;
        ASSERT_TRUE(qt.load("qtbase_" + ui::fromView(*common::TranslationFor(name)),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            << "Qt's own translations (Debian's qt6-translations-l10n) are missing";
        const std::unique_ptr<QMenu> menu(child<bandwise::DecodingPanel>(window.get(), "Frame1")->valueMenu());
        EXPECT_EQ(menu->actions().value(0)->text().section('\t', 0, 0), qt.translate("QLineEdit", "&Copy"));
        // The finder that menu opens speaks the language too, and fits it on each tab.
        menu->actions().last()->trigger();
        EXPECT_NE(window->finderDialog()->windowTitle(), "Find standard values");
        auto* tabs = child<QTabWidget>(window->finderDialog(), "finder_tabs");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QTest::qWait(1);
            const QStringList faults = testsupport::layoutFaults(tabs->currentWidget());
            EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("; ")).toStdString();
        }
    }
}

TEST_F(ShellTest, languageIniKeepsEnglishAndReportsWhatCannotBeRead)
{
    const std::string iniError(bandwise::kLanguageIniErrorMessage);
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"anyLetterCase", common::LanguageFileBytes("dEFAULT"), ""},
        {"noBackslash", common::LanguageFileBytes("Español.ini"), bandwise::LanguageFileErrorMessage("Español.ini")},
        // Control characters (C0, DEL and C1) are shown, not obeyed.
        {"controlCharactersShown", ";\r\n\"Espa\x01\nol\t\x7f.ini\x81\"\r\n;\r\n",
            bandwise::LanguageFileErrorMessage(R"(Espa\x01\nol\t\x7f.ini\x81)")},
        {"twoFields", ";Bandwise\r\nDefault\r\n", iniError},
    };
    messages.expectMessages();
    for (const auto& [name, ini, message] : rows) {
        SCOPED_TRACE(name);
        write("Language.ini", ini);
        const auto window = open();
        EXPECT_EQ(takeMessages(), message.empty() ? Messages {} : Messages {message});
        expectDefaults(*window);
        // An unreadable Language.ini is replaced by one that selects English.
        EXPECT_EQ(
            read("Language.ini"), message == iniError ? common::LanguageFileBytes(common::kDefaultLanguage) : ini);
    }
}

TEST_F(ShellTest, ticksThatFindNothingChangedRepaintNothing)
{
    const auto window = open();
    // Something in every output, so that the ticks have results to compare.
    for (const char* option : {"ye1", "vi2", "orm", "got"})
        click(child<QRadioButton>(window.get(), option));
    child<QComboBox>(window.get(), "band1_list")->setCurrentIndex(4);
    child<QComboBox>(window.get(), "mul_list")->setCurrentIndex(2);
    QTest::qWait(300);  // the first ticks write the results

    EventCounter counter;
    for (QObject* object : window->findChildren<QObject*>())
        object->installEventFilter(&counter);
    QTest::qWait(500);  // five ticks of each of the two panels' timers, which leave the processor idle between
    EXPECT_EQ(counter.paints, 0);
    EXPECT_TRUE(counter.ticks >= 2 && counter.ticks <= 12) << counter.ticks;
}

TEST(ProgramIcon, aResistorOnClearGroundAtEachSizeADesktopAsksFor)
{
    for (const int size : {16, 32, 48, 64}) {
        const QImage icon = ui::programIcon().pixmap(size).toImage();
        EXPECT_EQ(
            std::pair(icon.pixelColor(0, 0).alpha(), icon.pixelColor(size / 2, size / 2).alpha()), std::pair(0, 255));
        // Its outline smoothed, not stepped: some pixels along it are partly covered.
        int partly = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                partly += icon.pixelColor(x, y).alpha() % 255 != 0;
        }
        EXPECT_GT(partly, size / 2) << size;
    }
}
