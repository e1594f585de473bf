// Saving, loading, listing and deleting named preference sets, and the built-in sets.
#include "prefs/preference_sets.h"

#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "shell/startup.h"

#include <cstring>
#include <initializer_list>

namespace {

// While a set operation runs, the preference file calls go to the sets file, which only saving creates.
void SelectSetsFile(Boolean create) {
    gPrefsFileNameID = kPrefSetsFileNameItem;
    gMakeIfDontExist = create;
}

void SelectPreferenceFile() {
    gPrefsFileNameID = kPrefsFileNameItem;
    gMakeIfDontExist = true;
    gPrefResourceID = kPrefsResourceID;
}

// A longer stored length would run the dictionary name past its 32-byte field.
void ClearOverlongDictionaryName() {
    if (gThePreferences.bytes[kPrefDictionaryName.offset] >= kPrefDictionaryName.capacity)
        gThePreferences.bytes[kPrefDictionaryName.offset] = 0;
}

void ListMainRecords(std::vector<PreferenceSetEntry>& sets) {
    const SInt16 count = Count1Resources(kMainPrefsType);
    for (SInt16 i = 1; i <= count; ++i) {
        Handle h = Get1IndResource(kMainPrefsType, i);
        if (!h) break;
        PreferenceSetEntry entry;
        Str255 name;
        GetResInfo(h, &entry.id, nullptr, name);
        entry.name = std::string(PStringView(name));
        sets.push_back(entry);
        ReleaseResource(h);
    }
}

// Takes a stored record of `kind` from the resource chain into `record`, reporting one that cannot be
// used; `record` changes only when the stored one is usable.
OSErr TakeBuiltInRecord(ResID id, SInt16 kind, void* record, Size recordSize, StringPtr name) {
    SelectPrefsKind(kind);
    Handle stored = GetResource(gThePrefsType, id);
    if (!stored) return resNotFound;
    Str255 storedName;
    GetResInfo(stored, nullptr, nullptr, storedName);
    std::vector<UInt8> taken(static_cast<UInt8*>(record), static_cast<UInt8*>(record) + recordSize);
    Boolean sizeBad = false, versionBad = false;
    OSErr err = TakeStoredPrefs(reinterpret_cast<const UInt8*>(*stored), GetHandleSize(stored), taken.data(),
                                &sizeBad, &versionBad);
    ReleaseResource(stored);
    if (err == badPrefsRecordErr) {
        DoBadPreferencesDialog(sizeBad, versionBad, std::string(PStringView(storedName)));
        return err;
    }
    std::memcpy(record, taken.data(), size_t(recordSize));
    if (name) CopyPString(storedName, name);
    return noErr;
}

} // namespace

ResID SavePreferenceSet(ConstStr255Param name, SInt16 prompterWidth, SInt16 prompterHeight, const void* shape,
                        ConstStr255Param shapeName) {
    SelectSetsFile(true);
    const ResFileRefNum refNum = DoOpenPreferences(nullptr);
    if (refNum == -1) {
        SelectPreferenceFile();
        return 0;
    }
    // Taken from the file itself, so a set is never stored over another, whatever a menu last showed.
    const ResID id = Unique1ID(kMainPrefsType);
    CopyPString(name, gPrefsName);
    gPrefResourceID = id;
    SetPref(gThePreferences, kPrefStoredPrompterWidth, prompterWidth);
    SetPref(gThePreferences, kPrefStoredPrompterHeight, prompterHeight);

    OSErr err = ResError(); // no free ID left
    if (!err && SelectPrefsKind(kPrefsKindMain)) err = WriteThePrefs(refNum, &gThePreferences, nullptr);
    if (!err && SelectPrefsKind(kPrefsKindPosition))
        err = WriteThePrefs(refNum, &gPositionPreferences, nullptr);
    // A deleted set leaves its shape behind; a new set without a shape must not inherit it.
    if (!err && SelectPrefsKind(kPrefsKindShape))
        err = shape ? WriteThePrefs(refNum, shape, shapeName) : RemoveThePrefs(refNum, id);
    if (err) {
        // Nothing of a half-stored set may reach the disk.
        for (SInt16 kind : {kPrefsKindMain, kPrefsKindPosition, kPrefsKindShape}) {
            SelectPrefsKind(kind);
            RemoveThePrefs(refNum, id);
        }
    }
    if (OSErr closeErr = DoClosePreferences(refNum); !err) err = closeErr;
    SelectPreferenceFile();
    return err ? 0 : id;
}

