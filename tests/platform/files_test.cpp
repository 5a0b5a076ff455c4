// The whole-file functions that the windows use: the Save As copy (its progress, what it refuses, what a failure
// leaves), the rewrite of a file in place, and a file opened for a window to show, with the descriptions each gives.
#include "platform/files.h"

#include "platform_test_util.h"

using namespace platform;

namespace {

const bool root = ::geteuid() == 0;  // root reads any file and writes into any folder

// What the path is made to be before each case.
std::function<void()> plain(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
    return [=] { writeFile(path, bytes), ::chmod(path.c_str(), mode); };
}

// A file is opened for showing only when it is a regular file; what stands at the path otherwise names the error.
TEST(Files, ReadOnlyFileReadsARegularFileAndNamesWhatIsNot) {
    TempDir dir;
    const std::string file = dir.file("t.ini"), bytes = "[A]\r\nx=\0\xE9\n"s + std::string(70000, ';');
    const std::tuple<std::function<void()>, std::string, std::string> cases[] = {
        {plain(file, bytes), file, bytes},
        {plain(file, ""), file, ""},
        {[&] { plain(file, bytes)(), ::symlink("t.ini", dir.file("link.ini").c_str()); }, dir.file("link.ini"), bytes},
        {plain(file, bytes, 0200), file, root ? bytes : "Permission denied"},
        {[] {}, dir.file("missing.ini"), "File not found"},
        {[] {}, "", "File not found"},
        {[&] { ::symlink("missing.ini", dir.file("link.ini").c_str()); }, dir.file("link.ini"), "File not found"},
        {[] {}, dir.file("missing/t.ini"), "Path not found"},
        {plain(file, bytes), file + "/t.ini", "Path not found"},
        {[&] { std::filesystem::create_directory(dir.file("folder.ini")); }, dir.file("folder.ini"),
         "Path/File access error"},
        {[&] { ::mkfifo(dir.file("fifo.ini").c_str(), 0644); }, dir.file("fifo.ini"), "Path/File access error"},
        {[] {}, "/dev/zero", "Path/File access error"},
    };
    for (const auto& [make, at, expected] : cases) {
        const std::string path = at;  // a lambda may not capture a structured binding
        SCOPED_TRACE(path);
        std::filesystem::remove_all(dir.path), std::filesystem::create_directory(dir.path);
        make();
        EXPECT_EQ(outcome([&] { return ReadOnlyFile(path).readAll(); }), expected);
    }
}

// The file stays open while the object lives, and each read gives the whole file as it is then.
TEST(Files, ReadOnlyFileHoldsTheFileAndReadsItWhole) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    writeFile(path, "[A]\r\nx=1\r\n");
    const ReadOnlyFile file(path);
    std::filesystem::remove(path);
    EXPECT_EQ(file.readAll(), "[A]\r\nx=1\r\n") << "the held file outlives its name";
    EXPECT_EQ(file.readAll(), "[A]\r\nx=1\r\n") << "a second read starts at the start again";
}

// Sources the copy refuses before it reports a start, and what each leaves: no target, no temporary file.
TEST(Files, CopyRefusesSourcesThatAreMissingOrNoFile) {
    TempDir dir;
    const std::string target = dir.file("Copy.ini");
    const std::tuple<std::function<void()>, std::string, std::string> cases[] = {
        {[] {}, dir.file("missing.ini"), "File not found"},
        {[] {}, dir.file("missing/User.ini"), "File not found"},
        {[&] { std::filesystem::create_directory(dir.file("folder.ini")); }, dir.file("folder.ini"),
         "Path/File access error"},
        {plain(dir.file("User.ini"), "[A]\r\n", 0200), dir.file("User.ini"), root ? "" : "Permission denied"},
    };
    for (const auto& [make, from, expected] : cases) {
        const std::string source = from;  // a lambda may not capture a structured binding
        SCOPED_TRACE(source);
        std::filesystem::remove_all(dir.path), std::filesystem::create_directory(dir.path);
        make();
        const std::set<std::string> before = namesIn(dir.path);
        bool started = false;
        EXPECT_EQ(outcome([&] { copyFile(source, target, {[&](std::uint64_t) { started = true; }, {}}); }), expected);
        if (expected.empty()) continue;
        EXPECT_FALSE(started);
        EXPECT_EQ(namesIn(dir.path), before);
    }
}

