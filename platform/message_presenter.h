#pragma once

#include <QString>

namespace platform {

enum class MessageIcon { Stop, Warning, Information };

// Shows a modal message with an OK button. Windows take one through their constructor so that
// tests can record messages instead of blocking on them.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void show(MessageIcon icon, const QString& title, const QString& text) = 0;
};

class QtMessagePresenter final : public MessagePresenter {
public:
    void show(MessageIcon icon, const QString& title, const QString& text) override;
};

}  // namespace platform
