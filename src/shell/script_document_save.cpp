// Saving a script: the text and its side file are each written complete beside the old ones and only
// then renamed over them, so a failed save leaves the previous document whole.
#include "foundation/error_dialog.h"
#include "foundation/file_dialogs.h"
#include "foundation/program_colors.h"
#include "foundation/text_file_format.h"
#include "foundation/word_line_arrays.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "platform/file_io.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/doc_resource_header.h"
#include "scroll/scroll_engine.h"
#include "scroll/window_dialogs.h"
#include "shell/command_parts.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "textengine/rtf_writer.h"
#include "textengine/text_effect_globals.h"
#include "texttools/text_tools.h"

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

constexpr ResID kSideDataID = 128;
// Asked before a save writes '?' over characters the file held: item 1 saves, item 2 cancels.
constexpr SInt16 kReplaceUnheldQuestion = 406;

// The side file's groups in the order a save writes them. Each is written from the program's live data
// when it has some; otherwise the resources of the group kept from the loaded document are written back.
enum class SideGroup {
    kBookmarks,
    kPreferences,
    kTabs,
    kTextMerge,
    kHypertext,
    kMandalas,
    kOverlays,
    kStyles,
    kTimings,
    kMusic,
    kColors
};
struct SideGroupTypes {
    SideGroup group;
    ResType types[2];
};
constexpr SideGroupTypes kSaveOrder[] = {
    {SideGroup::kBookmarks, {FourCC("BkMk"), FourCC("BmkN")}},
    {SideGroup::kPreferences, {FourCC("fPrf"), FourCC("Shap")}},
    {SideGroup::kTabs, {FourCC("OVTb"), 0}},
    {SideGroup::kTextMerge, {FourCC("TxMg"), 0}},
    {SideGroup::kHypertext, {FourCC("HyTx"), FourCC("HyDt")}},
    {SideGroup::kMandalas, {FourCC("Mndl"), 0}},
    {SideGroup::kOverlays, {FourCC("OvLy"), 0}},
    {SideGroup::kStyles, {FourCC("styl"), FourCC("FISH")}},
    {SideGroup::kTimings, {FourCC("SylA"), FourCC("WrdA")}},
    {SideGroup::kMusic, {FourCC("Musc"), 0}},
    {SideGroup::kColors, {FourCC("cLut"), 0}},
};

bool PrefOn(PrefShort field) {
    return GetPref(gThePreferences, field) != 0;
}

bool BookmarksAsMarks() {
    return PrefOn(kPrefSaveBookmarks) && GetPref(gThePreferences, kPrefBookmarkStorage) == 1;
}

void AddNamedResource(Handle data, ResType type, ResID id, const char* name) {
    Str255 pname;
    SetPString(pname, name);
    AddResource(data, type, id, pname);
    if (ResError() != noErr) {
        DisposeHandle(data);
        return;
    }
    WriteResource(data);
}

// A header followed by the bytes of a handle (nothing after the header for a null one).
Handle MakeHeadedResource(ResType tag, Handle content) {
    const Size contentSize = content ? GetHandleSize(content) : 0;
    Handle resource = NewHandle(kDocResourceHeaderSize + contentSize);
    if (!resource) return nullptr;
    WriteDocResourceHeader(reinterpret_cast<UInt8*>(*resource), tag);
    if (contentSize) std::memcpy(*resource + kDocResourceHeaderSize, *content, size_t(contentSize));
    return resource;
}

// While bookmarks are stored, the list as it is now is what is saved (bookmarks the user removed do not
// come back from the loaded file), as resources or as marks in the text. While they are not, the
// document's own stored bookmarks travel on as they came.
bool AddLiveBookmarks() {
    if (!PrefOn(kPrefSaveBookmarks)) return false;
    if (!gBookmarkList || gNumBookmarks <= 0 || GetPref(gThePreferences, kPrefBookmarkStorage) != 2)
        return true;
    if (Handle list = MakeHeadedResource(kBookmarkTag, gBookmarkList))
        AddNamedResource(list, FourCC("BkMk"), kSideDataID, "Bookmarks");
    if (gBookmarkNames)
        if (Handle names = MakeHeadedResource(kBookmarkTag, gBookmarkNames))
            AddNamedResource(names, FourCC("BmkN"), kSideDataID, "Bookmark Names");
    return true;
}

