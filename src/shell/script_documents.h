// Script documents: the text file and its side file of resources, loaded into the document globals and
// written back; the start-up document and the question to save changes.
#pragma once

#include "foundation/text_file_format.h"
#include "platform/memory.h"
#include "platform/types.h"

#include <string>
#include <vector>

// Puts the instructions document in the prompter (flag 1: as the start-up choice that shows them
// scrolling); ReloadLastFile opens the last script (flag 1: and starts where it was left).
void ShowInstructions(SInt16 flag);
void ReloadLastFile(SInt16 flag);

// The recent-files list: the document or queue now open goes to its top (unless gDontAddToRecentFiles is
// raised) and is stored at once; the Open Recent menu is rebuilt from it, greying files that have gone.
extern bool gDontAddToRecentFiles;
void AddToRecentFiles();
void AddRecentFilesToMenu();
// The dictionaries menu lists the spell checker's languages with the chosen one checked; choosing an item
// makes it the language spell checking uses.
void AddDictionariesToSpellCheckMenu();
SInt32 ChooseSpellCheckDictionary(SInt16 item);
// The two save questions, by dialog ID.
enum : SInt16 { kTextSaveQuestion = 403, kQueueSaveQuestion = 404 };
// Asks whether to save changes (kTextSaveQuestion or kQueueSaveQuestion) and saves when asked to: true when
// the operation may go on (saved, a save dialog started, or not to be saved), false when the user cancelled,
// the save failed or the question could not be shown.
bool DoSaveCancelDialog(SInt16 dialogID);
// Before the text is replaced there and then (a document handed in by the desktop or another start): asks
// the text question when the text has unsaved changes. True when the text may go: it was saved or is not
// to be saved.
bool ReadyToReplaceText();
// The text has unsaved changes; the queue has unsaved changes.
extern bool gDontQuitWithoutSaving;
extern bool gQueueIsDirty;

// ---- The document globals ----

// What gOutName names: one script in a resource script file, a text document, or a queue.
enum : SInt16 { kResourceScriptFile = 0, kTextDocument = 1, ThisIsQueueFile = 2 };

// File names are UTF-8 names without a folder; gOutPath (shell_globals.h) and gInPath are folders ending
// in '/'. gOutName/gOutPath is the save target, gFileName/gInPath the document as last opened.
extern std::string gOutName;
extern std::string gFileName;
extern std::string gInPath;
extern SInt16 gIsTextFile;
// The text was read with CR-LF line ends (folded to CR on load).
extern SInt16 gIsDos;
// gTabList came from the document.
extern bool gTabsAreCustom;
// The current document's absolute path, set after a save; empty when there is none.
extern std::string gPathSpec;
// A loaded document's side data was converted from the other byte order: saving it again is offered.
extern bool gDoOpenChangedFile;
// How the script's text is written: as its file had it, or as a new script when it has no file of its own.
extern TextFileFormat gScriptFileFormat;
// The file the script was read from when characters of it came in as '?'; saving over that file asks
// first. Empty otherwise.
extern std::string gFileWithUnheldCharacters;

// ---- Loading and saving ----

// Loads script n (1-based: the n-th 'TEXT' of a resource script file, the n-th element of a queue, 1 for
// a text document) from gOutPath + gOutName into the document globals; true when a text was loaded.
bool GetText(SInt16 n);
// GetText, then the text goes into the prompter (and the edit window when it is open).
bool ShowText(SInt16 n);
// kind 0 or above starts the save dialog of that save kind and returns 0; a negative kind writes the
// document now to gOutPath + gOutName and returns the status of the text write (0 success,
// kSaveCancelled when the user cancelled the marker character or declined writing '?' over characters
// the file held).
constexpr OSErr kSaveCancelled = 1;
OSErr DoSave(SInt16 kind);

// The 'styl' id of the current resource file in memory form (run count, format word 3, runs), detached;
// null when there is none, or when onlyIfStyled and styled text is off in the preferences.
Handle LoadStyleResource(ResID id, bool onlyIfStyled);
// Adds the memory-form style handle to the current resource file as 'styl' 128 in stored form.
void AddStyleResource(Handle styles);
// The font table ('FISH') of the runs, by name, so that they keep their fonts on a machine that numbers
// them differently: added as 'FISH' 128 beside 'styl' 128, and applied to runs loaded with the 'styl' of
// the same id, whose fonts then carry this machine's numbers. A damaged table is reported once (naming
// the document) and the runs stay as stored.
void AddFontTableResource(Handle styles);
void ApplyStoredFontTable(ResID id, Handle styles, const std::string& documentName);

// Inserts the bookmark marker character into text (the bytes a save writes) at every bookmark;
// SetBookmarkMenu removes every marker from myTextResource and, when setBookmarks, sets a bookmark where
// each one stood.
void AddBookmarksToText(std::vector<UInt8>& text);
void SetBookmarkMenu(bool setBookmarks);

// ---- The side file ----

// The side file of a document: its whole path with ".rsrc" appended ("/a/Talk.txt" -> "/a/Talk.txt.rsrc"),
// so that it can never be the document itself, whatever the document's name ends in.
std::string SideFilePath(const std::string& documentPath);
// The side file's name in earlier versions, the file name's ending replaced by "rsrc" ("/a/Talk.txt" ->
// "/a/Talk.rsrc"): read when the document has no side file of its own. Empty when that name is the
// document's own or the same as SideFilePath's.
std::string EarlierSideFilePath(const std::string& documentPath);
// The AppleDouble companion "._Talk.txt" beside the document, read when no side file exists.
std::string AppleDoublePath(const std::string& documentPath);
