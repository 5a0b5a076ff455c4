// Helper of the crash-safety tests, run as a child process.
// profile_writer_child <file> <section> <key> <value1> <value2>
//     Writes one key over and over, alternating two values, until it is killed. After its first completed write it
//     prints "R" on stdout, so the test knows the loop is running.
// profile_writer_child --size-limit <bytes> <file> <section> <key> <value>
//     Writes the key once under a file-size limit, with SIGXFSZ at its default action (which ends the process).
//     Exits 0 when the write succeeds, 3 with the error's text on stdout when it fails.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <system_error>

#include "platform/profile.h"

namespace {

bool ready() {
    return ::write(STDOUT_FILENO, "R", 1) == 1;
}

int writeForever(char** argv) {
    for (unsigned long round = 0;; ++round) {
        platform::writeProfileString(argv[2], argv[3], argv[4 + round % 2], argv[1]);
        if (round == 0 && !ready()) return 1;
    }
}

int writeUnderSizeLimit(char** argv) {
    ::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{std::strtoul(argv[2], nullptr, 10), RLIM_INFINITY};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    try {
        platform::writeProfileString(argv[4], argv[5], argv[6], argv[3]);
        return 0;
    } catch (const std::system_error& error) {
        std::printf("%s", error.code().message().c_str());
        return 3;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    try {
        if (argc == 6 && mode.rfind("--", 0) != 0) return writeForever(argv);
        if (argc == 7 && mode == "--size-limit") return writeUnderSizeLimit(argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "profile_writer_child: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: %s file section key value1 value2 | --size-limit bytes file section key value\n",
                 argv[0]);
    return 2;
}
