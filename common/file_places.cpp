#include "common/file_places.h"

#include "common/settings_files.h"

#include <string>
#include <system_error>

namespace common {

namespace {

std::filesystem::path in(const std::filesystem::path& directory, std::string_view name)
{
    return directory / std::filesystem::path(std::string(name));
}

// A link counts as there even when it leads nowhere: the file then reads as missing, as such a
// link does in the program directory, rather than the program directory's copy being used.
bool present(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(file, error));
}

}  // namespace

FilePlaces::FilePlaces(std::filesystem::path programDirectory)
    : m_programDirectory(std::move(programDirectory))
{ }

FilePlaces::FilePlaces(std::filesystem::path programDirectory, std::filesystem::path userDirectory)
    : m_programDirectory(std::move(programDirectory))
    , m_userDirectory(std::move(userDirectory))
{ }

FilePlaces FilePlaces::ReadOnly(std::filesystem::path programDirectory)
{
    FilePlaces places(std::move(programDirectory));
    places.m_writable = false;
    return places;
}

std::filesystem::path FilePlaces::readable(std::string_view name) const
{
    if (m_userDirectory && present(in(*m_userDirectory, name)))
        return in(*m_userDirectory, name);
    return in(m_programDirectory, name);
}

std::filesystem::path FilePlaces::writable(std::string_view name) const
{
    if (!m_writable)
        return {};
    return in(m_userDirectory.value_or(m_programDirectory), name);
}

std::filesystem::path FilePlaces::languageFile(const std::filesystem::path& relative) const
{
    const std::string folder(kLanguageFilesDirectory);
    if (m_userDirectory && present(*m_userDirectory / folder / relative))
        return *m_userDirectory / folder / relative;
    return m_programDirectory / folder / relative;
}

}  // namespace common
