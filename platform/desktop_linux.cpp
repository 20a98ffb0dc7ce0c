#include "platform/desktop.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <map>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

// xdg-open stands for the Windows shell here. Its exit status maps onto the shell's values so
// that the shell's error table applies unchanged:
//
//   xdg-open missing, or it could not be started ->  0  (reported as "Out of memory")
//   0  success                                   ->  accepted, nothing recorded
//   1  error in the command line                 ->  1  (the general failure)
//   2  the file does not exist                   ->  2  (SE_ERR_FNF, "File not found")
//   3  no tool found for the address             -> 31  (SE_ERR_NOASSOC, "No application ...")
//   4  the action failed (no handler for it)     -> 31
//   anything else, or a crash                    ->  1
//
// The opener runs asynchronously, so the window never waits for it; its outcome arrives as a
// late failure.

namespace {

std::int32_t shellValueOf(int exitCode)
{
    switch (exitCode) {
    case 2:
        return 2;
    case 3:
    case 4:
        return kShellNoAssociation;
    default:
        return 1;
    }
}

}  // namespace

struct SystemDesktop::Openers {
    // One per address: a repeated click or an auto-repeated Enter while the opener still runs
    // must not start another.
    std::map<std::string, QProcess*> running;
};

namespace {

// An opener is the desktop's, not part of Bandwise: a session of its own keeps the terminal's
// Ctrl+C and hang-up away from it (and from what it starts), and it reads no input of ours.
void detachFromUs(QProcess& process)
{
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] { ::setsid(); });
}

}  // namespace

SystemDesktop::SystemDesktop(std::string opener)
    : m_opener(std::move(opener))
    , m_openers(std::make_unique<Openers>())
{ }

SystemDesktop::~SystemDesktop()
{
    // Deleting a running QProcess kills it, and with it the browser or mail program it may be
    // about to become. The objects are kept instead, reachable to the end of the program, so
    // that they are neither deleted nor reported as leaked.
    static auto* const leftRunning = new std::vector<QProcess*>;
    for (const auto& [address, process] : m_openers->running) {
        process->disconnect();
        leftRunning->push_back(process);
    }
}

void SystemDesktop::openTextFile(const std::filesystem::path& file)
{
    QProcess process;
    process.setProgram(QString::fromStdString(m_opener));
    process.setArguments({QFile::decodeName(file.c_str())});
    // Qt 6.4 ignores the child modifier here, but starts a detached program in a session of its own.
    detachFromUs(process);
    process.startDetached();
}

std::int32_t SystemDesktop::openAddress(const std::string& address, std::function<void(std::int32_t)> lateFailure)
{
    if (m_openers->running.contains(address))
        return kShellAccepted;
    // Looking the opener up is immediate; starting it is left to run in the background.
    const QString opener = QString::fromStdString(m_opener);
    if (QStandardPaths::findExecutable(opener).isEmpty())
        return 0;
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({QString::fromStdString(address)});
    detachFromUs(*process);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto forget = [this, address, process] {
        m_openers->running.erase(address);
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process,
        [process, lateFailure, forget](int exitCode, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit || exitCode != 0)
                lateFailure(status == QProcess::NormalExit ? shellValueOf(exitCode) : 1);
            forget();
        });
    QObject::connect(process, &QProcess::errorOccurred, process, [lateFailure, forget](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            lateFailure(0);
            forget();
        }
    });
    m_openers->running.emplace(address, process);
    process->start();
    return kShellAccepted;
}

}  // namespace platform
