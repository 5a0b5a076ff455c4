// The registry over a Wine text hive: opening keys (case-blind, write rights on a read-only hive), the value
// types and their bytes, the buffer limit, handles.
#include "platform/registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform_test_util.h"

using namespace platform;
using namespace std::string_literals;
using platform_test::ScopedEnv;
using platform_test::TempDir;
using platform_test::writeFile;

namespace {

const std::string kGameKey = "Software\\Unreal Technology\\Installed Apps\\UT2003";

// "Big" is 1100 bytes of hex over continuation lines, "Long" a text of 1100 characters.
std::string hiveText() {
    std::string big = "\"Big\"=hex:";
    for (int i = 0; i < 1100; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", i % 256);
        big += byte;
        if (i + 1 < 1100) big += (i % 25 == 24) ? ",\\\n  " : ",";
    }
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to \\\\Machine\n"
           "\n"
           "#arch=win32\n"
           "\n"
           "[Software\\\\Other] 1700000000\n"
           "\"Folder\"=\"wrong key\"\n"
           "\n"
           "[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1700000000\n"
           "#time=1d9f0a1b2c3d4e5\n"
           "\"Folder\"=\"C:\\\\Games\\\\UT2003\"\n"
           "\"Version\"=dword:0000011f\n"
           "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\n"
           "\"Multi\"=hex(7):61,00,00,00,00,00\n"
           "\"Path\"=str(2):\"%SystemRoot%\\\\x\"\n"
           "\"Text\"=\"caf\\xe9 \\x20ac \\\"q\\\" tab\\tend\"\n"
           "\"Foreign\"=\"a\\x4e2db\"\n"
           "\"Utf8\"=\"caf\xC3\xA9\"\n"
           "\"Empty\"=\"\"\n"
           "@=\"default value\"\n" +
           big + "\n" + "\"Long\"=\"" + std::string(1100, 'L') +
           "\"\n"
           "\"Exact\"=\"" +
           std::string(1023, 'E') +
           "\"\n"
           "\"After\"=dword:00000001\n"
           "\n"
           "[Software\\\\Wow6432Node\\\\Redirected\\\\App] 1700000000\n"
           "\"Name\"=\"from the 32-bit view\"\n";
}

class Registry : public testing::Test {
  protected:
    void SetUp() override {
        hive_ = dir_.file("system.reg");
        writeFile(hive_, hiveText());
        setLocalMachineHive(hive_);
    }
    void TearDown() override { setLocalMachineHive(""); }

    RegKey open(const std::string& name, std::uint32_t access = kKeyQueryValue) {
        RegKey key = 0;
        EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, name, access, key), kErrorSuccess) << name;
        return key;
    }

    TempDir dir_;
    std::string hive_;
};

std::vector<unsigned char> bytes(const std::string& s) {
    return std::vector<unsigned char>(s.begin(), s.end());
}

TEST_F(Registry, ValuesAndTheirBytes) {
    const RegKey key = open(kGameKey);
    ASSERT_NE(key, 0u);
    ASSERT_NE(key, kHKeyLocalMachine);
    std::vector<unsigned char> big;
    for (int i = 0; i < 1100; ++i) big.push_back(static_cast<unsigned char>(i % 256));
    struct Case {
        const char* name;
        std::uint32_t type;
        std::vector<unsigned char> data;
    };
    const Case cases[] = {
        {"Folder", kRegSz, bytes("C:\\Games\\UT2003\0"s)},
        {"folder", kRegSz, bytes("C:\\Games\\UT2003\0"s)},
        {"Version", kRegDword, {0x1f, 0x01, 0, 0}},
        {"Expand", kRegExpandSz, {0x25, 0, 0x41, 0, 0x25, 0, 0, 0}},
        {"Multi", kRegMultiSz, {0x61, 0, 0, 0, 0, 0}},
        {"Path", kRegExpandSz, bytes("%SystemRoot%\\x\0"s)},
        {"Text", kRegSz, bytes("caf\xE9 \x80 \"q\" tab\tend\0"s)},
        {"Foreign", kRegSz, bytes("a?b\0"s)},
        {"Utf8", kRegSz, bytes("caf\xE9\0"s)},
        {"Empty", kRegSz, {0}},
        {"", kRegSz, bytes("default value\0"s)},
        {"Exact", kRegSz, bytes(std::string(1023, 'E') + '\0')},
        {"After", kRegDword, {1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::uint32_t type = 0;
        std::vector<unsigned char> data;
        EXPECT_EQ(regQueryValueEx(key, c.name, type, data, 1024), kErrorSuccess);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(data, c.data);
    }
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    EXPECT_EQ(regQueryValueEx(key, "Big", type, data, 2000), kErrorSuccess);
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(data, big);
    EXPECT_EQ(regCloseKey(key), kErrorSuccess);
}

TEST_F(Registry, ValueOverBufferIsMoreData) {
    const RegKey key = open(kGameKey);
    for (const char* name : {"Long", "Big"}) {
        SCOPED_TRACE(name);
        std::uint32_t type = 0;
        std::vector<unsigned char> data = {1, 2, 3};
        EXPECT_EQ(regQueryValueEx(key, name, type, data, 1024), kErrorMoreData);
        EXPECT_TRUE(data.empty());
    }
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    EXPECT_EQ(regQueryValueEx(key, "Long", type, data, 1101), kErrorSuccess);
    EXPECT_EQ(data.size(), 1101u);
    regCloseKey(key);
}

TEST_F(Registry, MissingKeysAndValues) {
    RegKey key = 123;
    EXPECT_EQ(
        regOpenKeyEx(kHKeyLocalMachine, "Software\\Unreal Technology\\Installed Apps\\UT2004", kKeyQueryValue, key),
        kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, "Software\\Unreal", kKeyQueryValue, key), kErrorFileNotFound);

    key = open(kGameKey);
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    EXPECT_EQ(regQueryValueEx(key, "NoSuchValue", type, data, 1024), kErrorFileNotFound);
    EXPECT_EQ(regQueryValueEx(key, "#time", type, data, 1024), kErrorFileNotFound);
    regCloseKey(key);

    setLocalMachineHive(dir_.file("missing.reg"));
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, kKeyQueryValue, key), kErrorFileNotFound);
}

