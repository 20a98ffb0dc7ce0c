#pragma once

#include "common/settings_files.h"
#include "platform/desktop.h"
#include "platform/message_presenter.h"
#include "program_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Records messages instead of showing them. A message the test did not announce with
// expectMessages() fails the test, so a stray error box never goes unnoticed.
class RecordingMessages final : public platform::MessagePresenter {
public:
    struct Message {
        platform::MessageIcon icon;
        QString title;
        QString text;
    };

    void show(platform::MessageIcon icon, const QString& title, const QString& text) override
    {
        shown.push_back({icon, title, text});
        if (!m_expected)
            ADD_FAILURE() << "unexpected message box: " << title.toStdString() << ": " << text.toStdString();
    }

    // Questions are recorded as messages too, and answered with `answer` or `typed`.
    bool ask(const QString& title, const QString& text, const QString&, const QString&) override
    {
        show(platform::MessageIcon::Information, title, text);
        return answer;
    }

    std::optional<QString> askText(
        const QString& title, const QString& label, const QString& initial, const QString&, const QString&) override
    {
        show(platform::MessageIcon::Information, title, label + "|" + initial);
        return typed;
    }

    void expectMessages() { m_expected = true; }

    std::vector<Message> shown;
    bool answer = true;  // to every question
    std::optional<QString> typed;  // nothing: cancelled

private:
    bool m_expected = false;
};

// Records what the program asks the desktop to open, and answers with a chosen shell value.
class RecordingDesktop final : public platform::Desktop {
public:
    void openTextFile(const std::filesystem::path& file) override { textFiles.push_back(file); }

    std::int32_t openAddress(const std::string& address, std::function<void(std::int32_t)> lateFailure) override
    {
        addresses.push_back(address);
        lateFailures.push_back(std::move(lateFailure));
        return answer;
    }

    std::int32_t answer = 33;
    std::vector<std::filesystem::path> textFiles;
    std::vector<std::string> addresses;
    std::vector<std::function<void(std::int32_t)>> lateFailures;
};

// Answers the modal dialog that the next call opens, as its user would, once it is up.
inline void answerTheNextDialog(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, qApp, [answer] { answer(QApplication::activeModalWidget()); });
}

// Every visible text under root that does not fit its control ("objectName: text"), every part
// that leaves its frame or covers its group's title, every control that overlaps another or sits
// on its window's left or top edge.
QStringList layoutFaults(const QWidget* root);

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
