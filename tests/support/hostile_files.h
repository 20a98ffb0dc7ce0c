#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Ways a file of the program directory can be damaged. Each program is opened with each of its
// files damaged in each way: it must open at once, show that file's read error (or, for a file
// that reads as missing, nothing), and keep working.
struct HostileFile {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    bool readsAsMissing = false;
};

inline const std::vector<HostileFile>& HostileFiles()
{
    namespace fs = std::filesystem;
    static const std::vector<HostileFile> files = {
        {"empty", [](const fs::path& path) { std::ofstream(path, std::ios::binary); }},
        {"directory", [](const fs::path& path) { fs::create_directories(path); }},
        {"hugeSparse",
            [](const fs::path& path) {
                std::ofstream(path, std::ios::binary);
                fs::resize_file(path, 200u * 1024 * 1024);
            }},
        {"quoteNeverClosed",
            [](const fs::path& path) { std::ofstream(path, std::ios::binary) << '"' << std::string(300000, 'x'); }},
        {"quoteThenSparseHole",  // 4 TB of nothing after a closed quote: "a" and then no separator
            [](const fs::path& path) {
                std::ofstream(path, std::ios::binary) << "\"a\"";
                fs::resize_file(path, 1ULL << 42);
            }},
        {"fifo", [](const fs::path& path) { ::mkfifo(path.c_str(), 0600); }},
        {"device", [](const fs::path& path) { fs::create_symlink("/dev/zero", path); }},
        {"danglingLink", [](const fs::path& path) { fs::create_symlink(path.parent_path() / "nowhere", path); }, true},
    };
    return files;
}

}  // namespace testsupport
