// Plain text files that name things one line at a time: bookmark names and text-merge entries.
#include "shell/file_opening.h"

std::vector<std::string_view> GetTrimmedLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        const size_t first = line.find_first_not_of(" \t");
        lines.push_back(first == std::string_view::npos ? std::string_view() : line.substr(first));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
    }
    return lines;
}

std::vector<std::string> GetBookmarkNamesFromText(std::string_view text, SInt32 slotCount) {
    std::vector<std::string> names;
    for (std::string_view line : GetTrimmedLines(text)) {
        if (SInt32(names.size()) >= slotCount) break;
        if (!line.empty()) names.emplace_back(line.substr(0, kMaxBookmarkNameLength));
    }
    return names;
}

std::vector<TextMergeLines> GetTextMergeEntriesFromText(std::string_view text) {
    std::vector<TextMergeLines> entries;
    const std::vector<std::string_view> lines = GetTrimmedLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string field(lines[i].substr(0, kMaxTextMergeFieldLength));
        switch (i % 3) {
        case 0:
            entries.push_back({field, {}, {}});
            break;
        case 1:
            entries.back().replaceWith = field;
            break;
        default:
            entries.back().prompt = field;
            break;
        }
    }
    return entries;
}
