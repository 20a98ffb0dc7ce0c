#include "platform/file_access.h"
#include "program_files.h"

#include <sys/stat.h>

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
