#pragma once

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

namespace testsupport {

// A fresh, empty program directory per test, and the few things tests do with its files.
class ProgramFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/bandwise-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_directory = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::permissions(m_directory, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_directory, ignored);
    }

    const std::filesystem::path& programDirectory() const { return m_directory; }
    std::filesystem::path file(const std::string& name) const { return m_directory / name; }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories(file(name).parent_path());
        std::ofstream(file(name), std::ios::binary) << bytes;
    }

    std::string read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_directory;
};

// While one exists, no file of this process can grow past `bytes`: a write beyond fails as it
// would on a full disk, without any help from the code under test. That it fails rather than ends
// the process is the programs' own doing, which the tests' main() does as theirs do.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        struct sigaction disposition { };
        sigaction(SIGXFSZ, nullptr, &disposition);
        EXPECT_EQ(disposition.sa_handler, SIG_IGN) << "a write past the limit would end the program";
        getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit limit {bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit m_old {};
};

}  // namespace testsupport
