// Windows paths from the registry to paths on this machine, through the Wine prefix's drive links.
#include "platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform_test_util.h"

using platform_test::ScopedEnv;
using platform_test::TempDir;
using platform_test::writeFile;

namespace {

std::string realPath(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? resolved : path;
}

// A prefix whose drive C: is a relative link to a folder beside it, as Wine makes it.
struct FakePrefix {
    explicit FakePrefix(const TempDir& dir, const std::string& prefixName) {
        prefix = dir.file(prefixName);
        driveC = dir.file("drive_c");
        std::filesystem::create_directories(prefix + "/dosdevices");
        std::filesystem::create_directories(driveC + "/Games/UT2003");
        EXPECT_EQ(::symlink("../../drive_c", (prefix + "/dosdevices/c:").c_str()), 0);
    }
    std::string prefix;
    std::string driveC;
};

TEST(Paths, WindowsPathsThroughWinePrefix) {
    TempDir dir;
    FakePrefix fake(dir, "prefix");
    ScopedEnv env("WINEPREFIX", fake.prefix);
    const std::string c = realPath(fake.driveC);
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Games\\UT2003", c + "/Games/UT2003"},
        {"c:\\Games\\UT2003", c + "/Games/UT2003"},
        {"C:\\Games\\UT2003\\", c + "/Games/UT2003"},
        {"C:/Games/UT2003", c + "/Games/UT2003"},
        {"C:\\\\Games\\UT2003", c + "/Games/UT2003"},
        {"C:\\GAMES\\ut2003", c + "/Games/UT2003"},
        {"C:\\Games\\Missing\\Deeper", c + "/Games/Missing/Deeper"},
        {"C:\\", c},
        {"C:", c},
        {"D:\\Data", fake.prefix + "/dosdevices/d:/Data"},
        {"/usr/share/games", "/usr/share/games"},
        {"relative\\path", "relative\\path"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"", ""},
    };
    for (const auto& [windows, native] : cases) {
        SCOPED_TRACE(windows);
        EXPECT_EQ(platform::hostPath(windows), native);
    }
}

TEST(Paths, DefaultPrefixIsHomeWine) {
    TempDir dir;
    FakePrefix fake(dir, ".wine");
    ScopedEnv home("HOME", dir.path());
    for (const std::optional<std::string>& prefix : {std::optional<std::string>(), std::optional<std::string>("")}) {
        ScopedEnv env("WINEPREFIX", prefix);
        EXPECT_EQ(platform::winePrefix(), dir.path() + "/.wine");
        EXPECT_EQ(platform::hostPath("C:\\Games\\UT2003"), realPath(fake.driveC) + "/Games/UT2003");
    }
}

TEST(Paths, IsRegularFile) {
    TempDir dir;
    writeFile(dir.file("f.ini"), "x");
    ASSERT_EQ(::symlink("f.ini", dir.file("link.ini").c_str()), 0);
    ASSERT_EQ(::symlink("gone.ini", dir.file("dangling.ini").c_str()), 0);
    EXPECT_TRUE(platform::isRegularFile(dir.file("f.ini")));
    EXPECT_TRUE(platform::isRegularFile(dir.file("link.ini")));
    EXPECT_FALSE(platform::isRegularFile(dir.file("dangling.ini")));
    EXPECT_FALSE(platform::isRegularFile(dir.path()));
    EXPECT_FALSE(platform::isRegularFile(dir.file("missing.ini")));
    EXPECT_FALSE(platform::isRegularFile(""));
}

}  // namespace
