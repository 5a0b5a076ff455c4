#pragma once
// Helpers of the platform tests: a temporary folder removed afterwards, whole-file reads and writes, the number of
// entries of a folder, the outcome of a call that may throw, and a child process that runs part of a test.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>

using namespace std::string_literals;

struct TempDir {
    TempDir() : path(std::filesystem::temp_directory_path() / "corvane-plat-XXXXXX") {
        if (!::mkdtemp(path.data())) throw std::runtime_error("mkdtemp failed");
    }
    ~TempDir() { std::filesystem::remove_all(path, ignored); }
    std::string file(const std::string& name) const { return path + "/" + name; }
    std::string path;
    std::error_code ignored;
};

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline long entries(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

// "" when the call succeeds, "refused" when it rejects its arguments, else the text of its system error.
inline std::string errorOf(const std::function<void()>& call) {
    try {
        call();
        return "";
    } catch (const std::invalid_argument&) {
        return "refused";
    } catch (const std::system_error& error) {
        return error.code().message();
    }
}

// Runs body in a child process with its stdout on a pipe and ends the child with body's result; the child is
// killed when this goes. The child shares the test's memory as it was at the fork and reports only through stdout.
class Child {
  public:
    explicit Child(const std::function<int()>& body) {
        int out[2];
        if (::pipe(out) != 0 || (pid_ = ::fork()) < 0) throw std::runtime_error("no child process");
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            int result = 1;
            try {
                result = body();
            } catch (...) {
            }
            ::_exit(result);
        }
        ::close(out[1]);
        out_ = out[0];
    }
    ~Child() { kill(), ::close(out_); }
    // What the child says next, "" when it ends or says nothing for ten seconds.
    std::string next() {
        pollfd fd{out_, POLLIN, 0};
        char text[256];
        const ssize_t got = ::poll(&fd, 1, 10000) == 1 ? ::read(out_, text, sizeof text) : 0;
        return std::string(text, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    }
    int wait() {
        int status = 0;
        if (pid_ > 0) ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return status;
    }
    void kill() {
        if (pid_ > 0) ::kill(pid_, SIGKILL), wait();
    }

  private:
    pid_t pid_ = 0;
    int out_ = -1;
};
