#pragma once

#include "common/file_places.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <filesystem>
#include <string>

namespace ui {

// A message about one of the programs' files, with a further paragraph naming the folder that
// holds the file when that is not the program directory, the one folder the messages speak of.
// A file with no path at all (nowhere to write) names no folder.
// `note` is the program's own translated paragraph, with %1 for the folder.
inline QString withFolderNote(const std::string& message, const common::FilePlaces& places,
    const std::filesystem::path& file, const QString& note)
{
    QString text = QString::fromStdString(message);
    if (!file.empty() && file != places.programDirectory() / file.filename()) {
        const QString folder = QFile::decodeName(QByteArray::fromStdString(file.parent_path().native()));
        text += QStringLiteral("\r\n\r\n") + note.arg(folder);
    }
    return text;
}

}  // namespace ui
