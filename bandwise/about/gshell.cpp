#include "bandwise/about/gshell.h"

#include <algorithm>
#include <cctype>

namespace bandwise {

namespace {

// User-defined error base plus 1048; the shell value is added to it.
constexpr std::int64_t kDefaultErrorBase = 0x80040418;

std::int32_t defaultNumber(std::int32_t shellValue)
{
    return static_cast<std::int32_t>(kDefaultErrorBase + shellValue - 0x100000000LL);
}

bool containsExe(const std::string& file)
{
    std::string upper = file;
    std::transform(
        upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find(".EXE") != std::string::npos;
}

}  // namespace

ErrorRecord ShellFailure(std::int32_t shellValue, const std::string& programName)
{
    const auto error = [&](std::int32_t number, const char* message) {
        return ErrorRecord {number, programName + ".GShell", message};
    };
    switch (shellValue) {
    case 0:
    case 8:
        return error(7, "Out of memory");
    case 2:
        return error(53, "File not found");
    case 3:
        return error(76, "Path not found");
    case 5:
        return error(75, "Path/file access error");
    case 11:
        return error(defaultNumber(shellValue), "The executable file is invalid or corrupt");
    case 26:
        return error(75, "A sharing violation occurred.");
    case 27:
        return error(defaultNumber(shellValue), "This file type does not have a valid file association.");
    case 28:
        return error(286, "The file could not be opened due to time out. Please try again in a moment.");
    case 29:
        return error(
            285, "The file could not be opened because the DDE transaction failed. Please try again in a moment.");
    case 30:
        return error(
            285, "The file could not be opened because the target application is busy. Please try again in a moment.");
    case 31:
        return error(defaultNumber(shellValue), "No application is associated with this file type.");
    case 32:
        return error(48, "The specified dynamic-link library was not found.");
    default:
        return error(
            defaultNumber(shellValue), "An error occurred occurred whilst trying to open or print the selected file.");
    }
}

Shell::Shell(ShellExecute execute, std::string programName)
    : m_execute(std::move(execute))
    , m_programName(std::move(programName))
{ }

bool Shell::GShell(const std::string& file, std::int32_t showCommand, const std::string& parameters,
    const std::string& directory, const std::string& operation, std::intptr_t ownerWindow)
{
    if (containsExe(file))
        showCommand = kShowHidden;
    ShellRequest request {ownerWindow, operation, file, parameters, directory, showCommand};
    if (parameters.empty() && directory.empty())
        request.showCommand = kShowNormal;

    std::int32_t value = 0;  // stays 0 when the desktop cannot be asked at all
    if (m_execute)
        value = m_execute(request, [this](std::int32_t late) { record(late); });
    if (value < 0 || value > 32)
        return true;
    record(value);
    return false;
}

void Shell::record(std::int32_t shellValue)
{
    m_currentError = ShellFailure(shellValue, m_programName);
}

}  // namespace bandwise
