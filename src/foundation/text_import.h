// Reading text files into a script: RTF and word-processor files, DOS line ends, UTF-16 and UTF-8 all
// become plain Mac Roman text with carriage returns.
#pragma once

#include "foundation/text_file_format.h"
#include "platform/types.h"

#include <span>
#include <string>

// The full path of the file FindGetAndProcessText opened last.
extern Str255 gGlobalFindGetFilename;

// Converts a file's bytes in place, by its name's ending and its content; *length comes in as the
// bytes read and goes out as the text's length (never longer). Folding CR-LF sets gIsDos
// (script_documents.h). *styleScrap, when given, receives the
// style runs of RTF (null for plain text) that the caller owns.
void ProcessText(Ptr buffer, SInt32* length, ConstStr255Param fileName, Handle* styleScrap);
// The same, telling in *format how the text lay in the file: what a save writes it back as.
void ProcessText(Ptr buffer, SInt32* length, ConstStr255Param fileName, Handle* styleScrap,
                 TextFileFormat* format);
// The most bytes of a file read as one text: longer files are cut there.
constexpr SInt32 kMaxTextFileBytes = 0x3FFFFFFF;
// How much of a file's start LooksLikeText needs to see.
constexpr size_t kTextProbeBytes = 64 * 1024;
// Whether the first bytes of a file (possibly cut anywhere) are text in an encoding ProcessText reads:
// UTF-16 of either order, or single bytes with few control characters besides tabs, line and page ends.
// Programs, pictures, archives and other data files have far more.
bool LooksLikeText(std::span<const UInt8> start);
// Reads the file's bytes (at most kMaxTextFileBytes) and converts them with ProcessText: *text gets a new
// handle of the converted text, *styles (when given) the style runs that came with it or null, *wasCut
// (when given) whether the file was longer than the limit, *format (when given) how the text lay in the
// file. Characters Mac Roman cannot hold come in as '?', and the error reporter says so once for the
// file. A missing, empty or unreadable file, or one larger than kMaxScriptFileBytes (kScriptTooLargeErr),
// reads nothing: the error, with *text null.
OSErr ReadWholeTextFile(const std::string& path, Handle* text, Handle* styles, bool* wasCut,
                        TextFileFormat* format = nullptr);
// A new handle of the converted text of the file at the path, or null (missing, empty or unreadable).
Handle GetAndProcessText(const std::string& path);
// As GetAndProcessText for a name looked for in the program's folders, trying the other text endings.
Handle FindGetAndProcessText(ConstStr255Param name);
