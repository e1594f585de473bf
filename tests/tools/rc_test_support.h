// Helpers shared by the resource compiler's tests: hex byte literals, reading files and compiling source
// text; a private temporary folder per test is support/temp_dir.h.
#pragma once

#include "rc/compiler.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
