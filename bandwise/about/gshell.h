#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace bandwise {

// How the opened window is shown, with the shell's own numbers.
inline constexpr std::int32_t kShowHidden = 0;
inline constexpr std::int32_t kShowNormal = 1;
inline constexpr std::int32_t kShowDefault = 10;

// What the desktop is asked to open, in the order of the shell's own arguments.
struct ShellRequest {
    std::intptr_t ownerWindow = 0;
    std::string operation;
    std::string file;
    std::string parameters;
    std::string directory;
    std::int32_t showCommand = 0;
};

// Hands a request to the desktop. Returns the shell value: above 32 (or negative) when the
// request was accepted, 0 to 32 a failure code. A failure that only shows later (the opener ran
// and gave up) is reported through `lateFailure` with its shell value.
using ShellExecute =
    std::function<std::int32_t(const ShellRequest& request, std::function<void(std::int32_t shellValue)> lateFailure)>;

// The program's current-error slot: the last failure, as number, source and description.
struct ErrorRecord {
    std::int32_t number = 0;
    std::string source;
    std::string description;
};

// Error number and message of a refused shell request (shell values 0 to 32).
ErrorRecord ShellFailure(std::int32_t shellValue, const std::string& programName);

// Opens documents and mail or web addresses with the desktop, and keeps the last failure.
class Shell {
public:
    Shell(ShellExecute execute, std::string programName);

    // True when the desktop accepted the request; a refusal is recorded in currentError().
    // A file containing ".EXE" (any letter case) is opened hidden; with neither parameters nor
    // a directory the request always asks for a normal window.
    bool GShell(const std::string& file, std::int32_t showCommand, const std::string& parameters,
        const std::string& directory, const std::string& operation, std::intptr_t ownerWindow);

    const ErrorRecord& currentError() const { return m_currentError; }

private:
    void record(std::int32_t shellValue);

    ShellExecute m_execute;
    std::string m_programName;
    ErrorRecord m_currentError;
};

}  // namespace bandwise
