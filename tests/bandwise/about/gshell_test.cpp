#include "bandwise/about/about_texts.h"
#include "bandwise/about/gshell.h"

#include <gtest/gtest.h>

using namespace bandwise;

namespace {

struct Recorder {
    std::int32_t answer = 42;
    std::vector<ShellRequest> requests;
    std::function<void(std::int32_t)> late;

    ShellExecute execute()
    {
        return [this](const ShellRequest& request, std::function<void(std::int32_t)> lateFailure) {
            requests.push_back(request);
            late = std::move(lateFailure);
            return answer;
        };
    }
};

}  // namespace

TEST(GShell, refusalsRecordTheirNumberSourceAndMessage)
{
    struct Row {
        std::int32_t value;
        std::int32_t number;
        const char* message;
    };
    const char* general = "An error occurred occurred whilst trying to open or print the selected file.";
    std::vector<Row> rows = {
        {0, 7, "Out of memory"},
        {2, 53, "File not found"},
        {3, 76, "Path not found"},
        {5, 75, "Path/file access error"},
        {8, 7, "Out of memory"},
        {11, -2147220445, "The executable file is invalid or corrupt"},
        {26, 75, "A sharing violation occurred."},
        {27, -2147220429, "This file type does not have a valid file association."},
        {28, 286, "The file could not be opened due to time out. Please try again in a moment."},
        {29, 285, "The file could not be opened because the DDE transaction failed. Please try again in a moment."},
        {30, 285, "The file could not be opened because the target application is busy. Please try again in a moment."},
        {31, -2147220425, "No application is associated with this file type."},
        {32, 48, "The specified dynamic-link library was not found."},
    };
    for (std::int32_t value : {1, 4, 6, 7, 9, 10, 12, 13, 18, 25})
        rows.push_back({value, -2147220456 + value, general});

    for (const Row& row : rows) {
        Recorder recorder;
        recorder.answer = row.value;
        Shell shell(recorder.execute(), "Bandwise");
        EXPECT_FALSE(shell.GShell("mailto:x", 10, "", "", "open", 0)) << row.value;
        EXPECT_EQ(shell.currentError().number, row.number) << row.value;
        EXPECT_EQ(shell.currentError().description, row.message) << row.value;
        EXPECT_EQ(shell.currentError().source, "Bandwise.GShell");
    }
    EXPECT_EQ(ShellFailure(1, "x").number, -2147220455);
}

TEST(GShell, acceptedRequestsRecordNothing)
{
    for (std::int32_t value : {33, 42, 100000, -1, -2147483647 - 1}) {
        Recorder recorder;
        recorder.answer = value;
        Shell shell(recorder.execute(), "Bandwise");
        EXPECT_TRUE(shell.GShell("https://example.org", 10, "", "", "open", 0)) << value;
        EXPECT_EQ(shell.currentError().number, 0);
        EXPECT_EQ(shell.currentError().description, "");
    }
}

TEST(GShell, exeFilesOpenHiddenAndPlainRequestsAskForANormalWindow)
{
    struct Row {
        const char* name;
        std::string file;
        std::int32_t show;
        std::string parameters;
        std::string directory;
        std::int32_t sentShow;
    };
    const Row rows[] = {
        {"exeWithParameters", "setup.exe", 5, "/quiet", "", 0},
        {"exeWithDirectory", "tools\\SETUP.EXE", 3, "", "C:\\", 0},
        {"exeAlone", "setup.exe", 5, "", "", 1},
        {"exeInsideAnAddress", "https://example.org/get.ExE/page", 3, "", "", 1},
        {"exeInAddressWithParameters", "https://example.org/a.exe?x", 3, "p", "", 0},
        {"documentWithParameters", "notes.txt", 3, "p", "", 3},
        {"documentAlone", "notes.txt", 3, "", "", 1},
    };
    for (const Row& row : rows) {
        Recorder recorder;
        Shell shell(recorder.execute(), "Bandwise");
        shell.GShell(row.file, row.show, row.parameters, row.directory, "print", 77);
        ASSERT_EQ(recorder.requests.size(), 1u) << row.name;
        const ShellRequest& sent = recorder.requests[0];
        EXPECT_EQ(sent.showCommand, row.sentShow) << row.name;
        EXPECT_EQ(sent.file, row.file) << row.name;
        EXPECT_EQ(sent.parameters, row.parameters) << row.name;
        EXPECT_EQ(sent.directory, row.directory) << row.name;
        EXPECT_EQ(sent.operation, "print") << row.name;
        EXPECT_EQ(sent.ownerWindow, 77) << row.name;
    }
}

TEST(GShell, noShellAndLateRefusalsAreRecordedToo)
{
    Shell unavailable(nullptr, "Bandwise");
    EXPECT_FALSE(unavailable.GShell("mailto:x", 10, "", "", "open", 0));
    EXPECT_EQ(unavailable.currentError().number, 7);

    Recorder recorder;
    Shell shell(recorder.execute(), "Bandwise");
    EXPECT_TRUE(shell.GShell("mailto:x", 10, "", "", "open", 0));
    recorder.late(31);  // the opener found no mail program
    EXPECT_EQ(shell.currentError().number, -2147220425);
    EXPECT_EQ(shell.currentError().description, "No application is associated with this file type.");
}

TEST(AboutTexts, englishInvitesTranslatorsAndALanguageFileSetsEveryText)
{
    WindowTexts english;
    const AboutTexts builtIn = AboutDialogTexts(english);
    EXPECT_FALSE(builtIn.title || builtIn.feedback || builtIn.okButton);
    EXPECT_EQ(builtIn.translation, "If you want to help translate Bandwise to other language(s), contact me.");
    EXPECT_EQ(ReadMeFile("/p", english), std::filesystem::path("/p/ReadMe.txt"));

    WindowTexts named = english;
    named.Language_Name = "Español";  // folder named, file missing: still English
    EXPECT_EQ(ReadMeFile("/p", named), std::filesystem::path("/p/ReadMe.txt"));

    WindowTexts translated = named;
    translated.Language_Changed = true;
    translated.About_Texts = {"Acerca", "crédito", "f59", "Envíe| por favor", "Done| gracias", "Gracias| a todos",
        "Vale", "Léame", "Traducido"};
    const AboutTexts about = AboutDialogTexts(translated);
    EXPECT_EQ(about.title, "Acerca");
    EXPECT_EQ(about.authorCredit, "crédito");
    EXPECT_EQ(about.feedback, "Envíe, por favor:");
    EXPECT_EQ(about.donation, "Done, gracias:");
    EXPECT_EQ(about.thanks, "Gracias| a todos");
    EXPECT_EQ(about.okButton, "Vale");
    EXPECT_EQ(about.readMeButton, "Léame");
    EXPECT_EQ(about.translation, "Traducido");
    EXPECT_EQ(ReadMeFile("/p", translated), std::filesystem::path("/p/ReadMe-Español.txt"));
    EXPECT_EQ(MailtoAddress("Ann Smith", "ann@example.org"), "mailto:Ann Smith <ann@example.org>?subject=Bandwise");
}
