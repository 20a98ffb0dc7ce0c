#include "common/code_page.h"
#include "common/line_writer.h"
#include "common/settings_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace common;

namespace {

std::string slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::optional<BandPalette> readColours(const std::string& bytes)
{
    std::istringstream in(bytes);
    return ReadColoursFile(in);
}

// Header, the thirteen default values one per line, and the footer.
std::vector<std::string> defaultColourLines()
{
    return {";Bandwise - Colour Settings", " 0 ", " 16576 ", " 255 ", " 33023 ", " 65535 ", " 65280 ", " 16711680 ",
        " 12583104 ", " 12632256 ", " 16777215 ", " 49344 ", " 14737632 ", " 9823999 ", std::string(kColoursFooter)};
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

class TemporaryDirectory : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/bandwise-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
    }
    void TearDown() override
    {
        std::filesystem::permissions(directory, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(directory);
    }
    std::filesystem::path directory;
};

}  // namespace

TEST(LineWriter, writesTextAndNumberLinesByteExact)
{
    LineWriter writer;
    writer.writeText("Español \"quoted\", as is");
    writer.writeNumber(16576);
    writer.writeNumber(0);
    writer.writeNumber(-5);
    writer.writeText("");
    EXPECT_EQ(writer.bytes(), "Espa\xF1ol \"quoted\", as is\r\n 16576 \r\n 0 \r\n-5 \r\n\r\n");
}

TEST(CodePage, everyByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
    EXPECT_EQ(EncodeWindows1252("Ω€ç"), "?\x80\xE7");
    EXPECT_EQ(EncodeWindows1252("\xFF\xC3"), "??");  // malformed UTF-8
}

TEST(SettingsFiles, writtenFilesAreByteExactAndReadBack)
{
    EXPECT_EQ(ColoursFileBytes(DefaultPalette()), joined(defaultColourLines()));
    EXPECT_EQ(readColours(ColoursFileBytes(DefaultPalette())), DefaultPalette());
    EXPECT_EQ(SettingsFileBytes(true), " 1 \r\n");
    EXPECT_EQ(SettingsFileBytes(false), " 0 \r\n");
    EXPECT_EQ(LanguageFileBytes("Español\\Español.ini"),
        ";Bandwise - Language Settings\r\nEspa\xF1ol\\Espa\xF1ol.ini\r\n" + std::string(kLanguageFooter) + "\r\n");
    std::istringstream language(LanguageFileBytes("Português (Brasil)\\Português (Brasil).ini"));
    EXPECT_EQ(ReadLanguageFile(language), "Português (Brasil)\\Português (Brasil).ini");
}

TEST(SettingsFiles, outlineStateIsZeroOrOne)
{
    struct Row {
        const char* bytes;
        std::optional<bool> state;
    };
    const Row rows[] = {{" 1 \r\n", true}, {" 0 \r\n", false}, {"1,junk", true}, {" 5 \r\n", std::nullopt},
        {"2", std::nullopt}, {"-1", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt}, {"\r\n", false}};
    for (const Row& row : rows) {
        std::istringstream in(row.bytes);
        EXPECT_EQ(ReadSettingsFile(in), row.state) << '"' << row.bytes << '"';
    }
}

TEST_F(TemporaryDirectory, wholeFileWriteReplacesOnlyWhenComplete)
{
    const std::filesystem::path file = directory / "Settings.ini";
    ASSERT_TRUE(WriteFileWhole(file, " 1 \r\n"));
    EXPECT_EQ(slurp(file), " 1 \r\n");
    ASSERT_TRUE(WriteFileWhole(file, " 0 \r\n"));
    EXPECT_EQ(slurp(file), " 0 \r\n");

    // A directory where the temporary file must go stops the write, even for root.
    std::filesystem::create_directory(directory / "Settings.ini.tmp");
    EXPECT_FALSE(WriteFileWhole(file, " 1 \r\n"));
    EXPECT_EQ(slurp(file), " 0 \r\n");
    std::filesystem::remove(directory / "Settings.ini.tmp");

    // A directory standing where the file should be: the rename fails and nothing is left behind.
    const std::filesystem::path blocked = directory / "Colours.ini";
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked / "inside");
    EXPECT_FALSE(WriteFileWhole(blocked, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
    EXPECT_FALSE(std::filesystem::exists(directory / "Colours.ini.tmp"));
}

TEST_F(TemporaryDirectory, failedWritesKeepTheOldFileAndItsPermissions)
{
    const std::filesystem::path file = directory / "Colours.ini";
    ASSERT_TRUE(WriteFileWhole(file, "old\r\n"));

    // A full disk: the temporary file is /dev/full, whose writes fail when flushed.
    std::filesystem::create_symlink("/dev/full", directory / "Colours.ini.tmp");
    EXPECT_FALSE(WriteFileWhole(file, std::string(100000, 'x')));
    EXPECT_EQ(slurp(file), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(directory / "Colours.ini.tmp")));

    // A file nobody may write is left alone, even by root.
    using std::filesystem::perms;
    std::filesystem::permissions(file, perms::owner_read | perms::group_read);
    EXPECT_FALSE(WriteFileWhole(file, "new\r\n"));
    EXPECT_EQ(slurp(file), "old\r\n");

    std::filesystem::permissions(file, perms::owner_read | perms::owner_write);
    EXPECT_TRUE(WriteFileWhole(file, "new\r\n"));
    EXPECT_EQ(slurp(file), "new\r\n");
    EXPECT_EQ(std::filesystem::status(file).permissions(), perms::owner_read | perms::owner_write);
}

TEST_F(TemporaryDirectory, readOnlyDirectoryKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    const std::filesystem::path file = directory / "Settings.ini";
    ASSERT_TRUE(WriteFileWhole(file, " 1 \r\n"));
    std::filesystem::permissions(directory, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(WriteFileWhole(file, " 0 \r\n"));
    EXPECT_EQ(slurp(file), " 1 \r\n");
}
