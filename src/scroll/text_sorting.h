// Sorting a whole text by paragraphs, sentences, words or characters, and removing repeated units: the
// unit list, its comparison keys, the stable sort with its progress and stop, and the styled reassembly.
#pragma once

#include "foundation/text_counting.h"
#include "platform/dialogs.h"
#include "platform/types.h"
#include "textengine/text_engine_types.h"

#include <vector>

enum : UInt16 { kSortParagraphs = 1, kSortSentences = 2, kSortWords = 3, kSortCharacters = 4 };
enum : UInt16 { kSortKeyText = 1, kSortKeyNumber = 2, kSortKeyExactText = 3, kSortKeyColor = 4 };
enum : UInt16 { kSortAscending = 1, kSortDescending = 2 };

// How a text is sorted; removeDuplicates and dontSort are 0 or 1. dontSort only removes duplicates.
struct SortSpec {
    UInt16 unit = kSortParagraphs;
    UInt16 key = kSortKeyText;
    UInt16 order = kSortAscending;
    UInt16 removeDuplicates = 0;
    UInt16 dontSort = 0;
};
extern SortSpec gSortSpec;

// One unit of the text: its bytes from start up to end. 32-bit, so units of any length compare whole.
struct SortUnit {
    SInt32 start = 0;
    SInt32 end = 0;
};

// The progress of a sort: show receives 0-100 while sorting and 100-200 while assembling, each value once
// as it rises; stopRequested, asked between merge passes, ends the sorting phase with the order reached.
struct SortProgress {
    void (*show)(void* data, SInt16 value) = nullptr;
    bool (*stopRequested)(void* data) = nullptr;
    void* data = nullptr;
};

// The units of the text in text order: paragraphs and sentences with their closing punctuation, words,
// and every character that is not white space.
std::vector<SortUnit> GetSortUnits(const UInt8* text, SInt32 length, UInt16 unit);
// Orders the units by the chosen key and order, stably (equal units keep their order), or keeps their order
// with dontSort; with removeDuplicates only the first of each set of equal units stays. colors gives each
// unit's colour number for the colour key (may be empty otherwise).
void SortUnitList(std::vector<SortUnit>& units, const UInt8* text, const SortSpec& spec,
                  const std::vector<UInt32>& colors, const SortProgress* progress);
// -1, 0 or 1 for units a and b under the key (the colour key compares the colour numbers given).
SInt16 CompareSortUnits(const UInt8* text, const SortUnit& a, const SortUnit& b, UInt16 key, UInt32 colorA,
                        UInt32 colorB);

// Sorts the whole text of target, whose bytes are text: the sorted units replace it, each keeping its
// styles, followed by a return (paragraphs, sentences) or a blank (words). The clipboard is not used. With
// a progress dialog, its box shows the progress and a press held in the box stops the sorting phase.
// kind (0 script, 3 macro editor, 4 help) is the caller's; returns 0.
SInt16 DoASort(const SortSpec& spec, SInt16 kind, Handle text, WEReference target, DialogPtr progressDialog,
               SInt16 boxItem);
// The same with the progress reported to the caller's functions (null: none).
SInt16 SortWholeText(const SortSpec& spec, Handle text, WEReference target, const SortProgress* progress);

// The start of the paragraph holding sentence index, and its end in *end: from its first sentence's start
// to its last sentence's end.
SInt32 GetSentenceArrayParagraphStartAndEnd(SentenceHdl sentences, SInt32 index, SInt32* end);

// Overwrites, in bytes laid out as the text's offsets, every selected range of the text in range order
// with the pattern's bytes end to end, the pattern going on across ranges and starting again when used up.
// The buffer's length does not change; nothing happens for a null argument or an empty pattern.
void ReplaceSelectedTextFromHandle(Handle bytes, WEReference text, Handle pattern);

// The sort dialog: on OK the still open dialog, its box (in *outItem) turned to the progress display; on
// Cancel (or when it cannot be made) null. The sort settings are changed as the user chose.
DialogPtr DoSortDialog(SortSpec* spec, SInt16* outItem);
// Draws the dialog's box: the preview text, or the progress held in the window's reference constant (a
// value below 202).
void DrawSortBox(DialogPtr dialog, SInt16 item);
// A sample text from the 'TEXT' resources first to first + count - 1, never the one taken last, with its
// style runs in *outStyles (null for plain text); null when none loads.
Handle GetSortText(Handle* outStyles, SInt16 first = 300, SInt16 count = 20);
