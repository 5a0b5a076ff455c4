#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/error.h"
#include "platform/fileio.h"
#include "platform/paths.h"

namespace platform {
namespace {

bool endsWithExe(std::string_view path) {
    if (path.size() < 4) return false;
    const std::string_view tail = path.substr(path.size() - 4);
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = (tail[i] >= 'A' && tail[i] <= 'Z') ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
        if (c != ".exe"[i]) return false;
    }
    return true;
}

bool isExecutableFile(const std::string& path) {
    return isRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

// The first executable "wine" in the folders of PATH, or "" when there is none.
std::string findWine() {
    const char* pathVariable = std::getenv("PATH");
    if (!pathVariable) return {};
    std::string_view folders(pathVariable);
    while (true) {
        const std::size_t colon = folders.find(':');
        // An empty entry is the current folder.
        const std::string_view folder = folders.substr(0, colon);
        std::string candidate(folder.empty() ? std::string_view(".") : folder);
        candidate.append("/wine");
        if (isExecutableFile(candidate)) return candidate;
        if (colon == std::string_view::npos) return {};
        folders.remove_prefix(colon + 1);
    }
}

[[noreturn]] void throwStartError(int error) {
    throw AppError(std::system_category().message(error));
}

// What the started program runs in: stdin and stdout on /dev/null, default signal handling, nothing blocked,
// and a session of its own so that it outlives us and our terminal. Only async-signal-safe calls here.
void prepareChild() {
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        if (null > STDERR_FILENO) ::close(null);
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    ::setsid();
}

// Starts argv detached: the child starts a grandchild and exits at once, so the grandchild belongs to init and
// never becomes our zombie. The grandchild reports a failed exec through a close-on-exec pipe; an exec that
// works closes the pipe, which the parent reads as success.
void spawnDetached(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) throwStartError(errno);
    fileio::FileDescriptor reader(report[0]);
    fileio::FileDescriptor writer(report[1]);

    const pid_t child = ::fork();
    if (child < 0) throwStartError(errno);
    if (child == 0) {
        ::close(report[0]);
        prepareChild();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::execv(argv[0], argv.data());
            const int error = errno;
            [[maybe_unused]] ssize_t ignored = ::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        if (grandchild < 0) {
            const int error = errno;
            [[maybe_unused]] ssize_t ignored = ::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    writer.close();
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = ::read(reader.get(), &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (got == static_cast<ssize_t>(sizeof error)) throwStartError(error);
}

}  // namespace

void startProgram(const std::string& path, int showState) {
    // Programs started here get no window hints; the show state has nothing to act on.
    (void)showState;
    if (!isRegularFile(path)) throw AppError(std::string(kFileNotFound) + ": " + path);
    if (endsWithExe(path)) {
        const std::string wine = findWine();
        if (wine.empty()) throw AppError(std::string(kFileNotFound) + ": wine");
        spawnDetached({wine, path});
    } else {
        spawnDetached({path});
    }
}

}  // namespace platform
