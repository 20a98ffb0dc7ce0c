#include "common/settings_files.h"
#include "platform/file_access.h"
#include "program_files.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

using platform::WriteFileWhole;
namespace fs = std::filesystem;
using FileAccess = testsupport::ProgramFiles;

namespace {

constexpr uid_t kNobody = 65534;

std::string attribute(const fs::path& path, const char* name)
{
    std::string value(256, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
    return value;
}

std::size_t entries(const fs::path& directory)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), {}));
}

}  // namespace

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

    EXPECT_EQ(read("Colours.ini"), "new\r\n");
    EXPECT_EQ(read("theirs"), "theirs");
    EXPECT_EQ(entries(programDirectory()), 5U);  // no temporary file left
}

// Where a save lands, by what its path passes: who made each link, and what it leads to. Each row
// makes its entries in a folder of its own beside file.ini; "!" before a target makes the link
// another user's (only when the tests run as root, as CI does), and "|" makes a FIFO instead.
TEST_F(FileAccess, aSaveFollowsOnlyThisUsersOrRootsLinksAndOnlyToARegularFile)
{
    enum Outcome { Followed, LinkReplaced, Refused };
    const std::tuple<const char*, std::vector<std::pair<std::string, std::string>>, const char*, Outcome> shapes[] = {
        {"ownLink", {{"Settings.ini", "file.ini"}}, "Settings.ini", Followed},
        {"ownChain", {{"Settings.ini", "dot/hop"}, {"dot/hop", "../file.ini"}}, "Settings.ini", Followed},
        {"ownDirectoryLink", {{"config", "."}}, "config/file.ini", Followed},
        {"chainThroughAnothersLink", {{"Settings.ini", "dot/hop"}, {"dot/hop", "!../file.ini"}}, "Settings.ini",
            LinkReplaced},
        {"anothersLink", {{"Settings.ini", "!file.ini"}}, "Settings.ini", LinkReplaced},
        {"anothersDirectoryLink", {{"config", "!."}}, "config/file.ini", Refused},
        {"linkToNowhere", {{"Settings.ini", "nowhere/file.ini"}}, "Settings.ini", LinkReplaced},
        {"linkToAFifo", {{"Settings.ini", "fifo"}, {"fifo", "|"}}, "Settings.ini", LinkReplaced},
        {"fifoInItsPlace", {{"Settings.ini", "|"}}, "Settings.ini", Refused},
        {"directoryInItsPlace", {{"Settings.ini/inside", "|"}}, "Settings.ini", Refused},
    };
    for (const auto& [row, links, saved, outcome] : shapes) {
        SCOPED_TRACE(row);
        write(std::string(row) + "/file.ini", "old");
        bool skipped = false;
        for (const auto& [name, target] : links) {
            const fs::path entry = file(row) / name;
            fs::create_directories(entry.parent_path());
            if (target == "|")
                ::mkfifo(entry.c_str(), 0600);
            else
                fs::create_symlink(target.substr(target[0] == '!'), entry);
            skipped |= target[0] == '!' && (::geteuid() != 0 || ::lchown(entry.c_str(), kNobody, kNobody) != 0);
        }
        if (skipped)
            continue;
        const fs::path path = file(row) / saved;
        const fs::file_type before = fs::symlink_status(path).type();
        const std::size_t entriesBefore = entries(file(row));
        EXPECT_EQ(WriteFileWhole(path, "new"), outcome != Refused);
        EXPECT_EQ(read(std::string(row) + "/file.ini"), outcome == Followed ? "new" : "old");
        EXPECT_EQ(fs::symlink_status(path).type(), outcome == LinkReplaced ? fs::file_type::regular : before);
        EXPECT_EQ(entries(file(row)), entriesBefore);  // nothing created beside anything
    }
}

