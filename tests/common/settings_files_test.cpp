#include "common/code_page.h"
#include "common/line_writer.h"
#include "common/settings_files.h"

#include <gtest/gtest.h>

#include <sstream>
#include <type_traits>

using namespace common;

namespace {

// As the programs read a file: a reader of texts is told the encoding of the file's bytes.
template <typename Read>
auto readFrom(Read read, const std::string& bytes)
{
    std::istringstream in(bytes);
    if constexpr (std::is_invocable_v<Read, std::istream&, TextEncoding>)
        return read(in, DetectTextEncoding(bytes));
    else
        return read(in);
}

// The built-in colours as every Colours.ini written so far holds them.
const std::string kDefaultColoursFile = ";Bandwise - Colour Settings\r\n 0 \r\n 16576 \r\n 255 \r\n 33023 \r\n"
                                        " 65535 \r\n 65280 \r\n 16711680 \r\n 12583104 \r\n 12632256 \r\n 16777215 \r\n"
                                        " 49344 \r\n 14737632 \r\n 9823999 \r\n" +
    std::string(kColoursFooter) + "\r\n";

}  // namespace

TEST(SettingsFiles, writtenBytesAreExactAndReadBack)
{
    EXPECT_EQ(ColoursFileBytes(DefaultPalette()), kDefaultColoursFile);
    EXPECT_EQ(readFrom(ReadColoursFile, kDefaultColoursFile), DefaultPalette());
    EXPECT_EQ(SettingsFileBytes(true), " 1 \r\n");
    EXPECT_EQ(SettingsFileBytes(false), " 0 \r\n");
    const std::string path = "Português (Brasil)\\Português (Brasil).ini";
    EXPECT_EQ(LanguageFileBytes(path),
        ";Bandwise - Language Settings\r\nPortugu\xEAs (Brasil)\\Portugu\xEAs (Brasil).ini\r\n" +
            std::string(kLanguageFooter) + "\r\n");
    EXPECT_EQ(readFrom(ReadLanguageFile, LanguageFileBytes(path)), path);
    // Only line 2 is used: a comment line longer than any field may be does not spoil it.
    EXPECT_EQ(readFrom(ReadLanguageFile, ";h\r\nKlingon\\k.ini\r\n;" + std::string(100000, 'x')), "Klingon\\k.ini");
}

TEST(SettingsFiles, everyByteOfTheCodePageSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
    EXPECT_EQ(EncodeWindows1252("Ω€ç"), "?\x80\xE7");
    EXPECT_EQ(EncodeWindows1252("\xFF\xC3"), "??");  // malformed UTF-8
}

TEST(SettingsFiles, aFileEditedInUtf8ReadsAsTheProgramsOwnWindows1252)
{
    const std::string path = "Português (Brasil)\\Português (Brasil).ini";
    EXPECT_EQ(readFrom(ReadLanguageFile, LanguageFileBytes(path)), path);
    EXPECT_EQ(readFrom(ReadLanguageFile, ";h\n" + path + "\n;f\n"), path);
    // UTF-8 only when the whole file is valid UTF-8 with a byte above 127.
    const std::pair<const char*, TextEncoding> rows[] = {{"Espa\xC3\xB1ol \xF0\x9F\x98\x80", TextEncoding::Utf8},
        {"ASCII", TextEncoding::Windows1252}, {"Espa\xF1ol", TextEncoding::Windows1252},
        {"\xC3\xB1 then \xF1", TextEncoding::Windows1252}};
    for (const auto& [bytes, encoding] : rows)
        EXPECT_EQ(DetectTextEncoding(bytes), encoding) << bytes;
}

TEST(SettingsFiles, readersRejectWhatTheProgramsNeverWrite)
{
    const std::pair<const char*, std::optional<bool>> outlines[] = {{" 1 \r\n", true}, {"\r\n", false},
        {"1,junk", true}, {"2", std::nullopt}, {"-1", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt}};
    for (const auto& [bytes, outline] : outlines)
        EXPECT_EQ(readFrom(ReadSettingsFile, bytes), outline) << '"' << bytes << '"';

    const auto withBand = [](const std::string& first) {
        return ";h\r\n" + first + kDefaultColoursFile.substr(kDefaultColoursFile.find("\r\n 16576"));
    };
    EXPECT_EQ(readFrom(ReadColoursFile, withBand(" 16777215 ")).value()[BandColour::Black].value, 0xFFFFFF);
    for (const char* bad : {" 16777216 ", " -1 ", " red "})
        EXPECT_EQ(readFrom(ReadColoursFile, withBand(bad)), std::nullopt) << bad;
    // A body colour out of range is read as black rather than failing.
    std::string body = kDefaultColoursFile;
    body.replace(body.find(" 9823999 "), 9, " 16777216 ");
    EXPECT_EQ(readFrom(ReadColoursFile, body).value().body, DisplayColour {0});
}
