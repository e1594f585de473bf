// Files chosen for a purpose rather than opened as the document: a queue element, bookmark names,
// text-merge entries, the background music and the nonverbal-cue text.
#include "foundation/script_file_checks.h"
#include "media/media_services.h"
#include "platform/dialogs.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "scroll/bookmarks.h"
#include "scroll/prompter_window.h"
#include "scroll/tool_windows.h"
#include "shell/file_opening.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

#include <cstring>

namespace {

constexpr SInt16 kQueueDialogNameItem = 9;
constexpr SInt16 kQueueDialogSampleItem = 30;
constexpr SInt16 kReplaceQueueElement = 1, kInsertQueueElement = 2;

// The text of the file, or an empty text when it cannot be read.
std::string ReadTextOfFile(const std::string& path) {
    Handle text = nullptr;
    if (ReadWholeTextFile(path, &text, nullptr, nullptr) != noErr || !text) return {};
    std::string result(*text, size_t(GetHandleSize(text)));
    DisposeHandle(text);
    return result;
}

void AddQueueElement(const std::string& folder, const std::string& name) {
    if (!gQueueDialog) {
        const SInt32 former = GetQueueElementCount(gQueue);
        if (AddToQueueList(gQueue, -1) != noErr) return;
        if (GetQueueOpeningIndex(gQueue) == -1) SetQueueOpeningIndex(gQueue, former);
        SetQueueElementFile(gQueue, former, name, folder);
        gQueueIsDirty = true;
        if (SetScriptMenu(true)) EnableWhenFile(false);
        return;
    }
    if (gQueueOpenFlag == kReplaceQueueElement) {
        SetQueueElementFile(gQueueForDialog, gQueueDialogCurrent, name, folder);
        ChangeQueueList(gQueueForDialog, gQueueDialogCurrent);
        squeuechanged = true;
        Str255 shown;
        SetPString(shown, Utf8ToMacRoman(name));
        SetDialogItemText(gQueueDialog, kQueueDialogNameItem, shown);
        const std::string queueFolder = GetQueueFolder(gQueueForDialog);
        bool inQueueFolder = false;
        if (Handle sample = GetSampleQueueText(name, folder, queueFolder, true, &inQueueFolder))
            DisposeHandle(sample);
        if (inQueueFolder) SetQueueElementFile(gQueueForDialog, gQueueDialogCurrent, name, queueFolder);
    } else if (gQueueOpenFlag == kInsertQueueElement) {
        const SInt32 former = GetQueueElementCount(gQueueForDialog);
        if (AddToQueueList(gQueueForDialog, gQueueDialogCurrent) != noErr) return;
        // The new element follows the current one and becomes current itself.
        gQueueDialogCurrent = gQueueDialogCurrent == -1 ? former : gQueueDialogCurrent + 1;
        SetQueueElementFile(gQueueForDialog, gQueueDialogCurrent, name, folder);
        FillQueueList(gQueueForDialog);
        FillQueueItemFields(gQueueDialogCurrent, GetQueueElementCount(gQueueForDialog));
        squeuechanged = true;
    }
    DrawQueueSample(gQueueDialog, kQueueDialogSampleItem);
}

void NameBookmarksFromFile(const std::string& path) {
    const std::string text = ReadTextOfFile(path);
    const std::vector<std::string> names = GetBookmarkNamesFromText(text, gNumBookmarks);
    for (size_t i = 0; i < names.size(); ++i) {
        const SInt16 slot = SInt16(i);
        Str255 name;
        SetPString(name, names[i]);
        SetBookmarkName(slot, name);
        const SInt32 offset = gBookmarkList && GetHandleSize(gBookmarkList) >= Size(i + 1) * 4
                                  ? reinterpret_cast<const SInt32*>(*gBookmarkList)[i]
                                  : -1;
        SetBookmarkMenuItem(offset, SInt16(slot + 1), 0);
        SetBookmarkListText(slot);
    }
}

void ReadTextMergeFile(const std::string& path) {
    const std::string text = ReadTextOfFile(path);
    if (gTextMergeList) DisposeHandle(gTextMergeList);
    gTextMergeList = nullptr;
    gNumTextMerge = 0;
    for (const TextMergeLines& entry : GetTextMergeEntriesFromText(text)) {
        const SInt32 n = gNumTextMerge;
        if (!AddTextMergeText()) break;
        const std::string* fields[3] = {&entry.keyword, &entry.replaceWith, &entry.prompt};
        for (SInt16 field = 0; field < 3; ++field) {
            Str255 value;
            SetPString(value, *fields[field]);
            SetTextMergeText(n, field, value);
        }
    }
    OpenTextMergeWindow();
    PutTextMergeInList();
    gDontQuitWithoutSaving = true;
    gDoOpenChangedFile = true;
}

void OpenBackgroundMusic(const std::string& folder, const std::string& name) {
    gMusicPath = folder;
    gMusicFileName = name;
    gTheMusic = CloseTheMusic(gTheMusic);
    bool inAlternate = false;
    gTheMusic = GetTheMusic(name, folder, gInPath, &inAlternate, myScrollWindowAlias);
    CreateWindowName(false);
}

void ReadNonverbalText(const std::string& path) {
    const std::string text = ReadTextOfFile(path);
    if (myNonverbalText) DisposeHandle(myNonverbalText);
    myNonverbalText = nullptr;
    if (gNonverbalWordLineArray) DisposeHandle(gNonverbalWordLineArray);
    gNonverbalWordLineArray = nullptr;
    gTotalNonverbalWords = 0;
    if (PtrToHand(text.data(), &myNonverbalText, Size(text.size())) != noErr) return;
    PutNonverbalTextInBox();
    UpdateNonverbalWindow();
}

} // namespace

SInt16 UseFileForPurpose(const std::string& path) {
    std::string folder, name;
    SplitFilePath(path, folder, name);
    // A file read as text for a purpose is refused as a document would be, before what it replaces goes.
    if (gIdflag == kOpenBookmarkNames || gIdflag == kOpenTextMerge || gIdflag == kOpenNonverbalText)
        if (const OSErr err = CheckScriptFile(path, true); err != noErr) {
            ReportScriptFileProblem(path, err);
            return err;
        }
    switch (gIdflag) {
    case kOpenQueueElement:
        AddQueueElement(folder, name);
        ShowScriptOfScriptsMenu();
        return 1;
    case kOpenBookmarkNames:
        NameBookmarksFromFile(path);
        return 0;
    case kOpenTextMerge:
        ReadTextMergeFile(path);
        return 0;
    case kOpenMusic:
        OpenBackgroundMusic(folder, name);
        return 0;
    case kOpenNonverbalText:
        ReadNonverbalText(path);
        return 0;
    default:
        return kNotAPurposeFile;
    }
}