TEST_F(FileAccess, theNewFileKeepsTheOldOnesOwnerPermissionsAndAttributesOrTheSaveFails)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to own files as another user";
    // An ACL by which the owner may read and write, user 1000 read, and the group and others nothing:
    // the version, then each entry's tag and permissions and its user or group.
    const std::uint32_t acl[] = {2, 0x60001, ~0U, 0x40002, 1000, 0x00004, ~0U, 0x40010, ~0U, 0x00020, ~0U};
    write("Settings.ini", "theirs");
    ASSERT_EQ(::chown(file("Settings.ini").c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(file("Settings.ini").c_str(), 06640), 0);
    ASSERT_EQ(::setxattr(file("Settings.ini").c_str(), "system.posix_acl_access", acl, sizeof acl, 0), 0);
    ASSERT_EQ(::setxattr(file("Settings.ini").c_str(), "user.note", "mine", 4, 0), 0);
    const std::string keptAcl = attribute(file("Settings.ini"), "system.posix_acl_access");

    ASSERT_TRUE(WriteFileWhole(file("Settings.ini"), "root's"));
    struct stat saved { };
    ASSERT_EQ(::stat(file("Settings.ini").c_str(), &saved), 0);
    EXPECT_EQ(std::tuple(saved.st_uid, saved.st_gid, saved.st_mode & 07777), std::tuple(kNobody, kNobody, 0640U));
    EXPECT_EQ(attribute(file("Settings.ini"), "system.posix_acl_access"), keptAcl);
    EXPECT_EQ(attribute(file("Settings.ini"), "user.note"), "mine");

    // In a directory anyone may write: a file of root's this user may not write, one only root could
    // give back to root, and one of this user's own that only its group may write. All stay.
    write("own.ini", "root's");
    ASSERT_EQ(::chown(file("own.ini").c_str(), kNobody, kNobody), 0);
    fs::permissions(file("own.ini"), fs::perms(0460));
    write("Colours.ini", "root's");
    fs::permissions(file("Colours.ini"), fs::perms(0644));
    write("Language.ini", "root's");
    fs::permissions(file("Language.ini"), fs::perms(0666));
    fs::permissions(programDirectory(), fs::perms::all);
    EXPECT_EXIT(std::exit(::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
                      !WriteFileWhole(file("Colours.ini"), "x") && !WriteFileWhole(file("Language.ini"), "x") &&
                      !WriteFileWhole(file("own.ini"), "x")
                      ? 0
                      : 1),
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(read("Colours.ini") + read("Language.ini") + read("own.ini"), "root'sroot'sroot's");
    EXPECT_EQ(entries(programDirectory()), 4U);
}

TEST_F(FileAccess, theUsersDirectoryIsMadePrivateAndNeverInsideAnotherUsersFolder)
{
    // A home of another user's only when the tests run as root, as CI does.
    for (const bool theirs : {false, ::geteuid() == 0}) {
        const fs::path home = file(theirs ? "theirs" : "mine");
        fs::create_directories(home);
        ASSERT_EQ(::chown(home.c_str(), theirs ? kNobody : ::geteuid(), theirs ? kNobody : ::getegid()), 0);
        const common::FilePlaces places(programDirectory(), home / ".config/bandwise");
        EXPECT_EQ(platform::SaveProgramFile(places, common::kSettingsFileName, "x"), !theirs) << home;
        EXPECT_EQ(fs::exists(home / ".config") ? fs::status(home / ".config").permissions() : fs::perms::none,
            theirs ? fs::perms::none : fs::perms::owner_all);
    }
}

TEST_F(FileAccess, leftoversOfKilledSavesAreClearedOnlyWhenOldAndThisUsers)
{
    // Settings.ini is this user's link into a folder of dotfiles: its saves' leftovers are there.
    write("dot/settings", "x");
    fs::create_symlink("dot/settings", file("Settings.ini"));
    const auto leftover = [this](const std::string& name, bool old) {
        write(name, "part");
        if (old)
            fs::last_write_time(file(name), fs::last_write_time(file(name)) - std::chrono::minutes(10));
    };
    leftover("Colours.ini.123.tmp", true);
    leftover("dot/settings.4.tmp", true);
    leftover("Language.ini.56.tmp", false);  // a save still running
    leftover("Language.ini.tmp", true);      // not a name a save gives
    leftover("Colours.ini.12a.tmp", true);
    leftover("Language.ini.78.tmp", true);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file("Language.ini.78.tmp").c_str(), kNobody, kNobody), 0);
    }
    platform::ClearLeftoverSaves(programDirectory());
    EXPECT_FALSE(fs::exists(file("Colours.ini.123.tmp")));
    EXPECT_FALSE(fs::exists(file("dot/settings.4.tmp")));
    EXPECT_EQ(entries(programDirectory()), ::geteuid() == 0 ? 6U : 5U);
}

TEST_F(FileAccess, aReadOpensNothingButARegularFile)
{
    // Opening a FIFO for reading lets a writer waiting on it go on: that must not happen.
    const std::string fifo = file("Colours.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t writer = ::fork();
    if (writer == 0)
        ::_exit(::open(fifo.c_str(), O_WRONLY) >= 0 ? 0 : 1);
    const auto waiting = [wchan = "/proc/" + std::to_string(writer) + "/wchan"] {
        std::ifstream in(wchan);
        return std::string(std::istreambuf_iterator<char>(in), {}) == "wait_for_partner";
    };
    for (int i = 0; i < 500 && !waiting(); ++i)
        ::usleep(10 * 1000);
    ASSERT_TRUE(waiting());
    EXPECT_EQ(platform::ReadSmallFile(file("Colours.ini")), std::nullopt);
    ::usleep(200 * 1000);
    int status = 0;
    EXPECT_EQ(::waitpid(writer, &status, WNOHANG), 0) << "the FIFO was opened";
    ::close(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK));
    ::waitpid(writer, &status, 0);
}

TEST_F(FileAccess, aSaveIsOnTheDiskBeforeItReplacesTheOldFile)
{
    const platform::DiskSteps& system = platform::SystemDiskSteps();
    std::vector<std::string> calls;
    platform::DiskSteps recorded;
    recorded.flushFile = [&](int descriptor) {
        calls.push_back("flush file");
        return system.flushFile(descriptor);
    };
    recorded.rename = [&](int directory, const std::string& from, const std::string& to) {
        calls.push_back("rename " + read(from));
        return system.rename(directory, from, to);
    };
    recorded.flushDirectory = [&](int directory) {
        struct stat flushed { };
        struct stat expected { };
        ::fstat(directory, &flushed);
        ::stat(programDirectory().c_str(), &expected);
        calls.push_back(flushed.st_ino == expected.st_ino ? "flush directory" : "flush elsewhere");
    };
    ASSERT_TRUE(WriteFileWhole(file("Settings.ini"), "first", recorded));
    EXPECT_EQ(calls, (std::vector<std::string> {"flush file", "rename first", "flush directory"}));

    recorded.flushFile = [](int) { return false; };  // as on a failing disk: nothing is replaced
    EXPECT_FALSE(WriteFileWhole(file("Settings.ini"), "second", recorded));
    EXPECT_EQ(read("Settings.ini"), "first");
    EXPECT_EQ(entries(programDirectory()), 1U);
}
