#include "cli/program.h"

#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const cli::Run run = cli::RunCommandLine(args, error ? std::filesystem::path() : executable.parent_path());
    std::fwrite(run.out.data(), 1, run.out.size(), stdout);
    std::fwrite(run.err.data(), 1, run.err.size(), stderr);
    // An answer that did not reach its reader (a full disk, a closed pipe) is no answer.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("bandwise-cli: cannot write the answer\n", stderr);
        return 1;
    }
    return run.status;
}
