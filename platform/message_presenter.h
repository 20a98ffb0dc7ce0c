#pragma once

#include <QString>

#include <optional>

namespace platform {

enum class MessageIcon { Stop, Warning, Information };

// Shows a modal message with an OK button, or asks a question. Windows take one through their
// constructor so that tests can record messages and answer questions instead of blocking on them.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void show(MessageIcon icon, const QString& title, const QString& text) = 0;
    // A question answered by one of two buttons, named for what they do; true for `yes`, the default.
    virtual bool ask(const QString& title, const QString& text, const QString& yes, const QString& no) = 0;
    // A line to type, starting as `initial`; nothing when cancelled.
    virtual std::optional<QString> askText(const QString& title, const QString& label, const QString& initial,
        const QString& ok, const QString& cancel) = 0;
};

class QtMessagePresenter final : public MessagePresenter {
public:
    void show(MessageIcon icon, const QString& title, const QString& text) override;
    bool ask(const QString& title, const QString& text, const QString& yes, const QString& no) override;
    std::optional<QString> askText(const QString& title, const QString& label, const QString& initial,
        const QString& ok, const QString& cancel) override;
};

}  // namespace platform
