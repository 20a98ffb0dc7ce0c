#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace platform {

// The Windows shell's values that an opener's outcome is given as: any above 32 means the request
// was accepted, 31 (SE_ERR_NOASSOC) that no application is associated with the address.
inline constexpr std::int32_t kShellAccepted = 33;
inline constexpr std::int32_t kShellNoAssociation = 31;

// What the programs ask of the desktop: open a text file in its editor, or hand a document, web
// address or mail address to whatever application is registered for it. Windows take one
// through their constructor so that tests can record the requests.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Starts the desktop's text editor on the file and does not wait for it.
    virtual void openTextFile(const std::filesystem::path& file) = 0;

    // Returns at once with a shell value: kShellAccepted when the opener is on its way, 0 when there is none. When the
    // opener later gives up, lateFailure receives the shell value its outcome stands for (see the implementation for
    // the mapping).
    virtual std::int32_t openAddress(const std::string& address, std::function<void(std::int32_t)> lateFailure) = 0;
};

class SystemDesktop final : public Desktop {
public:
    // opener: the program that hands a file or address to the desktop, by name on the PATH or by path.
    explicit SystemDesktop(std::string opener = "xdg-open");
    ~SystemDesktop() override;
    void openTextFile(const std::filesystem::path& file) override;
    std::int32_t openAddress(const std::string& address, std::function<void(std::int32_t)> lateFailure) override;

private:
    std::string m_opener;
    // Openers still running, in whatever form the platform starts them; a late report after the
    // desktop object is gone is dropped, and the opener is left to run.
    struct Openers;
    std::unique_ptr<Openers> m_openers;
};

}  // namespace platform
