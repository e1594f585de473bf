// The system's iconv, run as a separate program: an independent judge of the bytes of an encoding.
#pragma once

#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

// The bytes converted from one encoding to another by iconv ("UTF-8", "UTF-16LE", "MACINTOSH", ...);
// empty when iconv failed.
inline std::string Iconv(const std::string& bytes, const std::string& from, const std::string& to) {
    TempDir dir;
    const std::string in = dir.File("in"), out = dir.File("out");
    std::ofstream(in, std::ios::binary) << bytes;
    const std::string command = "iconv -f " + from + " -t " + to + " '" + in + "' > '" + out + "'";
    if (std::system(command.c_str()) != 0) return {};
    std::ifstream file(out, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Text with its line feeds replaced by the given line end.
inline std::string WithLineEnds(const std::string& text, const std::string& lineEnd) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? lineEnd : std::string(1, c);
    return out;
}
