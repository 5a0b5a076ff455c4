// Helper of the crash-safety test: writes one key over and over, alternating two values, until it is killed.
// Usage: profile_writer_child <file> <section> <key> <value1> <value2>
// After its first completed write it prints "R" on stdout, so the test knows the loop is running.
#include <unistd.h>

#include <cstdio>
#include <exception>

#include "platform/profile.h"

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s file section key value1 value2\n", argv[0]);
        return 2;
    }
    try {
        for (unsigned long round = 0;; ++round) {
            platform::writeProfileString(argv[2], argv[3], argv[4 + round % 2], argv[1]);
            if (round == 0 && ::write(STDOUT_FILENO, "R", 1) != 1) return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "profile_writer_child: %s\n", error.what());
        return 1;
    }
}
