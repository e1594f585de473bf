// What kind of file a name denotes, decided by its ending. Each kind has a table of endings ('FTyp'
// 128 to 139 in the resource file): a list of 8-byte entries, each a length byte and up to 7 characters,
// normally a dot and a few lower-case letters.
#pragma once

#include "platform/types.h"

enum : SInt16 {
    kTextFileTypes = 128,
    kMovieFileTypes = 129,
    kSoundFileTypes = 130,
    kPictureFileTypes = 131,
    kJpegFileTypes = 132,
    kSpriteFileTypes = 133,
    kMacroFileTypes = 134,
    kColoringBookFileTypes = 135,
    kGameFileTypes = 136,
    kShapeFileTypes = 137,
    kPullTabFileTypes = 138,
    kFlapFileTypes = 139,
};

// Entry `index` (from 0) of a table as a length-prefixed string in a buffer that the next call
// overwrites; the empty string when the table is missing or has no such entry. Stores the table's entry
// count through count when it is given and the table exists.
ConstStringPtr GetThisFileTypeFileExt(SInt16 tableId, SInt16 index, SInt16* count);
// Whether the name ends with the ending, ignoring the name's case. A dot in the ending ends the test
// early: ".txt" matches only at a dot, "txt" matches any name ending so. An empty ending matches nothing.
bool IsFileType(ConstStringPtr ending, ConstStringPtr name);
// Whether the name ends with any ending of the table; a missing table matches no name.
bool IsFileOfType(ConstStringPtr name, SInt16 tableId);

bool IsTextFile(ConstStringPtr name);
// Sound endings count as movies too when alsoSound is set.
bool IsMovieFile(ConstStringPtr name, bool alsoSound);
bool IsSoundFile(ConstStringPtr name);
bool IsPictureFile(ConstStringPtr name);
bool IsjpegPictureFile(ConstStringPtr name);
bool IsSpriteFile(ConstStringPtr name);
bool IsMacroFile(ConstStringPtr name);
bool IsColoringBook(ConstStringPtr name);
bool IsGameFile(ConstStringPtr name);
bool IsShapeFile(ConstStringPtr name);
bool IsPullTabFile(ConstStringPtr name);
bool IsFlapFile(ConstStringPtr name);

// Replaces the name's ending (from the last dot of its file name on) by the new one, or appends the new
// ending when the file name has none; at most 255 bytes.
void ChangeExtension(StringPtr name, ConstStringPtr newEnding);

// Drops the loaded tables so that the next look-up reads them from the open resource files again.
void ForgetFileTypeTables();
