#include "platform/desktop.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
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

constexpr std::int32_t kAccepted = 33;

std::int32_t shellValueOf(int exitCode)
{
    switch (exitCode) {
    case 2:
        return 2;
    case 3:
    case 4:
        return 31;
    default:
        return 1;
    }
}

}  // namespace

struct SystemDesktop::Openers {
    std::vector<QProcess*> running;
};

SystemDesktop::SystemDesktop()
    : m_openers(std::make_unique<Openers>())
{ }

SystemDesktop::~SystemDesktop()
{
    for (QProcess* process : m_openers->running) {
        process->disconnect();
        delete process;
    }
}

void SystemDesktop::openTextFile(const std::filesystem::path& file)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {QFile::decodeName(file.c_str())});
}

std::int32_t SystemDesktop::openAddress(const std::string& address, std::function<void(std::int32_t)> lateFailure)
{
    // Looking the opener up is immediate; starting it is left to run in the background.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return 0;
    auto* process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({QString::fromStdString(address)});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto forget = [this, process] {
        auto& running = m_openers->running;
        running.erase(std::remove(running.begin(), running.end(), process), running.end());
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
    m_openers->running.push_back(process);
    process->start();
    return kAccepted;
}

}  // namespace platform
