#pragma once

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
        {"danglingLink", [](const fs::path& path) { fs::create_symlink(path.parent_path() / "nowhere", path); }, true},
    };
    // A device of its own, the endless one /dev/zero is, made in the test's folder: a save that
    // went wrong could replace only that. Only root may make one.
    static const std::vector<HostileFile> withDevice = [] {
        std::vector<HostileFile> all = files;
        all.push_back({"device", [](const fs::path& path) { ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 5)); }});
        return all;
    }();
    return ::geteuid() == 0 ? withDevice : files;
}

}  // namespace testsupport