// Stops the operator set in this session are saved as they stand; a document without its own keeps what
// it came with (nothing, or a list this program could not read).
bool AddLiveTabs() {
    if (!gTabsAreCustom || !gTabList) return false;
    if (Handle tabs = MakeHeadedResource(kTabsTag, gTabList))
        AddNamedResource(tabs, FourCC("OVTb"), kSideDataID, "Tabs");
    return true;
}

bool AddLiveTimings() {
    if (!mySyllableArray || !gSyllableArrayCustom) return false;
    const UInt8 noName[1] = {0};
    if (Handle syllables = CopyArrayBigEndian(mySyllableArray)) {
        AddResource(syllables, FourCC("SylA"), kSideDataID, noName);
        WriteResource(syllables);
    }
    if (Handle words = CopyArrayBigEndian(myWordLineArray)) {
        AddResource(words, FourCC("WrdA"), kSideDataID, noName);
        WriteResource(words);
    }
    return true;
}

// Two length-prefixed strings: the music file's name and its folder. Names too long for that form are
// not written: the kept resource (if any) stands.
bool AddLiveMusic() {
    if (!gTheMusic || gMusicFileName.size() > 255 || gMusicPath.size() > 255) return false;
    Handle music = NewHandle(Size(gMusicFileName.size() + gMusicPath.size() + 2));
    if (!music) return false;
    UInt8* bytes = reinterpret_cast<UInt8*>(*music);
    bytes[0] = UInt8(gMusicFileName.size());
    std::memcpy(bytes + 1, gMusicFileName.data(), gMusicFileName.size());
    bytes[gMusicFileName.size() + 1] = UInt8(gMusicPath.size());
    std::memcpy(bytes + gMusicFileName.size() + 2, gMusicPath.data(), gMusicPath.size());
    const UInt8 noName[1] = {0};
    AddResource(music, FourCC("Musc"), kSideDataID, noName);
    WriteResource(music);
    return true;
}

// The live merge list, tagged for word swapping once when the save was asked for that. A document whose
// stored list was read is written from the live list alone (none when emptied); one whose list could not be
// read keeps what it came with.
bool AddLiveTextMerge() {
    const ResType tag = gSaveAsWordSwapFlag ? kWordSwapTag : kTextMergeTag;
    gSaveAsWordSwapFlag = false;
    if (!gTextMergeList || gNumTextMerge <= 0) {
        const KeptSideResource* kept = FindKeptSideResource(FourCC("TxMg"), kSideDataID);
        if (!kept) return true;
        Handle copy = nullptr;
        if (PtrToHand(kept->data.data(), &copy, Size(kept->data.size())) != noErr) return false;
        const bool read = CheckTextMergeCompatibility(copy, false) != 0 &&
                          SideResourceCountsFit(FourCC("TxMg"), kept->data, false);
        DisposeHandle(copy);
        return read;
    }
    if (Handle merge = MakeHeadedResource(tag, gTextMergeList))
        AddNamedResource(merge, FourCC("TxMg"), kSideDataID, "Text Merge");
    return true;
}

bool AddLiveColors() {
    if (!gColorsCustom || !gOVColors) return false;
    Handle colors = gOVColors;
    if (HandToHand(&colors) != noErr) return false;
    AddNamedResource(colors, FourCC("cLut"), kSideDataID, "Custom Colors");
    return true;
}

// True when the group was written from live data (or the live data says it is not to be written).
bool AddLiveGroup(SideGroup group) {
    switch (group) {
    case SideGroup::kBookmarks:
        return AddLiveBookmarks();
    case SideGroup::kPreferences:
        if (PrefOn(kPrefSaveWithDocument)) AddDocumentPreferences();
        return true;
    case SideGroup::kStyles:
        if (myStyle && PrefOn(kPrefStyledText)) {
            AddStyleResource(myStyle);
            AddFontTableResource(myStyle);
        }
        return true;
    case SideGroup::kTabs:
        return AddLiveTabs();
    case SideGroup::kTimings:
        return AddLiveTimings();
    case SideGroup::kMusic:
        return AddLiveMusic();
    case SideGroup::kColors:
        return AddLiveColors();
    case SideGroup::kTextMerge:
        return AddLiveTextMerge();
    default: // hypertext, mandalas and overlays travel as the document had them
        return false;
    }
}

