#include "platform/desktop.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include <utility>

namespace platform {

// Where there is no xdg-open, Qt's desktop services stand for the shell: accepted or "no
// application is associated".

struct SystemDesktop::Openers { };

SystemDesktop::SystemDesktop(std::string opener)
    : m_opener(std::move(opener))
{ }
SystemDesktop::~SystemDesktop() = default;

void SystemDesktop::openTextFile(const std::filesystem::path& file)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(file.string().c_str())));
}

std::int32_t SystemDesktop::openAddress(const std::string& address, std::function<void(std::int32_t)>)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address))) ? kShellAccepted : kShellNoAssociation;
}

}  // namespace platform
