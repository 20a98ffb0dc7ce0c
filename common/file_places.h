#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace common {

// Where the programs' own files are, decided once at start-up and the same for both programs.
// In the portable layout every file lives in the program directory. When that directory cannot be
// written (a system-wide install), each file is read from the user's copy when there is one and
// from the program directory otherwise, and always written to the user's copy; the read-only
// "Language Files" and read-me files stay in the program directory, with a user's own
// "Language Files" looked up first.
class FilePlaces {
public:
    // The portable layout; a plain directory converts, as every file lives there.
    FilePlaces(std::filesystem::path programDirectory);  // NOLINT(google-explicit-constructor)
    // The per-user layout, with the user's own directory for the files.
    FilePlaces(std::filesystem::path programDirectory, std::filesystem::path userDirectory);
    // Files read from the program directory and written nowhere, for a user without a home
    // directory where the program directory is not theirs to write.
    static FilePlaces ReadOnly(std::filesystem::path programDirectory);

    const std::filesystem::path& programDirectory() const { return m_programDirectory; }
    // The user's directory in the per-user layout; nothing in the portable one.
    const std::optional<std::filesystem::path>& userDirectory() const { return m_userDirectory; }

    // Where to read the file of this name, and where to write it: an empty path when there is
    // nowhere to write, which every save refuses.
    std::filesystem::path readable(std::string_view name) const;
    std::filesystem::path writable(std::string_view name) const;
    // A file under "Language Files", given by its path below that folder: the user's own copy
    // when there is one, else the program directory's.
    std::filesystem::path languageFile(const std::filesystem::path& relative) const;

private:
    std::filesystem::path m_programDirectory;
    std::optional<std::filesystem::path> m_userDirectory;
    bool m_writable = true;
};

}  // namespace common