// The copy reports the length once, then the bytes copied after each block of 16 KiB; onto itself it reports the
// length and copies nothing. A new copy takes the source's permission bits, whatever the umask; a file it replaces,
// also through a link, keeps its own.
TEST(Files, CopyReportsItsLengthThenEachBlock) {
    TempDir dir;
    const std::string source = dir.file("User.ini"), bytes(40000, 'x');
    plain(source, bytes, 0640)();
    plain(dir.file("Old.ini"), "[Old]\r\n", 0604)();
    ::symlink("Old.ini", dir.file("Link.ini").c_str());
    // the target, the reports, the file that holds the copy after and its permission bits
    const std::tuple<std::string, std::vector<std::uint64_t>, std::string, mode_t> cases[] = {
        {dir.file("Copy.ini"), {40000, 16384, 32768, 40000}, dir.file("Copy.ini"), 0640},
        {dir.file("Link.ini"), {40000, 16384, 32768, 40000}, dir.file("Old.ini"), 0604},
        {source, {40000}, source, 0640},
    };
    for (const auto& [target, expected, copy, mode] : cases) {
        SCOPED_TRACE(target);
        std::vector<std::uint64_t> reports;
        copyFile(source, target,
                 {[&](std::uint64_t length) { reports.push_back(length); },
                  [&](std::uint64_t copied) { reports.push_back(copied); }});
        EXPECT_EQ(reports, expected);
        EXPECT_EQ(readFile(copy), bytes);
        struct stat info {};
        EXPECT_EQ(::stat(copy.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("Link.ini")));
    EXPECT_EQ(namesIn(dir.path), (std::set<std::string>{"Copy.ini", "Link.ini", "Old.ini", "User.ini"}));
}

// An error raised by the caller between blocks (its window's events run there) ends the copy like a failed write:
// the target keeps what it held and no temporary file is left.
TEST(Files, CopyStoppedBetweenBlocksLeavesTheTargetAsItWas) {
    TempDir dir;
    writeFile(dir.file("User.ini"), std::string(40000, 'x'));
    writeFile(dir.file("Copy.ini"), "[Old]\r\n");
    const auto stop = [](std::uint64_t copied) {
        if (copied > 20000) throw AppError("Out of memory");
    };
    EXPECT_EQ(outcome([&] { copyFile(dir.file("User.ini"), dir.file("Copy.ini"), {{}, stop}); }), "Out of memory");
    EXPECT_EQ(readFile(dir.file("Copy.ini")), "[Old]\r\n");
    EXPECT_EQ(namesIn(dir.path), (std::set<std::string>{"Copy.ini", "User.ini"}));
}

// A rewrite replaces the whole file through its links and keeps its permissions; what it may not replace it names
// and leaves as it was.
TEST(Files, RewriteKeepsPermissionsAndRefusesWhatItMayNotReplace) {
    TempDir dir;
    const std::string file = dir.file("Quarl.ini"), old = "[Quarl_UT2003.Settings]\r\nGamePath=\xE9t\xE9\r\n";
    const std::tuple<std::function<void()>, std::string, std::string> cases[] = {
        {plain(file, old, 0640), file, ""},
        {[&] { plain(file, old, 0604)(), ::symlink("Quarl.ini", dir.file("link.ini").c_str()); }, dir.file("link.ini"),
         ""},
        {plain(file, old, 0444), file, "Permission denied"},
        {[&] { plain(file, old, 0444)(), ::symlink("Quarl.ini", dir.file("link.ini").c_str()); }, dir.file("link.ini"),
         "Permission denied"},
        {[] {}, dir.file("missing.ini"), "Path not found"},
        {[&] { std::filesystem::create_directory(dir.file("folder.ini")); }, dir.file("folder.ini"), "Is a directory"},
    };
    for (const auto& [make, at, expected] : cases) {
        const std::string path = at;  // a lambda may not capture a structured binding
        SCOPED_TRACE(path);
        std::filesystem::remove_all(dir.path), std::filesystem::create_directory(dir.path);
        make();
        struct stat before {};
        ::stat(file.c_str(), &before);
        const std::set<std::string> names = namesIn(dir.path);
        EXPECT_EQ(outcome([&] { rewriteFile(path, "new bytes"); }), expected);
        EXPECT_EQ(namesIn(dir.path), names);
        if (!std::filesystem::is_regular_file(file)) continue;
        EXPECT_EQ(readFile(file), expected.empty() ? "new bytes" : old);
        struct stat after {};
        ::stat(file.c_str(), &after);
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
}

}  // namespace
