// Reading back a PDF file the program printed, through the system's PDF tools: the text of each page
// with its white space folded to single blanks, and the fields pdfinfo reports.
#pragma once

#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

inline std::optional<std::string> CommandOutput(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    if (::pclose(pipe) != 0) return std::nullopt;
    return out;
}

inline std::string QuotedPath(const std::string& path) {
    std::string quoted = "'";
    for (char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string FoldSpaces(const std::string& text) {
    std::istringstream words(text);
    std::string word, folded;
    while (words >> word)
        folded += (folded.empty() ? "" : " ") + word;
    return folded;
}

// One entry per page; nullopt when the file cannot be read.
inline std::optional<std::vector<std::string>> PdfPageTexts(const std::string& path) {
    auto text = CommandOutput("pdftotext -enc UTF-8 " + QuotedPath(path) + " - 2>/dev/null");
    if (!text) return std::nullopt;
    std::vector<std::string> pages;
    size_t start = 0;
    for (size_t feed; (feed = text->find('\f', start)) != std::string::npos; start = feed + 1)
        pages.push_back(FoldSpaces(text->substr(start, feed - start)));
    return pages;
}

// The value of a pdfinfo field ("Pages", "Page size"), or empty.
inline std::string PdfInfoField(const std::string& path, const std::string& field) {
    auto info = CommandOutput("pdfinfo " + QuotedPath(path) + " 2>/dev/null");
    if (!info) return {};
    std::istringstream lines(*info);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(field + ":", 0) == 0) return FoldSpaces(line.substr(field.size() + 1));
    return {};
}
