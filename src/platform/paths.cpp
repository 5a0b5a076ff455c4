#include "platform/paths.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/fileio.h"

namespace platform {
namespace {

using fileio::asciiLower;
using fileio::equalsNoCase;

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

// The entry of folder whose name matches name without regard to case, or name itself when there is none.
// Windows names are case-blind and Wine keeps them so; the folder on disk may be spelled otherwise than the
// registry spells it.
std::string entryNoCase(const std::string& folder, const std::string& name) {
    if (exists(folder + "/" + name)) return name;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return name;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (equalsNoCase(entry->d_name, name)) return entry->d_name;
    }
    return name;
}

std::vector<std::string> splitWindowsPath(std::string_view rest) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = rest.find_first_of("\\/", start);
        const std::size_t stop = end == std::string_view::npos ? rest.size() : end;
        if (stop > start) parts.emplace_back(rest.substr(start, stop - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

std::string driveFolder(char letter) {
    const std::string link = winePrefix() + "/dosdevices/" + asciiLower(letter) + ":";
    char resolved[PATH_MAX];
    if (::realpath(link.c_str(), resolved)) return resolved;
    return link;
}

}  // namespace

std::string winePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.wine";
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) return std::string(user->pw_dir) + "/.wine";
    return ".wine";
}

std::string hostPath(const std::string& windowsPath) {
    if (windowsPath.size() < 2 || !isLetter(windowsPath[0]) || windowsPath[1] != ':') return windowsPath;
    std::string path = driveFolder(windowsPath[0]);
    for (const std::string& part : splitWindowsPath(std::string_view(windowsPath).substr(2))) {
        const std::string folder = path;
        if (path.empty() || path.back() != '/') path += '/';
        path += entryNoCase(folder, part);
    }
    return path;
}

bool isRegularFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace platform
