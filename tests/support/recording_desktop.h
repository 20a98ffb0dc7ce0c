#pragma once

#include "platform/desktop.h"

#include <string>
#include <vector>

namespace testsupport {

// Records what the program asks the desktop to open, and answers with a chosen shell value.
class RecordingDesktop final : public platform::Desktop {
public:
    void openTextFile(const std::filesystem::path& file) override { textFiles.push_back(file); }

    std::int32_t openAddress(const std::string& address, std::function<void(std::int32_t)> lateFailure) override
    {
        addresses.push_back(address);
        lateFailures.push_back(std::move(lateFailure));
        return answer;
    }

    std::int32_t answer = 33;
    std::vector<std::filesystem::path> textFiles;
    std::vector<std::string> addresses;
    std::vector<std::function<void(std::int32_t)>> lateFailures;
};

}  // namespace testsupport
