#include "bandwise/about/about_config.h"
#include "bandwise/about/about_dialog.h"
#include "bandwise/shell/main_window.h"
#include "caption_fit.h"
#include "common/line_writer.h"
#include "common/settings_files.h"
#include "widget_test.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <fstream>
#include <memory>

using bandwise::AboutDialog;
using bandwise::MainWindow;

namespace {

class AboutDialogTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        window = std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
        window->show();
    }

    AboutDialog* openAbout()
    {
        click(child<QPushButton>(window.get(), "Command1"));
        return window->aboutDialog();
    }

    static QString text(const AboutDialog* dialog, const char* name)
    {
        if (auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name)))
            return button->text();
        return child<QLabel>(dialog, name)->text();
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(AboutDialogTest, englishTextsReadMeAndLinks)
{
    AboutDialog* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "About Bandwise");
    EXPECT_EQ(dialog->size(), QSize(329, 337));
    EXPECT_EQ(dialog->pos(), QPoint(471, 326));
    EXPECT_EQ(text(dialog, "Label1"), "Bandwise 1.3");
    EXPECT_EQ(text(dialog, "Label3"), "Please send your comments, ideas and suggestions to:");
    EXPECT_EQ(text(dialog, "Label9"), "If you want to help translate Bandwise to other language(s), contact me.");
    EXPECT_EQ(text(dialog, "OKButton"), "OK");
    const QStringList clipped = testsupport::clippedCaptions(dialog);
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("; ")).toStdString();

    click(child<QPushButton>(dialog, "Command1"));
    ASSERT_EQ(desktop.textFiles.size(), 1u);
    EXPECT_EQ(desktop.textFiles[0], programDirectory() / "ReadMe.txt");

    QTest::mouseClick(child<QLabel>(dialog, "Label8"), Qt::LeftButton);
    QTest::keyClick(child<QLabel>(dialog, "Label4"), Qt::Key_Return);
    const std::vector<std::string> expected = {
        std::string("mailto:") + BANDWISE_AUTHOR_NAME + " <" + BANDWISE_AUTHOR_EMAIL + ">?subject=Bandwise",
        BANDWISE_HOMEPAGE};
    EXPECT_EQ(desktop.addresses, expected);
    EXPECT_EQ(window->shell().currentError().number, 0);
}

TEST_F(AboutDialogTest, refusedLinkIsRecordedAndShowsNothing)
{
    desktop.answer = 0;  // no opener on this desktop
    QTest::mouseClick(child<QLabel>(openAbout(), "Label8"), Qt::LeftButton);
    EXPECT_EQ(window->shell().currentError().number, 7);
    EXPECT_EQ(window->shell().currentError().description, "Out of memory");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutDialogTest, languageFileTextsAndItsReadMe)
{
    common::LineWriter writer;
    for (int field = 1; field <= 69; ++field) {
        const std::map<int, std::string> about = {{57, "Acerca de Bandwise"}, {58, "por el equipo"},
            {60, "Envíe sus ideas| por favor"}, {61, "Done| gracias"}, {62, "Gracias| a todos"}, {63, "Aceptar"},
            {64, "Ver Léame"}, {65, "Traducción: equipo"}};
        writer.writeText(about.count(field) ? about.at(field) : "F" + std::to_string(field));
    }
    std::filesystem::create_directories(programDirectory() / "Language Files" / "Testish");
    std::ofstream(programDirectory() / "Language Files" / "Testish" / "Testish.ini", std::ios::binary)
        << writer.bytes();
    std::ofstream(programDirectory() / "Language.ini", std::ios::binary)
        << common::LanguageFileBytes("Testish\\Testish.ini");
    window = std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
    window->show();

    AboutDialog* dialog = openAbout();
    EXPECT_EQ(dialog->windowTitle(), "Acerca de Bandwise");
    EXPECT_EQ(text(dialog, "Label2"), "por el equipo");
    EXPECT_EQ(text(dialog, "Label3"), "Envíe sus ideas, por favor:");
    EXPECT_EQ(text(dialog, "Label6"), "Done, gracias:");
    EXPECT_EQ(text(dialog, "Label5"), "Gracias| a todos");
    EXPECT_EQ(text(dialog, "Label9"), "Traducción: equipo");
    EXPECT_EQ(text(dialog, "OKButton"), "Aceptar");
    EXPECT_EQ(text(dialog, "Command1"), "Ver Léame");
    click(child<QPushButton>(dialog, "Command1"));
    ASSERT_EQ(desktop.textFiles.size(), 1u);
    EXPECT_EQ(desktop.textFiles[0], programDirectory() / "ReadMe-Testish.txt");
}

TEST_F(AboutDialogTest, namedLanguageWithoutItsFileBehavesAsEnglish)
{
    std::ofstream(programDirectory() / "Language.ini", std::ios::binary)
        << common::LanguageFileBytes("Español\\Español.ini");
    window = std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
    window->show();
    ASSERT_EQ(window->windowTexts().Language_Name, "Español");
    AboutDialog* dialog = openAbout();
    EXPECT_EQ(dialog->windowTitle(), "About Bandwise");
    EXPECT_EQ(text(dialog, "Label9"), "If you want to help translate Bandwise to other language(s), contact me.");
    click(child<QPushButton>(dialog, "Command1"));
    ASSERT_EQ(desktop.textFiles.size(), 1u);
    EXPECT_EQ(desktop.textFiles[0], programDirectory() / "ReadMe.txt");
}

TEST_F(AboutDialogTest, oneNonModalBoxAtATimeCreatedAnewAfterClosing)
{
    AboutDialog* first = openAbout();
    first->move(10, 10);
    EXPECT_EQ(openAbout(), first);  // brought to the front, not a second box

    click(child<QRadioButton>(window.get(), "r5b"));  // the main window stays usable
    EXPECT_TRUE(child<QRadioButton>(window.get(), "r5b")->isChecked());

    click(child<QPushButton>(first, "OKButton"));
    flushDeletes();
    EXPECT_EQ(window->aboutDialog(), nullptr);
    AboutDialog* second = openAbout();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->pos(), QPoint(471, 326));  // centred again
}

TEST_F(AboutDialogTest, exitClosesTheBoxButTheCloseBoxLeavesItOpen)
{
    AboutDialog* dialog = openAbout();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialog->isVisible());
    std::ifstream settings(programDirectory() / "Settings.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(settings), {}), " 1 \r\n");
    dialog->close();

    window = std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
    window->show();
    QPointer<AboutDialog> second = openAbout();
    click(child<QPushButton>(window.get(), "exit_button"));
    flushDeletes();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(second.isNull() || !second->isVisible());
}
