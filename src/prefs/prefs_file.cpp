// The preference file: finding, opening, creating and closing it, reading, writing and removing records,
// and the three entry points the rest of the program uses.
#include "prefs/prefs_file.h"

#include "foundation/error_dialog.h"
#include "foundation/program_strings.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "prefs/companion_records.h"
#include "prefs/damaged_prefs.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_record.h"

#include <cstring>

namespace {

// The file DoOpenPreferences opened last, so that a damaged record read from it can be kept, and the
// file that was current before, made current again when it closes.
struct OpenPrefsFile {
    ResFileRefNum refNum = -1;
    std::string folder;
    std::string name; // Mac Roman
    ResFileRefNum previousCurrent = 0;
};
OpenPrefsFile gOpenPrefs;

// Item gPrefsFileNameID of the file-name list; a name that would reach outside the folder is refused.
bool GetPrefsFileName(std::string& name) {
    Str255 text;
    if (!GetOrvalisString(kPrefsFileNamesList, gPrefsFileNameID, text)) return false;
    name = std::string(PStringView(text));
    return name != "." && name != ".." && name.find('/') == std::string::npos;
}

std::string PathOf(const std::string& folder, const std::string& name) {
    return folder + "/" + MacRomanToUtf8(name);
}

void LoadPrefsName() {
    if (gPrefsFileNameID == kPrefsFileNameItem &&
        !GetOrvalisString(kPrefsFileNamesList, kPrefsFileNameItem, gPrefsName))
        gPrefsName[0] = 0;
}

// The number of bytes a record of the selected kind stores; -1 when the record cannot be stored.
Size StoredLength(const void* record) {
    if (gThePrefsType == kSparePrefsType)
        return GetHandleSize(static_cast<Handle>(const_cast<void*>(record)));
    if (gThePrefsType == kShapePrefsType) {
        const SInt32 count = SInt32(LoadHost32(static_cast<const UInt8*>(record) + kShapeCountAt));
        // A count beyond the block's 100 entries would store bytes from past its end.
        if (count < 0 || count > kShapeMaxEntries) return -1;
        return kShapeHeaderSize + kShapeEntrySize * count;
    }
    return gThePrefsSize;
}

const void* RecordBytes(const void* record) {
    return gThePrefsType == kSparePrefsType ? *static_cast<Handle>(const_cast<void*>(record)) : record;
}

// A record that cannot be used is reported, and the caller keeps its values. When the record lies in the
// file DoOpenPreferences opened, a copy of that file as it was is kept beside it first. The preference
// file is read at every start, so there the record is then stored afresh from the caller's and the next
// start reads it in peace; a set keeps its record until the user saves over it or deletes it. A file that
// could not be kept is not touched.
void HandleBadRecord(ResFileRefNum refNum, bool storedInFile, const void* record, Boolean sizeBad,
                     Boolean versionBad, ConstStr255Param storedName) {
    std::string where(PStringView(storedName));
    std::string kept;
    if (storedInFile && refNum == gOpenPrefs.refNum) {
        where = gOpenPrefs.name;
        kept = KeepDamagedPrefsFile(gOpenPrefs.folder, gOpenPrefs.name, false);
        if (!kept.empty() && gPrefsFileNameID == kPrefsFileNameItem)
            WriteThePrefs(refNum, record, storedName);
    }
    DoBadPreferencesDialog(sizeBad, versionBad, where, kept);
}

} // namespace

ResFileRefNum DoOpenPreferences(const void* record) {
    std::string name;
    const std::string folder = PreferencesFolder();
    if (folder.empty() || !GetPrefsFileName(name)) return -1;
    const std::string path = PathOf(folder, name);
    const ResFileRefNum previous = CurResFile();

    ResFileRefNum refNum = OpenResFile(path, fsRdWrPerm);
    if (refNum == -1) {
        OSErr err = ResError();
        if (err == mapReadErr) {
            // Nothing in the file can be read; it goes aside, whole, and a new one takes its place.
            std::string kept = KeepDamagedPrefsFile(folder, name, true);
            ReportUnreadablePrefsFile(name, kept);
            if (kept.empty()) return -1;
            err = fnfErr;
        }
        if (err == resFNotFound) err = fnfErr; // an empty file holds nothing to lose
        if (err != fnfErr || !gMakeIfDontExist || DoMakePrefsFile(path, &refNum, record) != noErr) return -1;
    }
    gOpenPrefs = OpenPrefsFile{refNum, folder, name, previous};
    return refNum;
}

