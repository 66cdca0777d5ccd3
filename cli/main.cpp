#include <unistd.h>

#include <csignal>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliApp.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);  // --batch - reads and writes a line at a time
    // A closed pipe is a failed write (status 1), not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = velmora::cli::RunCli(args, std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1,
                                            STDIN_FILENO, isatty(STDERR_FILENO) == 1, velmora::cli::SystemToday(),
                                            velmora::cli::SystemNowJulianDay());
    std::cout.flush();
    return status;
}
