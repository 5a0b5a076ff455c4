// Whole-file replacement: the check before a save gives the error the write would give, the leftovers of killed
// writers are cleared while a temporary file that a running writer holds is kept, and a file-size limit fails the
// write instead of ending the process.
#include "platform/replacement.h"

#include <fcntl.h>
#include <sys/file.h>

#include <set>
#include <system_error>

#include "platform/profile.h"
#include "platform_test_util.h"

using namespace platform;

namespace {

std::set<std::string> entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

int errorOf(const std::function<void()>& call) {
    try {
        call();
        return 0;
    } catch (const std::system_error& error) {
        return error.code().value();
    }
}

// The check gives the error that a write would give, and changes nothing.
TEST(Replacement, CheckGivesTheErrorOfTheWrite) {
    TempDir dir;
    const std::string file = dir.file("t.ini"), text = "[A]\r\nx=1\r\n";
    auto plain = [&](mode_t mode) { return [&, mode] { writeFile(file, text), ::chmod(file.c_str(), mode); }; };
    const bool root = ::geteuid() == 0;  // root writes into any folder and reads any file
    // how the path is made, the path, the error (0: none)
    const std::tuple<std::function<void()>, std::string, int> cases[] = {
        {plain(0644), file, 0},
        {[] {}, dir.file("new.ini"), 0},
        {plain(0444), file, EACCES},
        {[&] { plain(0444)(), ::symlink("t.ini", dir.file("link.ini").c_str()); }, dir.file("link.ini"), EACCES},
        {plain(0200), file, root ? 0 : EACCES},
        {[] {}, dir.file("missing/t.ini"), ENOENT},
        {plain(0644), file + "/t.ini", ENOTDIR},
        {[&] { std::filesystem::create_directory(dir.file("folder.ini")); }, dir.file("folder.ini"), EISDIR},
        {[&] { ::mkfifo(dir.file("fifo.ini").c_str(), 0644); }, dir.file("fifo.ini"), EISDIR},
        {[&] { std::filesystem::create_directory(dir.file("ro")), ::chmod(dir.file("ro").c_str(), 0555); },
         dir.file("ro/t.ini"), root ? 0 : EACCES},
    };
    for (const auto& [make, file, error] : cases) {
        const std::string path = file;  // a lambda may not capture a structured binding
        SCOPED_TRACE(path);
        std::filesystem::remove_all(dir.path), std::filesystem::create_directory(dir.path);
        make();
        const std::set<std::string> before = entries(dir.path);
        EXPECT_EQ(errorOf([&] { checkReplaceable(path); }), error);
        EXPECT_EQ(entries(dir.path), before);
        EXPECT_EQ(errorOf([&] { writeProfileString("A", "x", "2", path); }), error) << "the write agrees";
        ::chmod(dir.file("ro").c_str(), 0755);
    }
}

TEST(Replacement, LeftoversAreClearedButNotWhatAWriterHolds) {
    TempDir dir;
    const std::string game = dir.file("User.ini");
    writeFile(game, "[A]\r\nx=1\r\n");
    // The name, whether it is a leftover to clear.
    const std::pair<std::string, bool> names[] = {
        {".User.ini.corvane-12-0-345", true},  {".UT2003.ini.corvane-7-3-9", true},
        {".User.ini.corvane-12-0-34x", false}, {"User.ini.corvane-12-0-345", false},
        {".User.ini.corvane-12-0", false},     {".corvane-12-0-345", false},
        {".User.ini.corvane-12--345", false},
    };
    for (const auto& [name, leftover] : names) writeFile(dir.file(name), "partial");
    // Named as leftovers, but no file a writer left: a folder, and a link that must not be followed.
    std::filesystem::create_directory(dir.file(".User.ini.corvane-1-1-1"));
    ::symlink("User.ini", dir.file(".User.ini.corvane-2-2-2").c_str());
    // Temporary files still held: locked through another descriptor (as another save would hold it), and the one
    // of a write that is running.
    const std::string held = dir.file(".User.ini.corvane-3-3-3");
    writeFile(held, "held");
    const int lock = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    Replacement running(game);
    running.write("[A]\r\nx=2\r\n");

    std::set<std::string> kept = entries(dir.path);
    for (const auto& [name, leftover] : names)
        if (leftover) kept.erase(name);
    removeLeftovers(game);
    EXPECT_EQ(entries(dir.path), kept);
    running.commit();
    EXPECT_EQ(readFile(game), "[A]\r\nx=2\r\n");
    EXPECT_EQ(readFile(dir.file(".User.ini.corvane-2-2-2")), "[A]\r\nx=2\r\n") << "the link still leads to the file";
    ::close(lock);
}

// SIGXFSZ ends a process that writes past its file-size limit; the write must fail instead, as on a full disk,
// so the child runs with the signal at its default action.
TEST(Replacement, FileSizeLimitFailsTheWriteAndEndsNothing) {
    TempDir dir;
    const std::string path = dir.file("t.ini"), before = "[A]\r\nx=1\r\n" + std::string(20000, ';') + "\r\n";
    writeFile(path, before);
    WriterChild writer({"--size-limit", "4096", path, "A", "x", "2"});
    EXPECT_EQ(writer.rest(), "File too large");
    const int status = writer.wait();
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(entries(dir.path), std::set<std::string>{"t.ini"});
}

}  // namespace
