// Operations of the text tools that the other subsystems call.
#pragma once

#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/geometry.h"

#include <string>

// Brings the find-style window's colour controls into line with the colour-list length.
void CheckColorsInFindStyle();

#include "platform/memory.h"

// The script's hypertext links; null when there are none.
extern Handle gHypertextList;
// The number of links in gHypertextList.
extern SInt32 gNumHypertext;
// Applies the links' styles to the prompter text; true when any was displayed.
bool DisplayAllHypertextLinks(SInt16 which);
// Replaces every text-merge keyword in the prompter text (underlined when asked); true when anything was
// replaced. ClearMergeTextRecord forgets the merges made.
bool DoAllTextMerges(bool underline);
void ClearMergeTextRecord();
// Empties every merge entry's replace-with text, so that the next merge asks for all of them afresh.
void ClearTextMergeReplaceWith();
extern bool gTextMergeUnderline;

// Colours the syllable-sync window gives the syllables, alternate words and alternate lines when it
// colours the script.
extern RGBColor gSylSylsColorValue;
extern RGBColor gSylWordsColor1Value;
extern RGBColor gSylWordsColor2Value;
extern RGBColor gSylLinesColor1Value;
extern RGBColor gSylLinesColor2Value;

// The link last fired on entering the view and on reaching the reading position; -1 tests them afresh.
extern SInt32 gLastScrollToHyper;
extern SInt32 gLastReadPositionHyper;
// Syllable times are being tapped, and the syllable whose tap is awaited.
extern bool gRecordingTaps;
extern SInt32 gSylWaitingForThisTap;

// The document's text merge data holds word-swap pairs (tag 'Swap') rather than merge entries.
extern bool gFlagDoWordSwap;

// ---- The text-merge list ----

// Three length-prefixed strings per entry (keyword, replace-with text, prompt); null when empty.
extern Handle gTextMergeList;
extern SInt32 gNumTextMerge;
// Appends an empty entry; false (the list unchanged) when memory fails.
bool AddTextMergeText();
// Copies entry n's strings into the 256-byte buffers given (any may be null); false when there is no entry n.
bool GetTextMergeText(SInt16 n, StringPtr keyword, StringPtr replaceWith, StringPtr prompt);
// Field 0 keyword, 1 replace-with text, 2 prompt; false when there is no such entry or field, the list is
// damaged or memory fails.
bool SetTextMergeText(SInt32 n, SInt16 field, ConstStr255Param text);
// Removes entry n (the last one removed frees the list); false when there is no entry n.
bool RemoveTextMergeText(SInt32 n);
// Exchanges the strings of two entries; false at the first failure.
bool SwapTextMergeText(SInt32 a, SInt32 b);
// Empties every replace-with text and refreshes the merge window's list.
void ClearTextMergeReplaceWith();
// Makes the list from a document's stored entries (the strings back to back, without their header): as many
// whole entries as the data holds. False when memory fails (the list is then empty).
bool UseTextMergeData(const UInt8* data, Size size);
// Replaces `replaced` bytes at offset (-1: the end) of the handle by the data (null: length zero bytes
// removed only); paramErr for an offset outside the handle, or the memory error.
OSErr SpliceTextMergeText(Handle h, const void* data, SInt32 dataLength, SInt32 offset, SInt32 replaced);
void OpenTextMergeWindow();
void PutTextMergeInList();

// The file chosen for the parameter of the hypertext link being edited (absolute path); 0 when taken.
OSErr CompleteGettingHypertextFile(const std::string& file);
// Removes the link (-1: every link) and its data.
void UnsetHypertext(SInt32 index);

// ---- Hypertext links that fire when a document opens, and the merge questions of a new document ----
// The index of the next link after `after` marked to fire on open, or -1.
SInt32 GetNextOnOpenHyper(Handle list, SInt32 count, SInt32 after);
// Performs a link of the type with its parameter data; 1 when it did what it says.
SInt16 ExecuteThisHyper(SInt16 type, Handle parameter);
// The type and parameter data of link index.
bool GetHypertextLinkAction(SInt32 index, SInt16* type, Handle* parameter);
// True when no merge entry has a replace-with text yet.
bool CheckForTextMergeFunction(Handle list, SInt32 count);
// Asks for every entry's replace-with text: 0 when the user cancels, else 1.
SInt16 PerformMergeFunction(Handle list, SInt32 count);

// ---- What the scroll tick asks of the syllable timing and the hypertext links ----
// The syllable-timing window (null when closed) and the offset at which its recording stops (-1 none).
extern DialogPtr gSylSyncDialog;
extern SInt32 gSylStopThisOffset;
// Presses an item of the syllable-timing window as a click would; true when the window closes.
bool MouseInSyllableSyncWindow(const EventRecord& event, DialogPtr dialog, Point where, SInt16 item);
// The link that entered the visible range, or the reading position reached, since `last`; -1 none.
SInt32 ScrollToWhichHyper(Handle list, SInt32 count, SInt32 start, SInt32 end, SInt32 last, SInt16 direction);
SInt32 ReadPositionWhichHyper(Handle list, SInt32 count, SInt32 offset, SInt32 last, SInt16 direction);

// ---- What the menus open and ask of the text tools ----
void OpenHypertextWindow();
void OpenColorChartWindow();
// Ends the move of a colour chart swatch, dropping it at the point of the prompter.
void FinishMovingColorSwatch(Point where);
void OpenFindReplaceWindow();
// Opens the find-style window in the mode, or reloads an open one in its present mode.
void OpenFindStyleWindow(SInt16 mode);
void OpenSearchDictWindow();
// Opens the help window on the instructions, or closes it while they show.
void ToggleInstructions();
extern bool gInstructionsShowing;
// The find tools and the spelling menus; DoCommand's status.
SInt32 DoTextToolsCommand(SInt16 menu, SInt16 item);

// ---- What the prompter's clicks and its text pop-up ask of the links and the find tools ----
// The link a click at the offset fires, or -1.
SInt32 ClickInWhichHyper(Handle list, SInt32 count, SInt32 offset);
// The text the find commands look for (Mac Roman, at most 254 bytes), and the exact-match-only search
// settings the pop-up's find uses.
extern std::string gFindReplaceFindString;
void SetExactFindOptions();
// Finds the find text again in the window's text without showing the dialog (shift in the event: back).
void FindWithoutDialog(const EventRecord* event, WindowPtr window);
// What the search dictionary window shows (1 a dictionary's words, 4 the ignored words), and removing the
// words selected in the help window from it.
extern SInt16 gSearchDictShowWhat;
void RemoveFromDictionary();
void RemoveFromIgnored();
// Copies the words selected in the window's text (all of it when nothing is selected) into the dictionary
// chosen for them.
void CopyScrollWordsToDictionary(WindowPtr window);
// Loads the find-style window from the style at the selection and sets it to look for links.
void GetStyleForFindStyleDialog();
void SetFindStyleWindowForHypertext();
// Tells the syllable-timing window that the prompter's selection changed.
void TellSylSyncNewSyl();
