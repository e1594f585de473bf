// Whether a file can be opened as a script's text before anything of the current script is let go: a file
// (not a folder), readable, of a size the program can hold, and text rather than other data.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>

// Why a file was refused as a script's text (beside permErr and ioErr for files that cannot be read).
enum : OSErr {
    kNotAFileErr = -1302,
    kScriptTooLargeErr = -30001,
    kNotTextFileErr = -30002,
};

// The largest file opened as a script. A script keeps its text, its word and line arrays and its laid out
// lines in memory, about six times the text's size, and lays all of it out before it shows; 16 MB (some
// two and a half million words, far more than anyone reads aloud) opens in a second or two. The 32-bit
// offsets of the text engine would take more, the memory and the wait would not.
constexpr std::uintmax_t kMaxScriptFileBytes = 16u * 1024 * 1024;

// noErr when the file at the path opens as a script's text; else kNotAFileErr, permErr or ioErr (it
// cannot be read), kScriptTooLargeErr, or, when asText, kNotTextFileErr (its first bytes are not text in
// any encoding the program reads).
OSErr CheckScriptFile(const std::string& path, bool asText);
// The one message for a file CheckScriptFile (or reading it) refused with err; nothing for other errors.
// True when a message was given.
bool ReportScriptFileProblem(const std::string& path, OSErr err);

// The texts of refusals, by item: ^0, ^1 and ^2 in them stand for the three parameters of ReportRefusal.
enum : SInt16 {
    kRefusedFolderText = 1,
    kRefusedNotAllowedText = 2,
    kRefusedUnreadableText = 3,
    kRefusedTooLargeText = 4,
    kRefusedNotTextText = 5,
    kRefusedSideFileText = 6,    // ^0 the document
    kRefusedHandedFilesText = 7, // ^1 how many files were left out
    kRefusedHandOverText = 8,
};
// Shows the refusal text of that item with the parameters put in; fallback, when the text is missing.
void ReportRefusal(SInt16 item, const std::string (&params)[3], const std::string& fallback);
