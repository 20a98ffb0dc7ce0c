#pragma once

#include "common/settings_files.h"
#include "recording_desktop.h"
#include "recording_messages.h"

#include <QAbstractButton>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace testsupport {

// Offscreen widgets (the test main sets the platform), a fresh program directory per test as
// shipped (Language.ini selecting the built-in texts), recorded message boxes and a pinned locale.
class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(m_directory.isValid());
        // As shipped: Language.ini selects the built-in texts.
        std::ofstream(programDirectory() / "Language.ini", std::ios::binary)
            << common::LanguageFileBytes(common::kDefaultLanguage);
    }

    std::filesystem::path programDirectory() const
    {
        return std::filesystem::path(QFile::encodeName(m_directory.path()).toStdString());
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

    RecordingMessages messages;
    RecordingDesktop desktop;

private:
    QTemporaryDir m_directory;
};

}  // namespace testsupport
