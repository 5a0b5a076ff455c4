// Starting programs: missing files refused before anything starts, detached start, ".exe" through wine.
#include "platform/process.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "platform/error.h"
#include "platform_test_util.h"

using platform_test::exists;
using platform_test::readFile;
using platform_test::ScopedEnv;
using platform_test::TempDir;
using platform_test::writeFile;

namespace {

std::string startError(const std::string& path) {
    try {
        platform::startProgram(path, 1);
    } catch (const platform::AppError& error) {
        return error.description();
    }
    return "none";
}

void writeScript(const std::string& path, const std::string& body) {
    writeFile(path, "#!/bin/sh\n" + body);
    ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
}

// The started program is not ours to wait for: its effect is polled for (up to 5 s).
bool waitForFile(const std::string& path) {
    for (int i = 0; i < 500; ++i) {
        if (exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(Process, MissingFilesAreRefused) {
    TempDir dir;
    ::mkdir(dir.file("folder.exe").c_str(), 0755);
    for (const std::string& path :
         {dir.file("missing"), dir.file("Missing.EXE"), dir.file("folder.exe"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(startError(path), "File not found: " + path);
    }
}

TEST(Process, StartsDetachedWithNullStdio) {
    TempDir dir;
    const std::string script = dir.file("run.sh");
    writeScript(script, "cd '" + dir.path() +
                            "'\n"
                            "in=$(readlink /proc/$$/fd/0); echo \"$in\" > fd0\n"
                            "out=$(readlink /proc/$$/fd/1); echo \"$out\" > fd1\n"
                            "awk '{print $4}' /proc/$$/stat > ppid\n"
                            "echo $$ > pid.tmp && mv pid.tmp pid\n"
                            "exec sleep 30\n");
    platform::startProgram(script, 1);
    ASSERT_TRUE(waitForFile(dir.file("pid")));
    const pid_t pid = std::stoi(readFile(dir.file("pid")));
    EXPECT_EQ(::kill(pid, 0), 0) << "still running after startProgram returned";
    EXPECT_NE(std::stoi(readFile(dir.file("ppid"))), ::getpid()) << "not our child";
    EXPECT_EQ(readFile(dir.file("fd0")), "/dev/null\n");
    EXPECT_EQ(readFile(dir.file("fd1")), "/dev/null\n");
    ::kill(pid, SIGKILL);
}

TEST(Process, FailedStartIsReported) {
    TempDir dir;
    writeFile(dir.file("plain.txt"), "not a program");  // no execute permission, even for root
    EXPECT_EQ(startError(dir.file("plain.txt")), "Permission denied");
}

TEST(Process, ExeRunsThroughWineOnPath) {
    TempDir dir;
    ::mkdir(dir.file("bin").c_str(), 0755);
    writeFile(dir.file("Game.EXE"), "MZ");
    {
        ScopedEnv path("PATH", dir.file("bin"));
        EXPECT_EQ(startError(dir.file("Game.EXE")), "File not found: wine");
    }
    writeScript(dir.file("bin/wine"), "echo \"$1\" > '" + dir.file("wine-args.tmp") + "' && /bin/mv '" +
                                          dir.file("wine-args.tmp") + "' '" + dir.file("wine-args") + "'\n");
    {
        ScopedEnv path("PATH", "/nonexistent:" + dir.file("bin"));
        platform::startProgram(dir.file("Game.EXE"), 2);
    }
    ASSERT_TRUE(waitForFile(dir.file("wine-args")));
    EXPECT_EQ(readFile(dir.file("wine-args")), dir.file("Game.EXE") + "\n");
}

}  // namespace
