#include "bandwise/about/about_config.h"
#include "bandwise/about/about_dialog.h"
#include "bandwise/about/gshell.h"
#include "bandwise/shell/main_window.h"
#include "common/settings_files.h"
#include "widget_test.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>

#include <memory>

using namespace bandwise;

namespace {

const auto fields = [](const ErrorRecord& error) { return std::tie(error.number, error.source, error.description); };

const std::string kInvitation = "If you want to help translate Bandwise to other language(s), contact me.";

class AboutTest : public testsupport::WidgetTest {
protected:
    AboutDialog* openAbout()
    {
        if (!window)
            window.reset(new MainWindow(programDirectory(), messages, desktop, screen()));
        click(child<QPushButton>(window.get(), "Command1"));
        return window->aboutDialog();
    }

    // The box has no parent: it goes with the window here rather than outlive it.
    static void closeWithBox(MainWindow* window)
    {
        delete window->aboutDialog();
        delete window;
    }
    std::unique_ptr<MainWindow, decltype(&closeWithBox)> window {nullptr, &closeWithBox};
};

}  // namespace

TEST(GShell, sendsTheRequestAsBuiltAndRecordsTheErrorOfARefusal)
{
    const auto defaultNumber = [](std::uint32_t value) { return static_cast<std::int32_t>(0x80040418u + value); };
    const std::string general = "An error occurred occurred whilst trying to open or print the selected file.";
    // file, show command, parameters, directory; the show command sent; the shell value, then the
    // error number and message recorded, none when the request was accepted
    const std::tuple<std::string, std::int32_t, std::string, std::string, std::int32_t, std::int32_t, std::int32_t,
        std::string>
        rows[] = {{"setup.ExE", 5, "/quiet", "", kShowHidden, 33, 0, ""},
            {"SETUP.EXE", 3, "", "/tmp", kShowHidden, -1, 0, ""},
            {"setup.exe", 3, "", "", kShowNormal, INT32_MIN, 0, ""},
            {"notes.txt", 3, "p", "", 3, 2, 53, "File not found"},
            {"notes.txt", 2, "", "/tmp", 2, 31, defaultNumber(31), "No application is associated with this file type."},
            {"a.txt", 1, "", "", 1, 0, 7, "Out of memory"}, {"a.txt", 1, "", "", 1, 8, 7, "Out of memory"},
            {"a.txt", 1, "", "", 1, 4, defaultNumber(4), general},
            {"a.txt", 1, "", "", 1, 32, 48, "The specified dynamic-link library was not found."}};
    for (const auto& [file, show, parameters, directory, sentShow, value, number, message] : rows) {
        SCOPED_TRACE(file + ", " + parameters + ", " + directory + ": " + std::to_string(value));
        ShellRequest sent;
        Shell shell([&sent, value](const ShellRequest& request, auto) { return sent = request, value; }, "NAME");
        EXPECT_EQ(shell.GShell(file, show, parameters, directory, "print", 77), message.empty());
        EXPECT_EQ(
            std::tie(sent.ownerWindow, sent.operation, sent.file, sent.parameters, sent.directory, sent.showCommand),
            std::make_tuple(std::intptr_t {77}, std::string("print"), file, parameters, directory, sentShow));
        EXPECT_EQ(fields(shell.currentError()), std::make_tuple(number, message.empty() ? "" : "NAME.GShell", message));
    }
}

TEST_F(AboutTest, textsAndReadMeFollowTheLanguageInUse)
{
    std::filesystem::copy(std::filesystem::path(BANDWISE_DATA_DIR) / "Language Files", file("Language Files"),
        std::filesystem::copy_options::recursive);
    for (const char* readMe : {"ReadMe-Español.txt", "ReadMe-Klingon.txt"})
        write(readMe, "");
    // Its opening comment is longer than any field the program reads: it is passed over all the same.
    write("Language Files/Deutsch/Deutsch.ini", std::string(70000, ';') + read("Language Files/Español/Español.ini"));
    // Language.ini, title, a label, its text, read-me
    const std::tuple<std::string, std::string, const char*, std::string, std::string> rows[] = {
        {std::string(common::kDefaultLanguage), "About Bandwise", "Label9", kInvitation, "ReadMe.txt"},
        // A language named without its file leaves the program, and so its read-me, in English.
        {"Klingon\\Klingon.ini", "About Bandwise", "Label9", kInvitation, "ReadMe.txt"},
        {"Español\\Español.ini", "Acerca de Bandwise", "Label3",
            "Envíe sus comentarios, ideas y sugerencias a:", "ReadMe-Español.txt"},
        // A language added by hand, without a read-me of its own.
        {"Deutsch\\Deutsch.ini", "Acerca de Bandwise", "Label5",
            "Un agradecimiento especial a todos los que nos han escrito con comentarios y sugerencias.", "ReadMe.txt"}};
    for (const auto& [language, title, label, text, readMe] : rows) {
        SCOPED_TRACE(language);
        write("Language.ini", common::LanguageFileBytes(language));
        window.reset();
        AboutDialog* dialog = openAbout();
        EXPECT_EQ(dialog->windowTitle().toStdString(), title);
        EXPECT_EQ(child<QLabel>(dialog, label)->text().toStdString(), text);
        click(child<QPushButton>(dialog, "Command1"));
        EXPECT_EQ(desktop.textFiles.back(), file(readMe));
    }
}

