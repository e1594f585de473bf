// Helpers shared by the resource compiler's tests: a private temporary folder per test, hex byte
// literals, and compiling source text.
#pragma once

#include "rc/compiler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// A folder unique to the running test (and process), removed when the test ends.
class ScopedTestDir {
  public:
    ScopedTestDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '-';
        path_ =
            std::filesystem::temp_directory_path() / ("orvalis-rc-" + name + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScopedTestDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScopedTestDir(const ScopedTestDir&) = delete;
    ScopedTestDir& operator=(const ScopedTestDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, std::string_view contents) const {
        std::string full = File(name);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary).write(contents.data(), std::streamsize(contents.size()));
        return full;
    }
    std::string Write(const std::string& name, const std::vector<UInt8>& bytes) const {
        return Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }

  private:
    std::filesystem::path path_;
};

// "00 1A ff" -> bytes; spaces are ignored.
inline std::vector<UInt8> HexBytes(std::string_view hex) {
    std::vector<UInt8> out;
    std::string digits;
    for (char c : hex)
        if (c != ' ' && c != '\n') digits += c;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back(UInt8(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return out;
}

inline std::string ToHex(std::span<const UInt8> bytes) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
        out += buf;
    }
    return out;
}

inline std::vector<UInt8> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<UInt8>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline const ResourceEntry* FindEntry(const ResourceForkContents& contents, ResType type, ResID id) {
    for (const ResourceEntry& entry : contents.entries)
        if (entry.type == type && entry.id == id) return &entry;
    return nullptr;
}
