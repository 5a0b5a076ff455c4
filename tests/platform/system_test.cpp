// The machine around the editor: the registry over Wine's text hive (value types and bytes, the buffer limit,
// missing keys, write rights, case-blind paths), Windows paths through the prefix's drive links, and starting
// programs (missing files refused before anything starts, ".exe" through wine).
#include <chrono>
#include <thread>

#include "platform/paths.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform_test_util.h"

using namespace platform;

namespace {

const std::string kGameKey = "Software\\Unreal Technology\\Installed Apps\\UT2003";

TEST(Registry, GameKeyValuesMissingKeysAndWriteRights) {
    TempDir dir;
    const std::string hive = dir.file("system.reg");
    writeFile(hive,
              "WINE REGISTRY Version 2\n\n[Software\\\\Other] 1700000000\n\"Folder\"=\"wrong key\"\n\n"
              "[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1700000000\n#time=1d9f0a1b2c3d4e5\n"
              "\"Folder\"=\"C:\\\\Games\\\\UT2003\"\n\"Version\"=dword:0000011f\n"
              "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\n\"Big\"=hex:01,02,\\\n  03\n"
              "\"Text\"=\"caf\\xe9 \\x20ac \\\"q\\\"\"\n\"Exact\"=\"" +
                  std::string(1023, 'E') + "\"\n\"Long\"=\"" + std::string(1100, 'L') + "\"\n");
    setLocalMachineHive(hive);
    // Result code, type and bytes of one value of the game key, opened under the name given.
    auto query = [](const std::string& name, std::size_t size = 1024, const std::string& keyName = kGameKey) {
        RegKey key = 0;
        std::uint32_t type = 0;
        std::vector<unsigned char> data = {'?'};
        EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, keyName, kKeyQueryValue, key), kErrorSuccess);
        const long result = regQueryValueEx(key, name, type, data, size);
        EXPECT_EQ(regCloseKey(key), kErrorSuccess);
        return std::make_tuple(result, type, std::string(data.begin(), data.end()));
    };
    EXPECT_EQ(query("Folder"), std::make_tuple(kErrorSuccess, kRegSz, "C:\\Games\\UT2003\0"s));
    EXPECT_EQ(query("FOLDER", 1024, "software\\UNREAL technology\\installed apps\\ut2003\\"), query("Folder"));
    EXPECT_EQ(query("Version"), std::make_tuple(kErrorSuccess, kRegDword, "\x1f\x01\0\0"s));
    EXPECT_EQ(query("Expand"), std::make_tuple(kErrorSuccess, kRegExpandSz, "%\0A\0%\0\0\0"s));
    EXPECT_EQ(query("Big"), std::make_tuple(kErrorSuccess, kRegBinary, "\x01\x02\x03"s));
    EXPECT_EQ(query("Text"), std::make_tuple(kErrorSuccess, kRegSz, "caf\xE9 \x80 \"q\"\0"s));
    EXPECT_EQ(query("Exact"), std::make_tuple(kErrorSuccess, kRegSz, std::string(1023, 'E') + '\0'));
    EXPECT_EQ(query("Long", 1100), std::make_tuple(kErrorMoreData, kRegSz, ""s))
        << "no data when the value does not fit";
    EXPECT_EQ(std::get<2>(query("Long", 1101)), std::string(1100, 'L') + '\0');
    EXPECT_EQ(std::get<0>(query("NoSuchValue")), kErrorFileNotFound);
    EXPECT_EQ(std::get<0>(query("#time")), kErrorFileNotFound);
    RegKey key = 123;
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey + "4", kKeyQueryValue, key), kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, kKeyAllReadWrite, key), kErrorSuccess);
    regCloseKey(key);
    ASSERT_EQ(::chmod(hive.c_str(), 0444), 0);  // judged by the mode, so even for root
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, kKeyAllReadWrite, key), kErrorAccessDenied);
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, kKeySetValue, key), kErrorAccessDenied);
    EXPECT_EQ(std::get<0>(query("Folder")), kErrorSuccess);
    setLocalMachineHive(dir.file("missing.reg"));
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, kKeyQueryValue, key), kErrorFileNotFound);
    setLocalMachineHive("");
}

TEST(Paths, WindowsPathsGoThroughTheWinePrefixDrives) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("prefix/dosdevices"));
    std::filesystem::create_directories(dir.file("drive_c/Games/UT2003"));
    ASSERT_EQ(::symlink("../../drive_c", dir.file("prefix/dosdevices/c:").c_str()), 0);
    ::setenv("WINEPREFIX", dir.file("prefix").c_str(), 1);
    const std::string c = std::filesystem::canonical(dir.file("drive_c")).string();
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Games\\UT2003", c + "/Games/UT2003"},
        {"c:\\Games\\UT2003\\", c + "/Games/UT2003"},
        {"C:\\GAMES\\ut2003", c + "/Games/UT2003"},
        {"C:\\Games\\Missing\\Deeper", c + "/Games/Missing/Deeper"},
        {"D:\\Data", dir.file("prefix/dosdevices/d:/Data")},
        {"/usr/share/games", "/usr/share/games"},
    };
    for (const auto& [windows, native] : cases) EXPECT_EQ(hostPath(windows), native) << windows;
}

TEST(Process, MissingFilesAreRefusedAFailedStartReportedAndExeRunsThroughWine) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("folder.exe"));
    for (const std::string& path : {dir.file("missing"), dir.file("folder.exe"), std::string()}) {
        EXPECT_EQ(outcome([&] { startProgram(path, 1); }), "File not found: " + path);
    }
    writeFile(dir.file("plain.txt"), "not a program");  // no execute permission, even for root
    EXPECT_EQ(outcome([&] { startProgram(dir.file("plain.txt"), 1); }), "Permission denied");
    std::filesystem::create_directory(dir.file("bin"));
    writeFile(dir.file("Game.EXE"), "MZ");
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", ("/nonexistent:" + dir.file("bin")).c_str(), 1);
    EXPECT_EQ(outcome([&] { startProgram(dir.file("Game.EXE"), 1); }), "File not found: wine");
    const std::string args = dir.file("wine-args");
    writeFile(dir.file("bin/wine"), "#!/bin/sh\necho \"$1\" > " + args + ".tmp && /bin/mv " + args + ".tmp " + args);
    ASSERT_EQ(::chmod(dir.file("bin/wine").c_str(), 0755), 0);
    EXPECT_EQ(outcome([&] { startProgram(dir.file("Game.EXE"), 1); }), "");
    ::setenv("PATH", path.c_str(), 1);
    // The started program is not ours to wait for: its effect is polled for (up to 20 s on a busy machine).
    for (int i = 0; i < 2000 && !std::filesystem::exists(args); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(readFile(args), dir.file("Game.EXE") + "\n");
}

}  // namespace
