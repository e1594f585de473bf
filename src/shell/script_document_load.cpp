// Loading a script into the document globals: the text from a text document, a resource script file or
// a queue element, then its styles, timing arrays, music and side data.
#include "foundation/script_file_checks.h"
#include "foundation/text_import.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/bytes.h"
#include "platform/events.h"
#include "platform/file_io.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/doc_resource_header.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_engine.h"
#include "scroll/tab_stops.h"
#include "shell/about_box.h"
#include "shell/file_opening.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "textengine/text_effect_globals.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr ResID kSideDataID = 128;
constexpr SInt16 kMergeMacroID = 41;
constexpr ResType kTextType = FourCC("TEXT");
constexpr ResType kWordArrayType = FourCC("WrdA");
constexpr ResType kSyllableArrayType = FourCC("SylA");
constexpr ResType kMusicType = FourCC("Musc");
constexpr SInt16 kTextWasCutDialog = 134;

// The resources the loader turns into live data; everything else of a text document is kept as read.
// The text check is made anew by every save.
constexpr ResType kConsumedTypes[] = {FourCC("styl"), FourCC("FISH"), kWordArrayType, kSyllableArrayType,
                                      FourCC("fPrf"), FourCC("Shap"), kTextCheckType};
// What a resource script file shares among its scripts (from ID 128 up).
constexpr ResType kSharedSideDataTypes[] = {FourCC("BkMk"), FourCC("BmkN"), FourCC("OVTb"), FourCC("TxMg"),
                                            FourCC("HyTx"), FourCC("HyDt"), FourCC("Mndl"), FourCC("OvLy")};

Handle DetachOwnResource(ResType type, ResID id) {
    Handle resource = Get1Resource(type, id);
    if (resource) DetachResource(resource);
    return resource;
}

// The music named by 'Musc' id: two length-prefixed strings, the file name and its folder.
void LoadDocumentMusic(ResID id, const std::string& documentFolder) {
    Handle music = Get1Resource(kMusicType, id);
    if (!music) {
        gTheMusic = CloseTheMusic(gTheMusic);
        return;
    }
    const std::span<const UInt8> bytes(reinterpret_cast<const UInt8*>(*music), size_t(GetHandleSize(music)));
    std::string name;
    std::string folder;
    if (!bytes.empty() && size_t(bytes[0]) + 2 <= bytes.size() &&
        size_t(bytes[0]) + 2 + bytes[bytes[0] + 1] <= bytes.size()) {
        name.assign(PStringView(bytes.data()));
        folder.assign(PStringView(&bytes[bytes[0] + 1]));
    }
    ReleaseResource(music);
    if (name.empty()) return;
    bool foundInDocumentFolder = false;
    Movie found = GetTheMusic(name, folder, documentFolder, &foundInDocumentFolder, nullptr);
    if (!found) return;
    gMusicFileName = name;
    gMusicPath = foundInDocumentFolder ? documentFolder : folder;
    gTheMusic = CloseTheMusic(gTheMusic);
    gTheMusic = found;
}

// The styles, timing arrays and music that belong to one script (its own ID), from the current file.
void LoadScriptCompanions(ResID id, bool wantStyles, const std::string& documentFolder) {
    if (wantStyles) {
        myStyle = LoadStyleResource(id, true);
        ApplyStoredFontTable(id, myStyle, gOutName);
    }
    myWordLineArray = DetachOwnResource(kWordArrayType, id);
    SwapArrayToHost(myWordLineArray);
    mySyllableArray = DetachOwnResource(kSyllableArrayType, id);
    SwapArrayToHost(mySyllableArray);
    if (mySyllableArray) gSyllableArrayCustom = true;
    LoadDocumentMusic(id, documentFolder);
}

// A copy of a kept side resource as a handle that the checks may change; null when there is none.
Handle CopyOfKept(ResType type, ResID id) {
    const KeptSideResource* kept = FindKeptSideResource(type, id);
    Handle copy = nullptr;
    if (kept && PtrToHand(kept->data.data(), &copy, Size(kept->data.size())) != noErr) return nullptr;
    return copy;
}

