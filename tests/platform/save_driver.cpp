// What a program's start does for its files, on a directory given in place of the program
// directory, and then, when asked, one save; save_crash_test.sh kills it part-way through the save.
//
//   save_driver DIRECTORY                 start only
//   save_driver DIRECTORY NAME BYTES      start, then save BYTES as the file NAME
//
// The save is framed by two renamings of the process, so that a trace shows which system calls
// are the save's own: prctl(PR_SET_NAME, "save begins") ... prctl(PR_SET_NAME, "save ends").

#include "platform/file_access.h"
#include "platform/program_directory.h"

#include <sys/prctl.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: save_driver DIRECTORY [NAME BYTES]\n");
        return 2;
    }
    platform::KeepRunningPastFileSizeLimit();
    const common::FilePlaces places = platform::ChooseFilePlaces(argv[1]);
    platform::ClearLeftoverSaves(places);
    if (argc == 2)
        return 0;
    ::prctl(PR_SET_NAME, "save begins");
    const bool saved = platform::SaveProgramFile(places, argv[2], argv[3]);
    ::prctl(PR_SET_NAME, "save ends");
    return saved ? 0 : 1;
}