void AddKept(const KeptSideResource& kept) {
    Handle data = nullptr;
    if (PtrToHand(kept.data.data(), &data, Size(kept.data.size())) != noErr) return;
    Str255 name;
    SetPString(name, kept.name);
    AddResource(data, kept.type, kept.id, name);
    if (ResError() != noErr) {
        DisposeHandle(data);
        return;
    }
    WriteResource(data);
}

bool InSaveOrder(ResType type) {
    for (const SideGroupTypes& entry : kSaveOrder)
        if (entry.types[0] == type || entry.types[1] == type) return true;
    return false;
}

// Writes the new side file complete into a temporary file beside the old one, with the check of the text
// as it goes to disk; *empty tells that it has no side data at all (then there is to be no side file).
OSErr WriteSideFileBeside(const std::string& sidePath, std::span<const UInt8> text, std::string& tempPath,
                          bool* empty) {
    tempPath = sidePath + ".saving";
    DeleteFile(tempPath);
    CreateResFile(tempPath);
    if (OSErr err = ResError(); err != noErr) return err;
    const ResFileRefNum previous = CurResFile();
    const ResFileRefNum file = OpenResFile(tempPath, fsRdWrPerm);
    if (file == -1) {
        const OSErr err = ResError();
        DeleteFile(tempPath);
        return err;
    }
    for (const SideGroupTypes& entry : kSaveOrder) {
        if (AddLiveGroup(entry.group)) continue;
        for (ResType type : entry.types)
            for (const KeptSideResource& kept : gKeptSideResources)
                if (type != 0 && kept.type == type) AddKept(kept);
    }
    // Resources of kinds this program does not know travel with the document as they came.
    for (const KeptSideResource& kept : gKeptSideResources)
        if (!InSaveOrder(kept.type)) AddKept(kept);
    *empty = Count1Types() == 0;
    // Side data names places in the text it was saved with; the check lets a load tell that text apart.
    if (!*empty) AddTextCheck(text);
    CloseResFile(file);
    const OSErr err = ResError();
    if (previous != 0) UseResFile(previous);
    if (err != noErr) DeleteFile(tempPath);
    return err;
}

void ReportSaveFailure(OSErr err) {
    SysBeep(1);
    std::string reason = DescribeFileError(err);
    DoErrorMessageText("\"" + Utf8ToMacRoman(gOutName) + "\" could not be saved (" + reason +
                       "); the file on disk was left as it was.");
}

// The current text as it goes to disk: with the bookmark marker characters when bookmarks are kept that
// way, in the encoding and line ends of the script's file (RTF when it came as RTF). The text in memory
// stays as it is, so a marker-like character the user typed survives the save, and the style runs keep
// counting its characters whatever the bytes on disk.
std::vector<UInt8> TextForDisk() {
    if (gTextHasChanged) GetNewText(0);
    std::vector<UInt8> bytes;
    if (myTextResource) {
        const UInt8* text = reinterpret_cast<const UInt8*>(*myTextResource);
        bytes.assign(text, text + GetHandleSize(myTextResource));
    }
    if (BookmarksAsMarks()) AddBookmarksToText(bytes);
    if (gScriptFileFormat.encoding == TextFileEncoding::Rtf) {
        const std::string rtf = _WEMakeRtf(bytes.data(), SInt32(bytes.size()), myStyle);
        return std::vector<UInt8>(rtf.begin(), rtf.end());
    }
    return EncodeTextForFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                             gScriptFileFormat);
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// Saving over the file whose characters came in as '?' writes the '?' into it: the user decides first.
bool MayReplaceUnheldCharacters(const std::string& path) {
    if (gFileWithUnheldCharacters.empty() || !SameFile(path, gFileWithUnheldCharacters)) return true;
    if (!DoEditCustomWarning(kReplaceUnheldQuestion)) {
        gIGotCancelled = true;
        return false;
    }
    return true;
}

// A complete copy of a file beside it, named in keptPath; noErr with no copy when the file does not exist.
OSErr KeepCopy(const std::string& path, std::string& keptPath) {
    keptPath.clear();
    if (!FileExists(path)) return noErr;
    std::vector<UInt8> bytes;
    if (OSErr err = ReadWholeFile(path, bytes); err != noErr) return err;
    return WriteFileBeside(path, bytes, keptPath);
}

