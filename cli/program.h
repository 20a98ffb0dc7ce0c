#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace cli {

struct Run {
    int status = 0;
    std::string out;
    std::string err;
};

// One run of the command line, from its arguments (without the program's name) to what it
// prints. The program directory holds the "Language Files" that --language reads.
Run RunCommandLine(std::span<const std::string_view> args, const std::filesystem::path& programDirectory);

}  // namespace cli
