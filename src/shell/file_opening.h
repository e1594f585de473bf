// Opening a chosen or dropped file for what it is or what it was chosen for, and inserting another
// document's text into the prompter, the edit window or the macro editor.
#pragma once

#include "foundation/text_import.h"

#include "foundation/app_paths.h"
#include "platform/types.h"
#include "textengine/text_engine_types.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Purpose codes (gIdflag) of the open dialogs whose answer DoOpen handles apart from opening a script.
enum : SInt16 {
    kOpenQueueElement = -4,
    kOpenMusic = -5,
    kOpenNonverbalText = -9,
    kOpenBookmarkNames = -15,
    kOpenTextMerge = -16,
};

// file: an absolute path; empty starts the open dialog for a text document. Returns 1 when a script
// document, resource script file or queue was opened, a queue element added or the file was not found
// (the current script is shown again), 0 when the file was used otherwise, and a negative status when the
// user kept unsaved changes or the file was refused (a folder, unreadable, too large, not text: one message
// says so, and the current script stays as it was).
SInt16 DoOpen(const std::string& file);

// Inserts the document's text, styles, bookmarks and bookmark names at the prompter's selection; empty
// starts the open dialog. 0 on success, the find error when the file is nowhere, -43 when a resource
// script file cannot be opened.
OSErr DoInsertText(const std::string& file);

// Inserts length bytes (Mac Roman) with their style scrap (may be null) at the selection of the target:
// ScrollWEHandle, EditWEHandle or MacroEditWEHandle. startOut, when given, receives the prompter offset
// where the text went. keepSaved leaves the unsaved-changes flag alone; noUndo stores no undo state.
void FinishInsertText(const void* text, SInt32 length, Handle styles, WEReference target, SInt32* startOut,
                      bool keepSaved, bool noUndo, bool lowerCase);

// ---- File types, from the name's ending and the file's first bytes ----

constexpr OSType kTextFileType = FourCC("TEXT");
constexpr OSType kDosTextFileType = FourCC("RAW ");
constexpr OSType kResourceScriptFileType = FourCC("rsrc");
constexpr OSType kQueueFileType = FourCC("TpQu");
constexpr OSType kMovieFileType = FourCC("MooV");
constexpr OSType kPictureFileType = FourCC("PICT");

// ".rsrc" or a resource file's content: 'rsrc' ('TpQu' when it holds a queue); ".queue": 'TpQu'; movie
// and sound endings 'MooV'; picture endings 'PICT'; a text whose first line ends in CR-LF 'RAW '; anything
// else 'TEXT'. A missing file is 'TEXT'.
OSType GetFileTypeOfPath(const std::string& path);
// gIsTextFile and gIsDos for a script document of that type.
void SetDocumentKindFromType(OSType type);

// ---- Finding the file ----

// The folders (by application path slot) searched for a file that is not where its path says.
extern const AppPathSlot kOpenSearchSlots[11];
extern const AppPathSlot kInsertSearchSlots[5];
// The path itself when it names an existing file, else its name in the first of the folders that holds
// it: 0 with the path found, or fnfErr.
OSErr LocateFile(const std::string& path, std::span<const AppPathSlot> slots, std::string& found);
// Splits an absolute path into its folder (ending in '/') and its name.
void SplitFilePath(const std::string& path, std::string& folder, std::string& name);

// ---- Reading a whole text file ----

// ---- Plain text files that name things line by line ----

// Longest bookmark name and text-merge field taken from a line.
constexpr size_t kMaxBookmarkNameLength = 63;
constexpr size_t kMaxTextMergeFieldLength = 254;
// The lines of a text (CR, LF or CR-LF ends; a line end at the very end starts no further line), each with
// its leading spaces and tabs skipped.
std::vector<std::string_view> GetTrimmedLines(std::string_view text);
// The names a bookmark-names file gives, in slot order: every line that is not blank, cut to 63 bytes, for
// at most slotCount slots.
std::vector<std::string> GetBookmarkNamesFromText(std::string_view text, SInt32 slotCount);
// The entries a text-merge file gives: its lines, each cut to 254 bytes, taken three at a time as keyword,
// replace-with text and prompt; a last entry may lack its later fields (they stay empty).
struct TextMergeLines {
    std::string keyword;
    std::string replaceWith;
    std::string prompt;
};
std::vector<TextMergeLines> GetTextMergeEntriesFromText(std::string_view text);

// ---- Parts of DoOpen ----

// Starts the open dialog for a text document with the prompt of that item of the program's texts, for the
// purpose (gIdflag); the dialog's start status.
OSStatus StartTextOpenDialog(SInt16 promptItem, SInt16 purpose);

// The use of a file chosen for a purpose other than opening a document: 1, 0 or an error as DoOpen
// returns; kNotAPurposeFile when the purpose in gIdflag is not one of those.
constexpr SInt16 kNotAPurposeFile = 0x7FFF;
SInt16 UseFileForPurpose(const std::string& path);
// Shows the script the scripts menu names (gCurrentScriptName, else its first item) and scrolls the
// prompter to the top.
void ShowScriptOfScriptsMenu();
// Draws the text sizes in the prompter when the size display is on (gShowSpeed).
void DrawTextSizesIfShown();

// ---- Queue records as opening a file fills them (the layout of media_services.h, host order) ----

// The element count; 0 for a null or damaged queue.
SInt32 GetQueueElementCount(Handle queue);
// The queue's own folder (UTF-8).
std::string GetQueueFolder(Handle queue);
// Stores the file's name and folder (UTF-8) in element index; nothing for an index out of range.
void SetQueueElementFile(Handle queue, SInt32 index, const std::string& name, const std::string& folder);
// Element index's file name and folder (UTF-8); empty for an index out of range.
std::string GetQueueElementName(Handle queue, SInt32 index);
std::string GetQueueElementFolder(Handle queue, SInt32 index);
// The opening index of the header; -1 when none is set.
SInt32 GetQueueOpeningIndex(Handle queue);
void SetQueueOpeningIndex(Handle queue, SInt32 index);
// gQueue's element index becomes the document: its names, folders and kind; the current and opening
// indices become index. False, and nothing changed, when there is no such element.
bool SetDocumentFromQueueElement(SInt32 index);
// The current element's pause at its end (seconds) and whether the next script follows by itself; 0 and
// false for an element out of range.
SInt16 GetQueueElementPauseAtEnd(Handle queue, SInt32 index);
bool GetQueueElementContinues(Handle queue, SInt32 index);
SInt32 GetQueueCurrentIndex(Handle queue);

// ---- Bookmarks of an inserted document ----

// The inserted text's bookmark offsets (relative to that text; -1 an empty slot, offsets outside it count
// as empty) become slots of the document: spliced in among its slots before the first one at or after the
// first inserted bookmark, with empty names spliced to match, or set in free slots when the document has
// none. Returns the slot the first of them took.
SInt32 SpliceInsertedBookmarks(std::span<const SInt32> offsets, SInt32 insertAt, SInt32 insertedLength);
// Reads 'BkMk' 128 and 'BmkN' 128 of the current resource file into the document's bookmarks and names
// for a text of insertedLength bytes inserted at insertAt.
void AddInsertedBookmarks(SInt32 insertAt, SInt32 insertedLength);