OSErr DoClosePreferences(ResFileRefNum refNum) {
    if (refNum == -1) return noErr;
    const std::string name = refNum == gOpenPrefs.refNum ? gOpenPrefs.name : std::string("preferences");
    CloseResFile(refNum);
    // The file is replaced only once its new form is complete, so a failed write loses nothing on disk;
    // but the settings of this run were not saved, and the user is told.
    const OSErr err = ResError();
    if (err)
        DoErrorMessageText("\"" + name + "\" could not be saved (" + DescribeFileError(err) +
                           "); the file on disk was left as it was.");
    if (refNum == gOpenPrefs.refNum) {
        if (gOpenPrefs.previousCurrent > 0) UseResFile(gOpenPrefs.previousCurrent);
        gOpenPrefs = OpenPrefsFile{};
    }
    return err;
}

OSErr DoMakePrefsFile(const std::string& path, ResFileRefNum* refNumOut, const void* record) {
    *refNumOut = -1;
    if (OSErr err = MakePreferencesFolder()) return err;
    CreateResFile(path);
    if (OSErr err = ResError()) return err;
    const ResFileRefNum refNum = OpenResFile(path, fsRdWrPerm);
    if (refNum == -1) return ResError();
    if (record) {
        if (OSErr err = WriteThePrefs(refNum, record, nullptr)) {
            CloseResFile(refNum);
            return err;
        }
    }
    *refNumOut = refNum;
    return noErr;
}

OSErr ReadThePrefs(ResFileRefNum refNum, void* record, StringPtr name) {
    UseResFile(refNum);
    // The search runs down the chain, so the application's own resources answer too.
    Handle stored = GetResource(gThePrefsType, gPrefResourceID);
    if (!stored) return ResError() == resNotFound ? WriteThePrefs(refNum, record, nullptr) : ResError();
    Str255 storedName;
    GetResInfo(stored, nullptr, nullptr, storedName);
    if (OSErr err = ResError()) return err;
    if (name) CopyPString(storedName, name);

    const bool storedInFile = HomeResFile(stored) == refNum;
    Boolean sizeBad = false, versionBad = false;
    OSErr err = TakeStoredPrefs(reinterpret_cast<const UInt8*>(*stored), GetHandleSize(stored), record,
                                &sizeBad, &versionBad);
    ReleaseResource(stored);
    if (err == badPrefsRecordErr)
        HandleBadRecord(refNum, storedInFile, record, sizeBad, versionBad, storedName);
    return err;
}

OSErr WriteThePrefs(ResFileRefNum refNum, const void* record, ConstStr255Param name) {
    UseResFile(refNum);
    if (OSErr err = ResError()) return err;
    const Size length = StoredLength(record);
    if (length < 0) return paramErr;
    if (Handle old = Get1Resource(gThePrefsType, gPrefResourceID)) {
        RemoveResource(old);
        if (OSErr err = ResError()) return err;
        DisposeHandle(old);
    }
    Handle data = NewHandle(length);
    if (!data) return MemError();
    if (length) std::memcpy(*data, RecordBytes(record), size_t(length));
    AddResource(data, gThePrefsType, gPrefResourceID, name ? name : gPrefsName);
    if (OSErr err = ResError()) {
        DisposeHandle(data);
        return err;
    }
    WriteResource(data);
    OSErr err = ResError();
    ReleaseResource(data);
    return err;
}

OSErr RemoveThePrefs(ResFileRefNum refNum, ResID resourceID) {
    UseResFile(refNum);
    Handle old = Get1Resource(gThePrefsType, resourceID);
    if (!old) return noErr;
    RemoveResource(old);
    if (OSErr err = ResError()) return err;
    DisposeHandle(old);
    return noErr;
}

OSErr DoGetPreferences(void* record, SInt16 kind, StringPtr name) {
    if (!record || !SelectPrefsKind(kind)) return paramErr;
    LoadPrefsName();
    const ResFileRefNum refNum = DoOpenPreferences(record);
    if (refNum == -1) return fnfErr;
    OSErr err = ReadThePrefs(refNum, record, name);
    DoClosePreferences(refNum);
    return err;
}

OSErr DoPutPreferences(const void* record, SInt16 kind, ConstStr255Param name) {
    if (!record || !SelectPrefsKind(kind)) return paramErr;
    LoadPrefsName();
    const ResFileRefNum refNum = DoOpenPreferences(nullptr);
    if (refNum == -1) return fnfErr;
    OSErr err = WriteThePrefs(refNum, record, name);
    const OSErr closeErr = DoClosePreferences(refNum);
    return err ? err : closeErr;
}

OSErr DoRemovePreferences(ResID resourceID, SInt16 kind) {
    if (!SelectPrefsKind(kind)) return paramErr;
    LoadPrefsName();
    const Boolean makeIfMissing = gMakeIfDontExist;
    gMakeIfDontExist = false;
    const ResFileRefNum refNum = DoOpenPreferences(nullptr);
    gMakeIfDontExist = makeIfMissing;
    if (refNum == -1) return fnfErr;
    OSErr err = RemoveThePrefs(refNum, resourceID);
    const OSErr closeErr = DoClosePreferences(refNum);
    return err ? err : closeErr;
}