void LoadBookmarks(const std::string& documentName) {
    Handle list = CopyOfKept(FourCC("BkMk"), kSideDataID);
    if (!list) return;
    CheckBookmarkCompatibility(&list, true);
    // Slot by slot as stored, empty slots included, so that the names stay with their bookmarks.
    for (Size at = 0; list && at + 4 <= GetHandleSize(list); at += 4) {
        SInt32 offset;
        std::memcpy(&offset, *list + at, 4);
        AppendStoredBookmark(offset);
    }
    if (list) DisposeHandle(list);

    Handle names = CopyOfKept(FourCC("BmkN"), kSideDataID);
    if (!names) return;
    const bool swapped = CheckBookmarkNamesSwapped(&names);
    const std::span<const UInt8> bytes(reinterpret_cast<const UInt8*>(*names), size_t(GetHandleSize(names)));
    if (!SideResourceCountsFit(FourCC("BmkN"), bytes, swapped)) {
        ReportDamagedSideResource(FourCC("BmkN"), documentName);
    } else if (bytes.size() > kDocResourceHeaderSize) {
        Handle taken = nullptr;
        if (PtrToHand(bytes.data() + kDocResourceHeaderSize, &taken,
                      Size(bytes.size() - kDocResourceHeaderSize)) == noErr) {
            if (swapped) std::swap((*taken)[0], (*taken)[1]);
            if (gBookmarkNames) DisposeHandle(gBookmarkNames);
            gBookmarkNames = taken;
        }
    }
    DisposeHandle(names);
}

// The document's own tab stops. A list whose header is not ours is left alone as before; one with our
// header but an impossible count, unknown kinds or positions out of order is reported once and the
// default stops are used.
void LoadTabs(const std::string& documentName) {
    Handle tabs = CopyOfKept(FourCC("OVTb"), kSideDataID);
    bool accepted = tabs && GetHandleSize(tabs) >= Size(kDocResourceHeaderSize + sizeof(TabList)) &&
                    CheckTabCompatibility(&tabs, true);
    TabList list{};
    if (accepted) {
        std::memcpy(&list, reinterpret_cast<const UInt8*>(*tabs) + kDocResourceHeaderSize, sizeof list);
        if (!TabListIsSound(list)) {
            ReportDamagedSideResource(FourCC("OVTb"), documentName);
            accepted = false;
        }
    }
    if (accepted) {
        if (!gTabList) gTabList = NewHandleClear(sizeof(TabList));
        if (gTabList) std::memcpy(*gTabList, &list, sizeof list);
    } else if (gTabList) {
        DisposeHandle(gTabList);
        gTabList = nullptr;
    }
    gTabsAreCustom = accepted && gTabList;
    if (tabs) DisposeHandle(tabs);
}

// Passes a copy of the kept resource through its header check and, when that accepts it, checks its
// counts in the order it was written in (a tag the check had to swap came from the other order).
void CheckKeptCounts(ResType type, SInt16 (*check)(Handle, bool), const std::string& documentName) {
    Handle copy = CopyOfKept(type, kSideDataID);
    if (!copy) return;
    UInt8 tagBefore[4] = {};
    std::memcpy(tagBefore, *copy, size_t(std::min<Size>(4, GetHandleSize(copy))));
    if (check(copy, true)) {
        const bool swapped = std::memcmp(tagBefore, *copy, 4) != 0;
        const std::span<const UInt8> bytes(reinterpret_cast<const UInt8*>(*copy),
                                           size_t(GetHandleSize(copy)));
        if (!SideResourceCountsFit(type, bytes, swapped)) ReportDamagedSideResource(type, documentName);
    }
    DisposeHandle(copy);
}

