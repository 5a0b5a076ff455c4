// Whole-file replacement: the check before a save gives the error the write would give, the leftovers of killed
// writers are cleared while a temporary file that a running writer holds is kept, and a file-size limit fails the
// write instead of ending the process.
#include "platform/replacement.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/wait.h>

#include <set>
#include <system_error>

#include "platform/profile.h"
#include "platform_test_util.h"

using namespace platform;

namespace {

// The helper child process, with its stdout on a pipe.
class Child {
  public:
    explicit Child(std::vector<std::string> args) {
        const std::string program = std::string(CORVANE_TEST_BIN) + "/profile_writer_child";
        args.insert(args.begin(), program);
        int out[2];
        if (::pipe(out) != 0) throw std::runtime_error("pipe failed");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            std::vector<char*> argv;
            for (std::string& arg : args) argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        out_ = out[0];
    }
    Child(const Child&) = delete;
    ~Child() {
        if (pid_ > 0) ::kill(pid_, SIGKILL), wait();
        ::close(out_);
    }
    // The child's next byte of output, "" when it ends or says nothing for ten seconds.
    std::string next() {
        pollfd fd{out_, POLLIN, 0};
        char byte = 0;
        return ::poll(&fd, 1, 10000) == 1 && ::read(out_, &byte, 1) == 1 ? std::string(1, byte) : "";
    }
    std::string rest() {
        std::string text;
        for (std::string byte = next(); !byte.empty(); byte = next()) text += byte;
        return text;
    }
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return status;
    }

  private:
    pid_t pid_ = 0;
    int out_ = -1;
};

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
    for (const auto& [make, path, error] : cases) {
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
    // Temporary files still held: by another descriptor of this process, by another process, by a running write.
    const std::string heldHere = dir.file(".User.ini.corvane-3-3-3"), heldThere = dir.file(".User.ini.corvane-4-4-4");
    writeFile(heldHere, "held"), writeFile(heldThere, "held");
    const int lock = ::open(heldHere.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    Child holder({"--hold", heldThere});
    ASSERT_EQ(holder.next(), "R");
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
    Child writer({"--size-limit", "4096", path, "A", "x", "2"});
    EXPECT_EQ(writer.rest(), "File too large");
    const int status = writer.wait();
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(entries(dir.path), std::set<std::string>{"t.ini"});
}

}  // namespace