// The kept copies of the old text and side file become the backup and its side file, so the backup opens
// whole. The save itself is already done when this runs.
OSErr MakeBackup(const std::string& path, const std::string& keptText, const std::string& keptSide) {
    const std::string backup = path + ".bak";
    if (OSErr err = RenameFile(keptText, backup); err != noErr) return err;
    if (keptSide.empty()) {
        DeleteFile(SideFilePath(backup));
        return noErr;
    }
    return RenameFile(keptSide, SideFilePath(backup));
}

void ReportBackupFailure(OSErr err) {
    DoErrorMessageText("\"" + Utf8ToMacRoman(gOutName) + "\" was saved, but its backup could not be kept (" +
                       DescribeFileError(err) + ").");
}

void BecomeTextDocument(const std::string& path) {
    gIsTextFile = kTextDocument;
    gIsDos = 0;
    EnableWhenFile(false);
    gPathSpec = path;
    if (SetScriptMenu(false)) {
        gSelectText = 1;
        if (CountScriptMenuItems() > 0) {
            if (const SInt16 item = FindScriptMenuItem(gCurrentScriptName); item > 0) gSelectText = item;
            CheckScriptMenuItem(SInt16(gSelectText));
            EnableWhenSelect();
        }
    }
}

} // namespace

OSErr DoSave(SInt16 kind) {
    if (kind >= 0) {
        GetOutFile(kind);
        return noErr;
    }
    gSaveInProgress = false;
    if (BookmarksAsMarks())
        while (gBookmarkCharacter == 0)
            if (!GetMarkCharacter()) return kSaveCancelled;

    const std::string path = gOutPath + gOutName;
    if (!MayReplaceUnheldCharacters(path)) return kSaveCancelled;
    const std::string sidePath = SideFilePath(path);
    RemoveSaveLeftovers(path);
    const std::vector<UInt8> text = TextForDisk();
    std::string textTemp;
    if (OSErr err = WriteFileBeside(path, text, textTemp); err != noErr) {
        ReportSaveFailure(err);
        return err;
    }
    std::string sideTemp;
    bool sideEmpty = true;
    if (OSErr err = WriteSideFileBeside(sidePath, text, sideTemp, &sideEmpty); err != noErr) {
        DeleteFile(textTemp);
        ReportSaveFailure(err);
        return err;
    }

    // The old text and side file stay whole on disk until the new pair is in place: the text is renamed
    // first, and when the side file then cannot follow, the old text comes back from a kept copy. The
    // copies also become the backup.
    const bool existed = FileExists(path);
    const bool backup = existed && PrefOn(kPrefMakeBackups);
    // A document without side data still gets an empty side file when one of the earlier name lies beside
    // it, so that the old side data is not read back in on the next load.
    const std::string earlier = EarlierSideFilePath(path);
    const bool renameSide = !sideEmpty || (!earlier.empty() && FileExists(earlier));
    std::string keptText, keptSide;
    OSErr err = noErr;
    if (existed && (backup || renameSide)) err = KeepCopy(path, keptText);
    if (err == noErr && backup) err = KeepCopy(sidePath, keptSide);
    if (err == noErr) err = RenameFile(textTemp, path);
    bool saved = false;
    if (err == noErr) {
        if (renameSide) err = RenameFile(sideTemp, sidePath);
        saved = err == noErr;
        if (!saved) {
            if (!existed)
                DeleteFile(path);
            else if (RenameFile(keptText, path) != noErr)
                keptText.clear(); // the only whole copy of the old text now: it stays beside the document
        } else if (!renameSide && FileExists(sidePath)) {
            DeleteFile(sidePath);
        }
    }
    OSErr backupErr = noErr;
    if (saved && backup) backupErr = MakeBackup(path, keptText, keptSide);
    for (const std::string* temp : {&textTemp, &sideTemp, &keptText, &keptSide})
        if (!temp->empty() && FileExists(*temp)) DeleteFile(*temp);
    if (!saved) {
        ReportSaveFailure(err);
        return err;
    }
    if (backupErr != noErr) ReportBackupFailure(backupErr);
    if (!gFileWithUnheldCharacters.empty() && SameFile(path, gFileWithUnheldCharacters))
        gFileWithUnheldCharacters.clear();
    gDontQuitWithoutSaving = false;
    gDoOpenChangedFile = false;
    BecomeTextDocument(path);
    AddToRecentFiles();
    return noErr;
}
