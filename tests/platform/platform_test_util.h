#pragma once
// Helpers of the platform tests: a temporary folder removed afterwards, whole-file reads and writes, an
// environment variable set for one scope, and the helper child process. It also brings in what the platform tests
// use.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace std::string_literals;

struct TempDir {
    TempDir() : path(std::filesystem::temp_directory_path() / "corvane-plat-XXXXXX") {
        if (!::mkdtemp(path.data())) throw std::runtime_error("mkdtemp failed");
    }
    TempDir(const TempDir&) = delete;
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

// Sets an environment variable until the end of the scope.
struct ScopedEnv {
    ScopedEnv(const char* name, const std::string& value) : name(name) {
        if (const char* old = std::getenv(name)) this->old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ~ScopedEnv() { old ? ::setenv(name.c_str(), old->c_str(), 1) : ::unsetenv(name.c_str()); }
    std::string name;
    std::optional<std::string> old;
};

// The helper child process profile_writer_child, run with args, its stdout on a pipe; killed when it goes.
class WriterChild {
  public:
    explicit WriterChild(std::vector<std::string> args) {
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
    WriterChild(const WriterChild&) = delete;
    ~WriterChild() {
        kill();
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
    // Waits for the child to end and gives its wait status.
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
