#include "common/file_places.h"
#include "program_files.h"

#include <gtest/gtest.h>

using FilePlacesTest = testsupport::ProgramFiles;

TEST_F(FilePlacesTest, aUsersOwnLanguageFileComesFirstAndTheProgramsOtherwise)
{
    const common::FilePlaces places(programDirectory(), file("user"));
    const std::filesystem::path spanish = std::filesystem::path("Español") / "Español.ini";
    EXPECT_EQ(places.languageFile(spanish), file("Language Files") / spanish);
    write("user/Language Files/Español/Español.ini", "");
    EXPECT_EQ(places.languageFile(spanish), file("user/Language Files") / spanish);
    EXPECT_EQ(common::FilePlaces(programDirectory()).languageFile(spanish), file("Language Files") / spanish);
}
