#pragma once
// Helpers of the platform tests: a temporary folder removed afterwards, whole-file reads and writes, the names in a
// folder, the outcome of a call that may throw, and a child process that runs part of a test.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <system_error>
#include <type_traits>

#include "platform/error.h"

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

inline std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// What a call gives: its result as text ("" for none), else "refused" when it rejects its arguments, the text of
// its system error, or the description of the program's error.
template <typename F>
std::string outcome(F call) {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
            call();
            return "";
        } else {
            return call();
        }
    } catch (const std::invalid_argument&) {
        return "refused";
    } catch (const std::system_error& error) {
        return error.code().message();
    } catch (const platform::AppError& error) {
        EXPECT_EQ(error.source(), "Corvane");
        return error.description();
    }
}

// Runs body in a child process with its stdout on a pipe and ends the child with body's result; the child is
// killed (if still running) and reaped when this goes. The child has the test's memory as it was at the fork and
// reports only through stdout.
struct Child {
    explicit Child(const std::function<int()>& body) {
        int out[2];
        if (::pipe(out) != 0 || (pid = ::fork()) < 0) throw std::runtime_error("no child process");
        if (pid == 0) ::dup2(out[1], STDOUT_FILENO), ::_exit([&]() noexcept { return body(); }());
        ::close(out[1]);
        fd = out[0];
    }
    ~Child() { ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0), ::close(fd); }
    // What the child says next, "" when it ends or says nothing for ten seconds.
    std::string next() {
        pollfd ready{fd, POLLIN, 0};
        char text[256];
        const ssize_t got = ::poll(&ready, 1, 10000) == 1 ? ::read(fd, text, sizeof text) : 0;
        return std::string(text, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    }
    pid_t pid = 0;
    int fd = -1;
};
