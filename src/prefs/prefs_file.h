// The preference file: the one road by which the preference records reach the disk. Each record is a
// resource of its kind's type in a resource file in the preferences folder; the same layer serves the
// preference-sets file, which differs only in its name and resource IDs.
#pragma once

#include "platform/types.h"

#include <string>

// The record kinds, with their resource types and sizes.
enum PrefsKind : SInt16 {
    kPrefsKindMain = 0,         // 'pref', PrefsRecord
    kPrefsKindRecent = 1,       // 'rPrf', RecentPrefsRecord
    kPrefsKindPosition = 2,     // 'pPrf', PositionPrefsRecord
    kPrefsKindSpare = 3,        // 'bPrf', the record is a Handle whose size is the record's
    kPrefsKindMacroClasses = 4, // 'cPrf'
    kPrefsKindShape = 5,        // 'Shap', a block of up to 3,236 bytes
};

// The string list that names the files, and its items.
constexpr SInt16 kPrefsFileNamesList = 300;
enum : SInt16 { kPrefsFileNameItem = 1, kPrefSetsFileNameItem = 3, kShapesFileNameItem = 4 };
constexpr ResID kPrefsResourceID = 128;

// A stored record that cannot be used: the wrong size, or a version the reader does not know.
constexpr OSErr badPrefsRecordErr = -1000;

// State of the layer, set before each operation.
extern ResType gThePrefsType;
extern SInt32 gThePrefsSize;
extern Str255 gPrefsName;        // resource name given to a record that is added
extern SInt16 gPrefResourceID;   // 128 unless a set is being stored or loaded
extern SInt16 gPrefsFileNameID;  // the item of the file-name list: which file
extern Boolean gMakeIfDontExist; // a missing file is created on open

// Sets gThePrefsType and gThePrefsSize from the kind; false for a kind that does not exist.
Boolean SelectPrefsKind(SInt16 kind);

// Reads the stored record of the kind into `record`, which the caller has filled with its defaults: the
// read compares versions against it, and a missing or unusable record leaves it as it is. A missing
// record is stored from `record` (a first run stores the defaults). `name`, when given, receives the
// stored resource name.
OSErr DoGetPreferences(void* record, SInt16 kind, StringPtr name);
// Stores the record, replacing the stored one, under `name` (or gPrefsName when null).
OSErr DoPutPreferences(const void* record, SInt16 kind, ConstStr255Param name);
// Removes the stored record of the kind with the given ID; a missing file is not created.
OSErr DoRemovePreferences(ResID resourceID, SInt16 kind);

// Opens the file named by gPrefsFileNameID and makes it the current resource file; its reference number,
// or -1. A missing file is created holding `record` when gMakeIfDontExist is set. A file whose resource
// map cannot be read is moved aside under a new name and reported, then treated as missing.
ResFileRefNum DoOpenPreferences(const void* record);
// Closes the file (nothing for -1), writing its changes, and makes current again the file that was
// current before it was opened. A failed write is reported to the user and answered; the file on disk then
// stays as it was.
OSErr DoClosePreferences(ResFileRefNum refNum);
// Creates the file at `path` (and the preferences folder), opens it and stores `record` as its first
// resource (nothing when null).
OSErr DoMakePrefsFile(const std::string& path, ResFileRefNum* refNumOut, const void* record);

// The operations on an open file, for the kind selected by SelectPrefsKind.
OSErr ReadThePrefs(ResFileRefNum refNum, void* record, StringPtr name);
OSErr WriteThePrefs(ResFileRefNum refNum, const void* record, ConstStr255Param name);
OSErr RemoveThePrefs(ResFileRefNum refNum, ResID resourceID);

// Checks a stored record of the selected kind and takes it into `record`: converted from the other byte
// order, upgraded from version 1, with the colour rule applied to a main record. Returns noErr, or
// badPrefsRecordErr with the reasons in sizeBad and versionBad (`record` untouched). Reports nothing.
OSErr TakeStoredPrefs(const UInt8* stored, Size storedSize, void* record, Boolean* sizeBad,
                      Boolean* versionBad);

// Tells the user that a stored record of the selected kind could not be used and that the defaults stay
// in force. `where` names the file or record; `keptName` the copy of the damaged file, when one was kept.
void DoBadPreferencesDialog(Boolean sizeBad, Boolean versionBad, const std::string& where = {},
                            const std::string& keptName = {});
