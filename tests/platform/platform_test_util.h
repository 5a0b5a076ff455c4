#pragma once
// Helpers of the platform tests: a temporary folder removed afterwards, whole-file reads and writes, and an
// environment variable set for one scope. It also brings in what the platform tests use.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
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
