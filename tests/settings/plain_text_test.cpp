#include "bandwise/about/about_dialog.h"
#include "bandwise/shell/main_window.h"
#include "platform/colour_picker.h"
#include "settings/settings_window.h"
#include "widget_test.h"

#include <QtWidgets>

using PlainText = testsupport::WidgetTest;

// Markup in every field of the files: a label or box taking it as rich text would load the image,
// and /dev/zero is read until memory runs out. Each must show the markup as written instead.
TEST_F(PlainText, labelsAndMessageBoxesShowMarkupFromFilesAsWritten)
{
    // The start-up message that carries the path from Language.ini, in a real box.
    testsupport::answerTheNextDialog([](QWidget* box) {
        EXPECT_EQ(box->property("textFormat").toString().toStdString(), "PlainText");
        QApplication::closeAllWindows();  // whatever is modal, so that no failure can hang the test
    });
    platform::QtMessagePresenter().show(platform::MessageIcon::Stop, QStringLiteral("Bandwise"),
        QString::fromStdString(bandwise::LanguageFileErrorMessage("<b>F</b><img src=nowhere>")));

    // One file for both programs: Bandwise reads its 69 fields, Settings the first 25 as its captions.
    write("Language.ini", common::LanguageFileBytes("Español\\Español_Settings.ini"));
    std::string bytes;
    for (int field = 1; field <= bandwise::kLanguageFieldCount; ++field)
        bytes += "<b>F" + std::to_string(field) + "</b><img src=/dev/zero>\n";
    write("Language Files/Español/Español_Settings.ini", bytes);
    // The About box and the Settings window in the main window's keeping: one search finds every
    // label, and they go with it.
    bandwise::MainWindow window(programDirectory(), messages, desktop, screen());
    click(child<QAbstractButton>(&window, "Command1"));
    window.aboutDialog()->setParent(&window);
    platform::QtColourPicker picker;
    const settings::SettingsWindow settingsWindow(programDirectory(), messages, picker, &window);
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    EXPECT_EQ(child<QLabel>(&settingsWindow, "Label14")->text().toStdString(), "<b>F20</b><img src=/dev/zero>:");
}

TEST_F(PlainText, theQuestionsGiveWhatWasTypedOrAnsweredByKeyAndKeepTheirSize)
{
    // Each dialog, once open, is answered from the keyboard: a text typed over the one offered,
    // then Enter or Escape.
    const auto answer = [](const char* typed, Qt::Key key) {
        testsupport::answerTheNextDialog([typed, key](QWidget* dialog) {
            // A window that can be resized is one a window manager offers to maximise.
            EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
            if (auto* box = dialog->findChild<QLineEdit*>()) {
                box->selectAll();
                QTest::keyClicks(box, typed);
            }
            QTest::keyClick(dialog, key);
        });
    };
    platform::QtMessagePresenter presenter;
    answer("4k7 5%", Qt::Key_Return);
    EXPECT_EQ(presenter.askText("Set value", "Value:", "1K", "OK", "Cancel"), QString("4k7 5%"));
    answer("4k7", Qt::Key_Escape);
    EXPECT_EQ(presenter.askText("Set value", "Value:", "1K", "OK", "Cancel"), std::nullopt);
    answer("", Qt::Key_Return);
    EXPECT_TRUE(presenter.ask("Bandwise", "Use five bands?", "Yes", "No"));
    answer("", Qt::Key_Escape);
    EXPECT_FALSE(presenter.ask("Bandwise", "Use five bands?", "Yes", "No"));
}