TEST_F(AboutTest, linksOpenTheirAddressByClickEnterOrSpaceAndRefusalsAreOnlyRecorded)
{
    auto* mail = child<QLabel>(openAbout(), "Label8");
    auto* homepage = child<QLabel>(window->aboutDialog(), "Label4");
    QTest::mouseClick(mail, Qt::RightButton);  // opens nothing
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::keyClick(mail, Qt::Key_Space);
    QTest::keyClick(homepage, Qt::Key_Return);
    QTest::keyClick(homepage, Qt::Key_Enter);
    const std::string mailto =
        std::string("mailto:") + BANDWISE_AUTHOR_NAME + " <" + BANDWISE_AUTHOR_EMAIL + ">?subject=Bandwise";
    EXPECT_EQ(desktop.addresses, (std::vector<std::string> {mailto, mailto, BANDWISE_HOMEPAGE, BANDWISE_HOMEPAGE}));

    // A refusal at once or one reported later; the fixture fails the test on any message box.
    const std::string program = QCoreApplication::applicationName().toStdString();
    desktop.answer = 2;
    QTest::mouseClick(mail, Qt::LeftButton);
    EXPECT_EQ(fields(window->shell().currentError()), fields(ShellFailure(2, program)));
    desktop.answer = 33;
    QTest::mouseClick(homepage, Qt::LeftButton);
    desktop.lateFailures.back()(31);
    EXPECT_EQ(fields(window->shell().currentError()), fields(ShellFailure(31, program)));
}

TEST_F(AboutTest, oneBoxAtATimeWhichOkClosesFromTheFirstKey)
{
    AboutDialog* first = openAbout();
    EXPECT_EQ(openAbout(), first);
    click(child<QPushButton>(first, "OKButton"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->aboutDialog(), nullptr);
    // Enter or Space pressed at once presses OK, not a link that would mail or browse.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(openAbout()));
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window->aboutDialog(), nullptr) << key;
    }
    EXPECT_EQ(desktop.addresses, std::vector<std::string> {});
}

TEST_F(AboutTest, linksWearTheThemesLinkColourShowTheFocusAndAreLinksToAScreenReader)
{
    AboutDialog* dialog = openAbout();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    const QColor link(0x80, 0xC0, 0xFF);
    QPalette dark = dialog->palette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Link, link);
    dialog->setPalette(dark);  // as a theme changed while the box is open
    auto* mail = child<QLabel>(dialog, "Label8");
    const QImage unfocused = mail->grab().toImage();
    QSet<QRgb> shown;
    for (int y = 0; y < unfocused.height(); ++y) {
        for (int x = 0; x < unfocused.width(); ++x)
            shown.insert(unfocused.pixel(x, y));
    }
    EXPECT_TRUE(shown.contains(link.rgb()) && !shown.contains(qRgb(0, 0, 255)));

    // Tab goes from OK past "Show ReadMe" to the first link.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), mail);
    EXPECT_NE(mail->grab().toImage(), unfocused);

    for (const char* name : {"Label8", "Label4"}) {
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(child<QLabel>(dialog, name));
        EXPECT_EQ(told->role(), QAccessible::Link) << name;
        EXPECT_EQ(told->text(QAccessible::Name), child<QLabel>(dialog, name)->text()) << name;
        told->actionInterface()->doAction(QAccessibleActionInterface::pressAction());  // and opened as links
    }
    EXPECT_EQ(desktop.addresses.size(), 2U);
    EXPECT_NE(QAccessible::queryAccessibleInterface(child<QLabel>(dialog, "Picture1"))->text(QAccessible::Name), "");
}
