// Inserting text: another document's text with its styles, bookmarks and names at the prompter's
// selection, and the one routine through which inserted text enters the prompter, the edit window or
// the macro editor.
#include "foundation/text_in_place.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_windows.h"
#include "platform/events.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/about_box.h"
#include "shell/desktop_events.h"
#include "shell/file_opening.h"
#include "shell/periodic_timer.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "textengine/text_engine.h"

#include <vector>

namespace {

constexpr SInt16 kInsertPrompt = 25;
constexpr SInt16 kInsertTextKind = -8;
constexpr SInt16 kTextCutDialog = 134;
constexpr SInt16 kUndoTextAndStyle = 15;
constexpr SInt16 kUndoMacroEditor = 240;
constexpr SInt32 kUpdateDelayTicks = 300;
constexpr ResID kDocumentResourceID = 128;

void InsertIntoPrompter(const void* text, SInt32 length, Handle styles, SInt32* startOut, bool keepSaved,
                        bool noUndo) {
    if (!noUndo) StoreUndoInfo(kUndoTextAndStyle);
    if (!keepSaved) gDontQuitWithoutSaving = true;
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    if (startOut) *startOut = start;
    // Styles too damaged to use leave the text to go in plain, as in the edit window below.
    if (WEInsert(text, length, styles, nullptr, ScrollWEHandle, 0) == weBadStyleScrapErr)
        WEInsert(text, length, nullptr, nullptr, ScrollWEHandle, 0);
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    if (!noUndo) {
        gWaitToUpdateWordCount = kUpdateDelayTicks;
        gTextHasChanged = true;
        GetNewText(1);
    }
    AdjustBookmarks(start, length, end - start);
    gSyllableArrayCustom = false;
    if (EditWEHandle) {
        WESetSelection(SetRealEditPosition(start), SetRealEditPosition(end), 0, EditWEHandle);
        WEInsert(text, length, nullptr, nullptr, EditWEHandle, 0);
        AdjustFakeReturns(start, length - (end - start));
        gReformatEditTextCount = kUpdateDelayTicks;
    }
}

void InsertThroughEditWindow(const void* text, SInt32 length, Handle styles, SInt32* startOut, bool noUndo) {
    SInt32 editStart = 0, editEnd = 0, ownStart = 0, ownEnd = 0;
    WEGetSelection(&editStart, &editEnd, 0, EditWEHandle);
    WEGetSelection(&ownStart, &ownEnd, 0, ScrollWEHandle);
    WESetSelection(GetRealEditPosition(editStart), GetRealEditPosition(editEnd), 0, ScrollWEHandle);
    InsertIntoPrompter(text, length, styles, startOut, false, noUndo);
    WESetSelection(ownStart, ownEnd, 0, ScrollWEHandle);
}

void InsertIntoMacroEditor(const void* text, SInt32 length) {
    StoreUndoInfo(kUndoMacroEditor);
    WEInsert(text, length, nullptr, nullptr, MacroEditWEHandle, 0);
    WECalText(MacroEditWEHandle);
    MacroEditorRecalText();
    SetMacroEditorWindowScrolls();
    GetCurrentMacroEditorPos();
    GetNewMacroEditorText();
}

// A resource script file gives its first script with that script's styles; null when it has none.
OSErr ReadFirstResourceScript(const std::string& path, Handle* text, Handle* styles) {
    const ResFileRefNum saved = CurResFile();
    const ResFileRefNum file = OpenResFile(path, fsRdPerm);
    if (file == -1) {
        SysBeep(1);
        UseResFile(saved);
        SysBeep(1);
        return fnfErr;
    }
    if (Handle script = Get1IndResource(FourCC("TEXT"), 1)) {
        ResID id = 0;
        ResType type = 0;
        GetResInfo(script, &id, &type, nullptr);
        DetachResource(script);
        *text = script;
        *styles = LoadStyleResource(id, true);
        ApplyStoredFontTable(id, *styles, path.substr(path.rfind('/') + 1));
    }
    CloseResFile(file);
    UseResFile(saved);
    if (!*text) {
        for (int i = 0; i < 3; ++i)
            SysBeep(1);
    }
    return noErr;
}

} // namespace

void FinishInsertText(const void* text, SInt32 length, Handle styles, WEReference target, SInt32* startOut,
                      bool keepSaved, bool noUndo, bool lowerCase) {
    if (!text || !target || length < 0) return;
    std::vector<char> lowered;
    if (lowerCase && length > 0) {
        lowered.assign(static_cast<const char*>(text), static_cast<const char*>(text) + length);
        MakeTextLower(lowered.data(), length);
        text = lowered.data();
    }
    if (target == ScrollWEHandle)
        InsertIntoPrompter(text, length, styles, startOut, keepSaved, noUndo);
    else if (target == EditWEHandle)
        InsertThroughEditWindow(text, length, styles, startOut, noUndo);
    else if (target == MacroEditWEHandle)
        InsertIntoMacroEditor(text, length);
}

OSErr DoInsertText(const std::string& file) {
    if (file.empty()) return OSErr(StartTextOpenDialog(kInsertPrompt, kInsertTextKind));
    gSaveInProgress = false;
    std::string path;
    if (OSErr error = LocateFile(file, kInsertSearchSlots, path); error != noErr) return error;
    SetDocumentKindFromType(GetFileTypeOfPath(path));
    gSyllableArrayCustom = false;

    Handle text = nullptr, styles = nullptr;
    bool wasCut = false;
    if (gIsTextFile == kResourceScriptFile) {
        if (OSErr error = ReadFirstResourceScript(path, &text, &styles); error != noErr) return error;
    } else {
        if (OSErr error = ReadWholeTextFile(path, &text, &styles, &wasCut); error != noErr) return error;
        if (!styles && (!gIsDos || FileExists(SideFilePath(path)))) {
            const ResFileRefNum saved = CurResFile();
            const ResFileRefNum side = OpenDocumentResources(path, false, false);
            if (side != -1) styles = LoadStyleResource(kDocumentResourceID, true);
            CloseDocumentResources(side, saved);
        }
    }
    // Without the prompter's text nothing can be inserted, and the bookmarks must not move.
    if (!text || !ScrollWEHandle) {
        if (text) DisposeHandle(text);
        if (styles) DisposeHandle(styles);
        return noErr;
    }

    CleanUpBookmarkList(0);
    SInt32 insertAt = 0;
    const SInt32 length = SInt32(GetHandleSize(text));
    HLock(text);
    FinishInsertText(*text, length, styles, ScrollWEHandle, &insertAt, false, false, false);
    HUnlock(text);
    if (!gIsDos || FileExists(SideFilePath(path))) {
        const ResFileRefNum saved = CurResFile();
        const ResFileRefNum resources =
            OpenDocumentResources(path, gIsTextFile == kResourceScriptFile, false);
        if (resources != -1) AddInsertedBookmarks(insertAt, length);
        CloseDocumentResources(resources, saved);
    }
    if (wasCut) DoAbout(kTextCutDialog);
    DisposeHandle(text);
    if (styles) DisposeHandle(styles);
    return noErr;
}