TEST_F(Registry, KeyPathsMatchWithoutRegardToCase) {
    for (const char* name :
         {"SOFTWARE\\Unreal Technology\\Installed Apps\\UT2003", "software\\unreal technology\\installed apps\\ut2003",
          "Software\\Unreal Technology\\Installed Apps\\UT2003\\"}) {
        SCOPED_TRACE(name);
        const RegKey key = open(name);
        std::uint32_t type = 0;
        std::vector<unsigned char> data;
        EXPECT_EQ(regQueryValueEx(key, "FOLDER", type, data, 1024), kErrorSuccess);
        EXPECT_EQ(data, bytes("C:\\Games\\UT2003\0"s));
        regCloseKey(key);
    }
}

TEST_F(Registry, WriteRightsNeedAWritableHive) {
    RegKey key = 0;
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, kKeyAllReadWrite, key), kErrorSuccess);
    regCloseKey(key);
    ASSERT_EQ(::chmod(hive_.c_str(), 0444), 0);
    for (std::uint32_t access : {kKeyAllReadWrite, kKeySetValue, kKeyCreateSubKey}) {
        SCOPED_TRACE(access);
        EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, access, key), kErrorAccessDenied);
    }
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, kGameKey, kKeyQueryValue, key), kErrorSuccess);
    regCloseKey(key);
    // A missing key stays missing whatever the rights asked for.
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, "Software\\None", kKeyAllReadWrite, key), kErrorFileNotFound);
}

TEST_F(Registry, HandlesAreDistinctAndClosable) {
    const RegKey first = open(kGameKey);
    const RegKey second = open("Software\\Other");
    EXPECT_NE(first, second);
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    EXPECT_EQ(regQueryValueEx(second, "Folder", type, data, 1024), kErrorSuccess);
    EXPECT_EQ(data, bytes("wrong key\0"s));
    EXPECT_EQ(regCloseKey(second), kErrorSuccess);
    EXPECT_EQ(regCloseKey(second), kErrorInvalidHandle);
    EXPECT_EQ(regQueryValueEx(second, "Folder", type, data, 1024), kErrorInvalidHandle);
    EXPECT_EQ(regQueryValueEx(first, "Folder", type, data, 1024), kErrorSuccess);
    EXPECT_EQ(regCloseKey(first), kErrorSuccess);
    EXPECT_EQ(regCloseKey(kHKeyLocalMachine), kErrorSuccess);
}

TEST_F(Registry, SubKeyOfAnOpenedKeyAndKeysWithoutHeader) {
    const RegKey parent = open("Software\\Unreal Technology");  // no header of its own: exists through its child
    RegKey child = 0;
    ASSERT_EQ(regOpenKeyEx(parent, "Installed Apps\\UT2003", kKeyQueryValue, child), kErrorSuccess);
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    EXPECT_EQ(regQueryValueEx(child, "Folder", type, data, 1024), kErrorSuccess);
    regCloseKey(child);
    regCloseKey(parent);
}

TEST_F(Registry, ThirtyTwoBitViewIsLookedForInWow6432Node) {
    const RegKey key = open("Software\\Redirected\\App");
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    EXPECT_EQ(regQueryValueEx(key, "Name", type, data, 1024), kErrorSuccess);
    EXPECT_EQ(data, bytes("from the 32-bit view\0"s));
    regCloseKey(key);
}

TEST_F(Registry, EmptyHivePathRestoresTheDefault) {
    TempDir prefix;
    writeFile(prefix.file("system.reg"), "WINE REGISTRY Version 2\n\n[Software\\\\FromPrefix] 1\n\"V\"=\"p\"\n");
    ScopedEnv env("WINEPREFIX", prefix.path());
    RegKey key = 0;
    EXPECT_EQ(regOpenKeyEx(kHKeyLocalMachine, "Software\\FromPrefix", kKeyQueryValue, key), kErrorFileNotFound);
    setLocalMachineHive("");
    ASSERT_EQ(regOpenKeyEx(kHKeyLocalMachine, "Software\\FromPrefix", kKeyQueryValue, key), kErrorSuccess);
    regCloseKey(key);
}

}  // namespace