// The merge entries after the header, when the header is one this program writes and every string lies
// within the data (a word-swap header also asks for the word swap dialog). A damaged list is left kept as
// it came, for the next save to write back.
void LoadTextMerge() {
    Handle copy = CopyOfKept(FourCC("TxMg"), kSideDataID);
    if (!copy) return;
    const std::span<const UInt8> bytes(reinterpret_cast<const UInt8*>(*copy), size_t(GetHandleSize(copy)));
    if (CheckTextMergeCompatibility(copy, false) && bytes.size() >= size_t(kDocResourceHeaderSize) &&
        SideResourceCountsFit(FourCC("TxMg"), bytes, false))
        UseTextMergeData(bytes.data() + kDocResourceHeaderSize, Size(bytes.size()) - kDocResourceHeaderSize);
    DisposeHandle(copy);
}

// Side data whose owners keep it elsewhere: checked here so that a damaged or foreign resource is
// reported at once; the bytes themselves stay kept for the next save.
void CheckOtherSideData(const std::string& documentName) {
    CheckKeptCounts(FourCC("TxMg"), CheckTextMergeCompatibility, documentName);
    CheckKeptCounts(FourCC("HyTx"), CheckHypertextCompatibility, documentName);
    for (ResID id = kSideDataID; Handle mandala = CopyOfKept(FourCC("Mndl"), id); ++id) {
        CheckSpiroCompatibility(mandala, true);
        DisposeHandle(mandala);
    }
    for (ResID id = kSideDataID; Handle overlay = CopyOfKept(FourCC("OvLy"), id); ++id) {
        CheckOverlayCompatibility(overlay, true);
        DisposeHandle(overlay);
    }
}

// Without document preferences, recorded syllable pacing cannot stand without its syllable times.
void ResetPacingWithoutSyllables() {
    if (GetPref(gThePreferences, kPrefPacingMode) != 5 || mySyllableArray) return;
    const SInt16 mode = GetPref(gDefaultPreferences, kPrefPacingMode);
    SetPref(gThePreferences, kPrefPacingMode, mode);
    constexpr std::pair<UInt16, UInt16> kSpeedOfMode[] = {{4, 2}, {644, 2}, {646, 4}, {4132, 4}, {4136, 4}};
    if (mode >= 0 && mode < SInt16(std::size(kSpeedOfMode))) {
        const auto [at, width] = kSpeedOfMode[mode];
        std::memcpy(gThePreferences.bytes + at, gDefaultPreferences.bytes + at, width);
    }
}

void UseMusicSyllableTimes() {
    if (!gTheMusic || !mySyllableArray) return;
    if (GetPref(gThePreferences, kPrefCuePositionKind) == 7)
        SetPref(gThePreferences, kPrefCuePositionKind, 0);
    SetPref(gThePreferences, kPrefPositionsFromCue, 1);
    SetPref(gThePreferences, kPrefPacingMode, 5);
    if (GetPref(gThePreferences, kPrefHighlightKind) == kHighlightNone) {
        const SInt16 last = GetPref(gThePreferences, kPrefLastHighlightKind);
        SetPref(gThePreferences, kPrefHighlightKind, last != kHighlightNone ? last : kHighlightBall);
    }
}

// The text of a text document; null when there is none (missing, empty, unreadable). *folder becomes the
// folder it was found in.
Handle ReadDocumentText(bool* cut, std::string* folder) {
    Handle text = nullptr, styles = nullptr;
    TextFileFormat format;
    OSErr error = ReadWholeTextFile(*folder + gOutName, &text, &styles, cut, &format);
    // A queue's element may have moved with the queue's own folder.
    if (error == fnfErr && gQueue) {
        error = ReadWholeTextFile(GetQueueFolder(gQueue) + gOutName, &text, &styles, cut, &format);
        if (error == noErr) *folder = GetQueueFolder(gQueue);
    }
    // A document named by a queue or the recent files that cannot be read as a script says why.
    if (error != noErr) {
        ReportScriptFileProblem(*folder + gOutName, error);
        return nullptr;
    }
    myStyle = styles;
    gScriptFileFormat = format;
    if (format.unheldCharacters > 0) gFileWithUnheldCharacters = *folder + gOutName;
    return text;
}