OSErr LoadPreferenceSet(ResID id, void* shape, StringPtr shapeName) {
    SelectSetsFile(false);
    const ResFileRefNum refNum = DoOpenPreferences(nullptr);
    if (refNum == -1) {
        SelectPreferenceFile();
        return fnfErr;
    }
    OSErr err = resNotFound;
    if (Handle present = Get1Resource(kMainPrefsType, id)) {
        ReleaseResource(present);
        gPrefResourceID = id;
        SelectPrefsKind(kPrefsKindMain);
        err = ReadThePrefs(refNum, &gThePreferences, nullptr);
        SelectPrefsKind(kPrefsKindPosition);
        ReadThePrefs(refNum, &gPositionPreferences, nullptr);
        ClearOverlongDictionaryName();
        if (shape) {
            SelectPrefsKind(kPrefsKindShape);
            ReadThePrefs(refNum, shape, shapeName);
        }
        // The live settings now are the set's; when its main record could not be used they are still the
        // user's own, unsaved changes included.
        if (!err) gPrefsChanged = false;
    }
    DoClosePreferences(refNum);
    SelectPreferenceFile();
    return err;
}

OSErr LoadBuiltInPreferenceSet(ResID id, void* shape, StringPtr shapeName) {
    if (id == kStartupSettingsSet) {
        CopyPreferences(&gSavePreferences, &gThePreferences);
        gPrefsChanged = false;
        return noErr;
    }
    OSErr err = TakeBuiltInRecord(id, kPrefsKindMain, &gThePreferences, kPrefsRecordSize, nullptr);
    if (err) return err;
    ClearOverlongDictionaryName();
    if (shape) TakeBuiltInRecord(id, kPrefsKindShape, shape, kShapeRecordMaxSize, shapeName);
    gPrefsChanged = false;
    return noErr;
}

OSErr DeletePreferenceSet(ResID id) {
    SelectSetsFile(false);
    const ResFileRefNum refNum = DoOpenPreferences(nullptr);
    if (refNum == -1) {
        SelectPreferenceFile();
        return fnfErr;
    }
    SelectPrefsKind(kPrefsKindMain);
    OSErr err = RemoveThePrefs(refNum, id);
    SelectPrefsKind(kPrefsKindPosition);
    if (!err) err = RemoveThePrefs(refNum, id);
    if (OSErr closeErr = DoClosePreferences(refNum); !err) err = closeErr;
    SelectPreferenceFile();
    return err;
}

OSErr ListPreferenceSets(std::vector<PreferenceSetEntry>& sets) {
    sets.clear();
    SelectSetsFile(false);
    const ResFileRefNum refNum = DoOpenPreferences(nullptr);
    if (refNum != -1) {
        ListMainRecords(sets);
        DoClosePreferences(refNum);
    }
    SelectPreferenceFile();
    return noErr;
}

void ListBuiltInPreferenceSets(ResFileRefNum appFile, std::vector<PreferenceSetEntry>& sets) {
    sets.clear();
    const ResFileRefNum previous = CurResFile();
    UseResFile(appFile);
    if (ResError() == noErr) ListMainRecords(sets);
    if (previous > 0) UseResFile(previous);
}

OSErr SavePreferencesNow() {
    OSErr err = DoPutPreferences(&gThePreferences, kPrefsKindMain, nullptr);
    if (err) return err;
    CopyPreferences(&gThePreferences, &gSavePreferences);
    gPrefsChanged = false;
    return noErr;
}
