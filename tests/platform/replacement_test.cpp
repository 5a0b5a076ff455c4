// Whole-file replacement: the check before a save gives the error the write would give, the leftovers of killed
// writers are cleared while a temporary file that a running writer holds is kept, and a full disk (here a file-size
// limit) fails the write instead of ending the process.
#include "platform/replacement.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>

#include "platform/profile.h"
#include "platform_test_util.h"

using namespace platform;

namespace {

// The check gives the error that a write would give, and changes nothing.
TEST(Replacement, CheckGivesTheErrorOfTheWrite) {
    TempDir dir;
    const std::string file = dir.file("t.ini"), denied = "Permission denied";
    auto plain = [&](mode_t mode) {
        return [&, mode] { writeFile(file, "[A]\r\nx=1\r\n"), ::chmod(file.c_str(), mode); };
    };
    const bool root = ::geteuid() == 0;  // root writes into any folder and reads any file
    // how the path is made, the path, the error
    const std::tuple<std::function<void()>, std::string, std::string> cases[] = {
        {plain(0644), file, ""},
        {[] {}, dir.file("new.ini"), ""},
        {plain(0444), file, denied},
        {[&] { plain(0444)(), ::symlink("t.ini", dir.file("link.ini").c_str()); }, dir.file("link.ini"), denied},
        {plain(0200), file, root ? "" : denied},
        {[] {}, dir.file("missing/t.ini"), "No such file or directory"},
        {plain(0644), file + "/t.ini", "Not a directory"},
        {[&] { std::filesystem::create_directory(dir.file("folder.ini")); }, dir.file("folder.ini"), "Is a directory"},
        {[&] { ::mkfifo(dir.file("fifo.ini").c_str(), 0644); }, dir.file("fifo.ini"), "Is a directory"},
        {[&] { std::filesystem::create_directory(dir.file("ro")), ::chmod(dir.file("ro").c_str(), 0555); },
         dir.file("ro/t.ini"), root ? "" : denied},
    };
    for (const auto& [make, file, error] : cases) {
        const std::string path = file;  // a lambda may not capture a structured binding
        SCOPED_TRACE(path);
        std::filesystem::remove_all(dir.path), std::filesystem::create_directory(dir.path);
        make();
        const std::set<std::string> before = namesIn(dir.path);
        EXPECT_EQ(outcome([&] { checkReplaceable(path); }), error);
        EXPECT_EQ(namesIn(dir.path), before);
        EXPECT_EQ(outcome([&] { writeProfileString("A", "x", "2", path); }), error) << "the write agrees";
        ::chmod(dir.file("ro").c_str(), 0755);
    }
}

TEST(Replacement, LeftoversAreClearedButNotWhatAWriterHolds) {
    TempDir dir;
    const std::string game = dir.file("User.ini");
    writeFile(game, "[A]\r\nx=1\r\n");
    // Names that are no leftovers, then ones that are, but no file a writer left: a folder, and a link that must not
    // be followed.
    for (const char* name : {".User.ini.corvane-12-0-34x", "User.ini.corvane-12-0-345", ".User.ini.corvane-12-0",
                             ".corvane-12-0-345", ".User.ini.corvane-12--345", ".User.ini.corvane-3-3-3"}) {
        writeFile(dir.file(name), "");
    }
    std::filesystem::create_directory(dir.file(".User.ini.corvane-1-1-1"));
    ::symlink("User.ini", dir.file(".User.ini.corvane-2-2-2").c_str());
    // Temporary files still held: locked through another descriptor (as another save would hold it), and the one
    // of a write that is running.
    const int lock = ::open(dir.file(".User.ini.corvane-3-3-3").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    Replacement running(game);
    running.write("[A]\r\nx=2\r\n");
    const std::set<std::string> kept = namesIn(dir.path);
    // The leftovers of killed writers.
    for (const char* name : {".User.ini.corvane-12-0-345", ".UT2003.ini.corvane-7-3-9"}) writeFile(dir.file(name), "");
    removeLeftovers(game);
    EXPECT_EQ(namesIn(dir.path), kept);
    running.commit();
    EXPECT_EQ(readFile(game), "[A]\r\nx=2\r\n");
    EXPECT_EQ(readFile(dir.file(".User.ini.corvane-2-2-2")), "[A]\r\nx=2\r\n") << "the link still leads to the file";
    ::close(lock);
}

// A name as long as the folder allows still gets its temporary file, under a shorter name that the clean-up knows as
// a leftover when its writer is killed.
TEST(Replacement, TheLongestNamesAreReplacedAndTheirLeftoversCleared) {
    TempDir dir;
    for (const std::string& name : {std::string(255, 'n'), std::string(230, 'n') + ".ini"}) {
        SCOPED_TRACE(name.size());
        const std::string path = dir.file(name);
        EXPECT_EQ(outcome([&] { writeProfileString("A", "x", "1", path); }), "");
        EXPECT_EQ(readFile(path), "[A]\r\nx=1\r\n");
        Child killed([&] {
            (new Replacement(path))->write("[A]\r\nx=2\r\n");  // never committed, never removed
            return 0;
        });
        EXPECT_EQ(killed.next(), "");
        std::set<std::string> left = namesIn(dir.path);
        left.erase(name);
        ASSERT_EQ(left.size(), 1u);
        const std::string leftover = *left.begin();
        EXPECT_LE(leftover.size(), 255u);
        EXPECT_EQ(leftover.substr(0, 4), ".nnn");
        removeLeftovers(path);
        EXPECT_EQ(namesIn(dir.path), std::set<std::string>{name});
        EXPECT_EQ(readFile(path), "[A]\r\nx=1\r\n");
        std::filesystem::remove(path);
    }
}

// SIGXFSZ ends a process that writes past its file-size limit; the write must fail instead, as on a full disk, so
// the child runs with the signal at its default action.
TEST(Replacement, FullDiskFailsTheWriteAndEndsNothing) {
    TempDir dir;
    const std::string path = dir.file("t.ini"), before = "[A]\r\nx=1\r\n" + std::string(20000, ';') + "\r\n";
    writeFile(path, before);
    Child writer([&] {
        const rlimit limit{4096, RLIM_INFINITY};
        ::signal(SIGXFSZ, SIG_DFL), ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = outcome([&] { writeProfileString("A", "x", "2", path); });
        return ::write(STDOUT_FILENO, error.data(), error.size()) < 0;
    });
    EXPECT_EQ(writer.next(), "File too large") << "a child ended by the signal says nothing";
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"t.ini"});
}

}  // namespace
