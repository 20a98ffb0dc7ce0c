#pragma once

#include "platform/message_presenter.h"

#include <gtest/gtest.h>

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

    void expectMessages() { m_expected = true; }

    std::vector<Message> shown;

private:
    bool m_expected = false;
};

}  // namespace testsupport
