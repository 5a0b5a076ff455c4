// Profile reads and writes on a full-size (40 KB, CR LF) settings file, against the plain costs they cannot
// avoid: reading the file and scanning it once; replacing it atomically.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/profile.h"
#include "platform/replacement.h"

namespace {

// 60 sections of 20 keys, about 40 KB.
std::string settingsFile() {
    std::string text;
    for (int section = 0; section < 60; ++section) {
        text += "[Engine.Section" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 20; ++key) {
            text += "Key" + std::to_string(key) + "=Value of key " + std::to_string(key) + " here\r\n";
        }
        text += "\r\n";
    }
    return text;
}

class BenchFile {
  public:
    BenchFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvane-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        folder_ = pattern;
        path_ = folder_ + "/User.ini";
        bytes_ = settingsFile();
        reset();
    }
    ~BenchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    void reset() const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << bytes_;
    }
    const std::string& path() const { return path_; }
    const std::string& folder() const { return folder_; }
    const std::string& bytes() const { return bytes_; }

  private:
    std::string folder_;
    std::string path_;
    std::string bytes_;
};

const BenchFile& benchFile() {
    static const BenchFile file;
    return file;
}

const char* const kSection = "Engine.Section58";
const char* const kKey = "Key15";

// One memchr pass over the text, counting its lines.
std::size_t countLines(const std::string& text) {
    std::size_t lines = 0;
    for (const char* p = text.data();
         (p = static_cast<const char*>(std::memchr(p, '\n', text.data() + text.size() - p))) != nullptr; ++p)
        ++lines;
    return lines;
}

void BM_Baseline_ReadAndScan(benchmark::State& state) {
    const BenchFile& file = benchFile();
    file.reset();
    for (auto _ : state) {
        std::ifstream in(file.path(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(countLines(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.bytes().size()));
}
BENCHMARK(BM_Baseline_ReadAndScan);

// The same with the least the system allows: one open, one read, one memchr pass.
void BM_Baseline_ReadAndScanPosix(benchmark::State& state) {
    const BenchFile& file = benchFile();
    file.reset();
    std::string text;
    for (auto _ : state) {
        const int fd = ::open(file.path().c_str(), O_RDONLY | O_CLOEXEC);
        text.resize(file.bytes().size() + 1);
        const ssize_t got = ::read(fd, text.data(), text.size());
        ::close(fd);
        text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        benchmark::DoNotOptimize(countLines(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.bytes().size()));
}
BENCHMARK(BM_Baseline_ReadAndScanPosix);

void BM_GetProfileString_NearEnd(benchmark::State& state) {
    const BenchFile& file = benchFile();
    file.reset();
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::getProfileString(kSection, kKey, "", file.path()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.bytes().size()));
}
BENCHMARK(BM_GetProfileString_NearEnd);

void BM_WriteProfileString_Unchanged(benchmark::State& state) {
    const BenchFile& file = benchFile();
    file.reset();
    for (auto _ : state) platform::writeProfileString(kSection, kKey, "Value of key 15 here", file.path());
}
BENCHMARK(BM_WriteProfileString_Unchanged);

// The editor's write of a value the user left alone: the key reads back as the value, so nothing is written.
void BM_WriteProfileStringIfChanged_Unchanged(benchmark::State& state) {
    const BenchFile& file = benchFile();
    file.reset();
    for (auto _ : state) platform::writeProfileStringIfChanged(kSection, kKey, "Value of key 15 here", file.path());
}
BENCHMARK(BM_WriteProfileStringIfChanged_Unchanged);

// What a save does once per game file before its first write: clear the leftovers of killed writes from the folder
// and check that the file can be written. The folder holds as many files as the game's System folder.
void BM_PrepareSave_FolderOf400Files(benchmark::State& state) {
    const BenchFile& file = benchFile();
    file.reset();
    for (int i = 0; i < 400; ++i) std::ofstream(file.folder() + "/Package" + std::to_string(i) + ".u") << "u";
    for (auto _ : state) {
        platform::removeLeftovers(file.path());
        platform::checkReplaceable(file.path());
    }
    for (int i = 0; i < 400; ++i) std::filesystem::remove(file.folder() + "/Package" + std::to_string(i) + ".u");
}
BENCHMARK(BM_PrepareSave_FolderOf400Files);

// The same bytes replaced the way a write replaces them, without the search: temporary file, write, flush,
// rename; with and without flushing the folder afterwards (a write does flush it).
void atomicRewrite(const BenchFile& file, bool syncFolder) {
    const std::string temporary = file.folder() + "/.User.ini.bench";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, file.bytes().data(), file.bytes().size()) != static_cast<ssize_t>(file.bytes().size()) ||
        ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temporary.c_str(), file.path().c_str()) != 0) {
        throw std::runtime_error("atomic rewrite failed");
    }
    if (syncFolder) {
        const int dir = ::open(file.folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(dir);
        ::close(dir);
    }
}

void BM_Baseline_AtomicRewrite(benchmark::State& state) {
    const BenchFile& file = benchFile();
    for (auto _ : state) atomicRewrite(file, false);
}
BENCHMARK(BM_Baseline_AtomicRewrite)->UseRealTime();

void BM_Baseline_AtomicRewriteSyncFolder(benchmark::State& state) {
    const BenchFile& file = benchFile();
    for (auto _ : state) atomicRewrite(file, true);
}
BENCHMARK(BM_Baseline_AtomicRewriteSyncFolder)->UseRealTime();

void BM_WriteProfileString_Changed(benchmark::State& state) {
    const BenchFile& file = benchFile();
    file.reset();
    bool flip = false;
    for (auto _ : state) {
        platform::writeProfileString(kSection, kKey, flip ? "Value of key 15 here" : "Another value", file.path());
        flip = !flip;
    }
}
BENCHMARK(BM_WriteProfileString_Changed)->UseRealTime();

}  // namespace
