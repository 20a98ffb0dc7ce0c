#pragma once

#include "common/settings_files.h"
#include "program_files.h"
#include "recording_desktop.h"
#include "recording_messages.h"

#include <QAbstractButton>
#include <QLocale>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Offscreen widgets (the test main sets the platform), a program directory as shipped
// (Language.ini selecting the built-in texts), recorded message boxes and a pinned locale.
class WidgetTest : public ProgramFiles {
protected:
    void SetUp() override
    {
        ProgramFiles::SetUp();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        write("Language.ini", common::LanguageFileBytes(common::kDefaultLanguage));
    }

    // Clicks near the right edge, far from the caption: options take clicks over their whole width.
    static void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 3, button->height() / 2));
    }

    // A screen larger than the main window, for placing it.
    static QRect screen() { return QRect(0, 0, 1280, 1024); }

    template <typename T>
    static T* child(const QWidget* root, const char* name)
    {
        T* found = root->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }

    // The texts of the messages shown so far, which are then forgotten.
    std::vector<std::string> takeMessages()
    {
        std::vector<std::string> texts;
        for (const auto& message : messages.shown)
            texts.push_back(message.text.toStdString());
        messages.shown.clear();
        return texts;
    }

    RecordingMessages messages;
    RecordingDesktop desktop;
};

}  // namespace testsupport
