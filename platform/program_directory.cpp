#include "platform/program_directory.h"

#include <QCoreApplication>
#include <QFile>

namespace platform {

std::filesystem::path ProgramDirectory()
{
    return std::filesystem::path(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

}  // namespace platform