// What reading a document's text found: the text (null when there is none), the folder it was found in
// and whether it was cut to fit.
struct DocumentText {
    Handle text = nullptr;
    std::string folder;
    bool cut = false;
};

// A text document's text and, from its side file, the companions the text needs; false, with a beep, when
// there is no document to read.
bool ReadTextDocument(DocumentText& found, ResFileRefNum previous) {
    if (gOutName.empty()) {
        SysBeep(1);
        return false;
    }
    found.text = ReadDocumentText(&found.cut, &found.folder);
    // What a save that was cut short left beside the document is finished or cleared away first.
    if (found.text) {
        CompleteInterruptedSave(found.folder + gOutName);
        RemoveSaveLeftovers(found.folder + gOutName);
    }
    // A text with CR-LF line ends from another system has no side data of ours; one this program saved
    // that way has its side file under the document's whole name.
    if (found.text && (!gIsDos || FileExists(SideFilePath(found.folder + gOutName)))) {
        const ResFileRefNum side = OpenDocumentResources(found.folder + gOutName, false, false);
        if (side != -1)
            LoadScriptCompanions(kSideDataID, myStyle == nullptr, found.folder);
        else
            gTheMusic = CloseTheMusic(gTheMusic);
        CloseDocumentResources(side, previous);
    }
    return true;
}

// Script n of a resource script file with its companions; false, with beeps, when the file cannot be
// opened where it was or beside the queue.
bool ReadResourceScript(DocumentText& found, SInt16 n, ResFileRefNum previous) {
    ResFileRefNum file = OpenDocumentResources(found.folder + gOutName, true, false);
    if (file == -1 && gQueue) {
        found.folder = GetQueueFolder(gQueue);
        file = OpenDocumentResources(found.folder + gOutName, true, false);
    }
    if (file == -1) {
        SysBeep(1);
        CloseDocumentResources(-1, previous);
        SysBeep(1);
        return false;
    }
    if (Handle script = Get1IndResource(kTextType, n)) {
        ResID scriptID = kSideDataID;
        ResType ignored = 0;
        GetResInfo(script, &scriptID, &ignored, nullptr);
        DetachResource(script);
        found.text = script;
        LoadScriptCompanions(scriptID, true, found.folder);
    } else {
        for (int i = 0; i < 3; ++i)
            SysBeep(1);
    }
    CloseDocumentResources(file, previous);
    return true;
}

// Makes the text the script's, in place of the names and links of the document before it.
void InstallDocumentText(const DocumentText& found) {
    UseMusicSyllableTimes();
    myTextResource = found.text;
    // A save goes where the document was found.
    gOutPath = found.folder;
    if (gBookmarkNames) {
        DisposeHandle(gBookmarkNames);
        gBookmarkNames = nullptr;
    }
    if (gHypertextList) UnsetHypertext(-1);
    // The merge list and its word-swap request belong to the document that goes.
    UseTextMergeData(nullptr, 0);
    gFlagDoWordSwap = false;
}

// The side resources the document's own owners take (bookmarks, tabs, document preferences) and the
// ones kept for the next save; without a side file the custom tabs go.
void LoadSideResources(const std::string& folder, bool resourceScript, ResFileRefNum previous) {
    const std::string documentName = gOutName;
    const ResFileRefNum side = OpenDocumentResources(folder + gOutName, resourceScript, true);
    if (side == -1) {
        if (gTabList) {
            DisposeHandle(gTabList);
            gTabList = nullptr;
        }
        gTabsAreCustom = false;
    } else {
        if (resourceScript)
            KeepCurrentFileResources(kSharedSideDataTypes, true);
        else
            KeepCurrentFileResources(kConsumedTypes, false);
        LoadBookmarks(documentName);
        LoadTabs(documentName);
        CheckOtherSideData(documentName);
        LoadTextMerge();
        if (!LoadDocumentPreferences(documentName)) ResetPacingWithoutSyllables();
    }
    CloseDocumentResources(side, previous);
}

