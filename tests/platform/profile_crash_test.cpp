// A writer killed at any moment leaves the old file or the new one, never a mix. A child process rewrites one key
// of a large file in a loop; the test kills it at random moments and checks every byte of what is left.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/profile.h"
#include "platform_test_util.h"

extern char** environ;

using platform_test::readFile;
using platform_test::TempDir;
using platform_test::writeFile;

namespace {

// A file of about 40 KB with the key in the middle; everything but the key's value is fixed.
std::string gameFile(const std::string& value) {
    std::string text;
    for (int section = 0; section < 60; ++section) {
        text += "[Section" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 20; ++key) {
            text += "Key" + std::to_string(key) + "=Some value of key " + std::to_string(key) + "\r\n";
            if (section == 30 && key == 10) text += "Target=" + value + "\r\n";
        }
        text += "; end of section\r\n\r\n";
    }
    return text;
}

struct Child {
    pid_t pid = -1;
    int ready = -1;  // read end of the child's stdout
};

Child startWriter(const std::string& path, const std::string& value1, const std::string& value2) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    const std::string program = std::string(CORVANE_TEST_BIN) + "/profile_writer_child";
    std::vector<std::string> args = {program, path, "Section30", "Target", value1, value2};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    Child child;
    const int error = ::posix_spawn(&child.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (error != 0) {
        ::close(pipeFds[0]);
        throw std::runtime_error("cannot start " + program);
    }
    child.ready = pipeFds[0];
    return child;
}

bool waitReady(const Child& child) {
    pollfd fd{child.ready, POLLIN, 0};
    if (::poll(&fd, 1, 10000) != 1) return false;
    char byte = 0;
    return ::read(child.ready, &byte, 1) == 1 && byte == 'R';
}

void killAndReap(const Child& child) {
    ::kill(child.pid, SIGKILL);
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    ::close(child.ready);
}

TEST(ProfileCrashSafety, KilledWriterLeavesOldOrNewFile) {
    const unsigned seed = 20240611;
    std::cout << "[ seed     ] " << seed << std::endl;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);

    const std::string value1 = "short";
    const std::string value2 = "a much longer value " + std::string(300, 'v');
    const std::string file1 = gameFile(value1);
    const std::string file2 = gameFile(value2);

    TempDir dir;
    const std::string path = dir.file("game.ini");
    writeFile(path, file1);

    int seen1 = 0, seen2 = 0, strays = 0;
    for (int round = 0; round < 200; ++round) {
        const Child child = startWriter(path, value1, value2);
        const bool ready = waitReady(child);
        if (ready) std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        killAndReap(child);
        ASSERT_TRUE(ready) << "the writer did not start (round " << round << ")";

        const std::string now = readFile(path);
        ASSERT_TRUE(now == file1 || now == file2) << "torn file after kill in round " << round;
        (now == file1 ? seen1 : seen2)++;
        const std::string value = platform::getProfileString("Section30", "Target", "", path);
        EXPECT_TRUE(value == value1 || value == value2);

        // A kill between creating the replacement and renaming it leaves that one temporary file; the writer
        // leaves no others. The test removes it, as a user would find and delete it.
        std::vector<std::filesystem::path> others;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            if (entry.path().filename() != "game.ini") others.push_back(entry.path());
        }
        ASSERT_LE(others.size(), 1u) << "round " << round;
        for (const auto& other : others) std::filesystem::remove(other);
        strays += static_cast<int>(others.size());
    }
    std::cout << "[ kills    ] old/new value seen " << seen1 << "/" << seen2 << ", stray temporary files " << strays
              << std::endl;
}

}  // namespace
