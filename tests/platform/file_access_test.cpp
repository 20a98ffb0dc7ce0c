#include "platform/file_access.h"
#include "program_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using platform::WriteFileWhole;
namespace fs = std::filesystem;
using FileAccess = testsupport::ProgramFiles;

TEST_F(FileAccess, wholeFileWriteReplacesOnlyWhenCompleteAndNeverThroughWhatIsPlanted)
{
    // A link or a pipe where the temporary file once went is neither written through nor waited on.
    write("theirs", "theirs");
    fs::create_symlink(file("theirs"), file("Colours.ini.tmp"));
    ASSERT_EQ(::mkfifo(file("Settings.ini.tmp").c_str(), 0600), 0);
    write("Colours.ini", "old\r\n");
    fs::permissions(file("Colours.ini"), fs::perms(0640));
    ASSERT_TRUE(WriteFileWhole(file("Colours.ini"), "new\r\n"));
    ASSERT_TRUE(WriteFileWhole(file("Settings.ini"), " 1 \r\n"));
    EXPECT_EQ(fs::status(file("Colours.ini")).permissions(), fs::perms(0640));
    {
        const testsupport::ScopedFileSizeLimit diskFull(100);
        EXPECT_FALSE(WriteFileWhole(file("Colours.ini"), std::string(1000, 'x')));
    }
    fs::permissions(file("Colours.ini"), fs::perms::owner_read);  // nobody may write it: left alone, even by root
    EXPECT_FALSE(WriteFileWhole(file("Colours.ini"), "newer\r\n"));
    fs::create_directories(file("Language.ini") / "inside");  // a directory in the way
    EXPECT_FALSE(WriteFileWhole(file("Language.ini"), "x"));

    EXPECT_EQ(read("Colours.ini"), "new\r\n");
    EXPECT_EQ(read("theirs"), "theirs");
    EXPECT_EQ(std::distance(fs::directory_iterator(programDirectory()), {}), 6);  // no temporary file left
}

TEST_F(FileAccess, aLinkedFileIsReplacedWhereTheLinkLeadsAndTheLinkStays)
{
    write("dotfiles/Settings.ini", "old\r\n");
    fs::permissions(file("dotfiles/Settings.ini"), fs::perms(0600));
    fs::create_symlink("dotfiles/Settings.ini", file("Settings.ini"));
    ASSERT_TRUE(WriteFileWhole(file("Settings.ini"), "new\r\n"));
    EXPECT_TRUE(fs::is_symlink(file("Settings.ini")));
    EXPECT_EQ(read("dotfiles/Settings.ini"), "new\r\n");
    EXPECT_EQ(fs::status(file("dotfiles/Settings.ini")).permissions(), fs::perms(0600));
    EXPECT_EQ(std::distance(fs::directory_iterator(file("dotfiles")), {}), 1);

    // A link someone else planted is replaced itself; what it points at is left alone.
    if (::geteuid() == 0 && ::lchown(file("Settings.ini").c_str(), 65534, 65534) == 0) {
        ASSERT_TRUE(WriteFileWhole(file("Settings.ini"), "newer\r\n"));
        EXPECT_FALSE(fs::is_symlink(file("Settings.ini")));
        EXPECT_EQ(read("dotfiles/Settings.ini"), "new\r\n");
    }
}

TEST_F(FileAccess, aSaveIsOnTheDiskBeforeItReplacesAndOverlappingSavesEachInstallAWholeFile)
{
    const platform::DiskSteps& system = platform::SystemDiskSteps();
    std::vector<std::string> calls;
    platform::DiskSteps recorded;
    recorded.flushFile = [&](int descriptor) {
        calls.push_back("flush file");
        // A second save of the same file runs to its end while the first waits to be renamed.
        if (calls.size() == 1) {
            EXPECT_TRUE(WriteFileWhole(file("Settings.ini"), "second", recorded));
        }
        return system.flushFile(descriptor);
    };
    recorded.rename = [&](const fs::path& from, const fs::path& to) {
        calls.push_back("rename " + read(from.filename()));
        return system.rename(from, to);
    };
    recorded.flushDirectory = [&](const fs::path& directory) {
        calls.push_back(directory == programDirectory() ? "flush directory" : "flush elsewhere");
    };
    ASSERT_TRUE(WriteFileWhole(file("Settings.ini"), "first", recorded));
    EXPECT_EQ(calls,
        (std::vector<std::string> {
            "flush file", "flush file", "rename second", "flush directory", "rename first", "flush directory"}));
    EXPECT_EQ(read("Settings.ini"), "first");

    recorded.flushFile = [](int) { return false; };  // as on a failing disk: nothing is replaced
    EXPECT_FALSE(WriteFileWhole(file("Settings.ini"), "third", recorded));
    EXPECT_EQ(read("Settings.ini"), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(programDirectory()), {}), 1);
}

TEST_F(FileAccess, aFileThisUserMayNotWriteIsLeftAloneInAWritableDirectory)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to save as another user";
    write("Colours.ini", "root's\r\n");
    fs::permissions(file("Colours.ini"), fs::perms(0644));
    fs::permissions(programDirectory(), fs::perms::all);
    EXPECT_EXIT(
        std::exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && !WriteFileWhole(file("Colours.ini"), "x") ? 0 : 1),
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(read("Colours.ini"), "root's\r\n");
}