// The word, line and syllable totals, then what the loaded document asks for: the cut notice, its merge
// fields' values and the bookmark menu of marks.
void FinishLoadedText(bool cut) {
    if (myWordLineArray) {
        gTotalLines = -1;
        gTotalWords = GetHandleSize(myWordLineArray) / Size(sizeof(WordLineRec)) - 1;
    } else {
        MeasureScriptText();
    }
    if (mySyllableArray) gTotalSyllables = GetHandleSize(mySyllableArray) / Size(sizeof(SyllableRec)) - 1;
    if (cut) DoAbout(kTextWasCutDialog);
    // A document with merge fields asks for their values and runs the standard merge macro.
    if (GetPref(gThePreferences, kPrefAllowTextMerge) != 0 && !gFlagDoWordSwap &&
        CheckForTextMergeFunction(gTextMergeList, gNumTextMerge) &&
        PerformMergeFunction(gTextMergeList, gNumTextMerge) != 0)
        RunMacroByID(kMergeMacroID);
    // Only a document whose bookmarks are kept as marks loses its marker characters: the same character
    // is ordinary text (µ) in every other script.
    if (GetPref(gThePreferences, kPrefSaveBookmarks) != 0 &&
        GetPref(gThePreferences, kPrefBookmarkStorage) == 1)
        SetBookmarkMenu(true);
}

} // namespace

void DisposeDocumentText() {
    if (myTextResource) DisposeHandle(myTextResource);
    if (myStyle) DisposeHandle(myStyle);
    if (myWordLineArray) DisposeHandle(myWordLineArray);
    if (mySyllableArray) DisposeHandle(mySyllableArray);
    myTextResource = myStyle = myWordLineArray = mySyllableArray = nullptr;
    gTotalWords = gTotalLines = gTotalSyllables = 0;
    gScriptFileFormat = kNewScriptFormat;
    gFileWithUnheldCharacters.clear();
    // What was typed into the prompter belonged to the text that goes: it must not be taken back over the
    // new one when the prompter is filled again.
    gTextHasChanged = false;
}

bool GetText(SInt16 n) {
    DisposeDocumentText();
    gKeptSideResources.clear();
    // With a queue loaded, its element n names the document, whatever kind the last one was.
    if (gQueue && !SetDocumentFromQueueElement(n - 1)) return false;
    gSyllableArrayCustom = false;
    // Where the document was found: its own folder, or the queue's when it moved with the queue.
    DocumentText found;
    found.folder = gOutPath;
    const bool resourceScript = gIsTextFile == kResourceScriptFile;
    const ResFileRefNum previous = CurResFile();
    if (!(resourceScript ? ReadResourceScript(found, n, previous) : ReadTextDocument(found, previous)))
        return false;

    CleanUpBookmarkList(1);
    if (!found.text) {
        if (found.cut) DoAbout(kTextWasCutDialog);
        return false;
    }
    InstallDocumentText(found);
    LoadSideResources(found.folder, resourceScript, previous);
    FinishLoadedText(found.cut);
    return true;
}

bool ShowText(SInt16 n) {
    if (!GetText(n)) return false;
    PutScrollTextInBox(false);
    for (SInt32 link = GetNextOnOpenHyper(gHypertextList, gNumHypertext, -1); link >= 0;
         link = GetNextOnOpenHyper(gHypertextList, gNumHypertext, link)) {
        SInt16 type = 0;
        Handle parameter = nullptr;
        if (GetHypertextLinkAction(link, &type, &parameter)) ExecuteThisHyper(type, parameter);
    }
    if (GetPref(gThePreferences, kPrefSeparateEditWindow) != 0) PutEditTextInBox();
    return true;
}
