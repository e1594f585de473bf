// Byte copies of handles and selected ranges for Undo and the snapshot.
#include "scroll/state_copies.h"

#include "foundation/word_line_arrays.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cstring>

HandleBytes CopyHandleBytes(Handle handle) {
    if (!handle) return std::nullopt;
    const Size size = GetHandleSize(handle);
    return std::string(size > 0 ? *handle : nullptr, size > 0 ? size_t(size) : 0);
}

bool PutBackHandle(Handle* live, const HandleBytes& bytes) {
    Handle copy = nullptr;
    if (bytes) {
        copy = NewHandle(Size(bytes->size()));
        if (!copy) return false;
        if (!bytes->empty()) std::memcpy(*copy, bytes->data(), bytes->size());
    }
    if (*live) DisposeHandle(*live);
    *live = copy;
    return true;
}

ViewSelections SaveViewSelections(WEReference we) {
    ViewSelections saved;
    if (!we) return saved;
    const SInt32 count = std::max(WEGetNumberSelections(we), SInt32(1));
    for (SInt32 i = 0; i < count; ++i) {
        SInt32 start = 0, end = 0;
        WEGetSelection(&start, &end, i, we);
        saved.starts.push_back(start);
        saved.ends.push_back(end);
    }
    return saved;
}

void RestoreViewSelections(const ViewSelections& saved, WEReference we) {
    if (!we || saved.starts.empty()) return;
    const SInt32 length = WEGetTextLength(we);
    auto clamp = [length](SInt32 offset) { return std::clamp(offset, SInt32(0), length); };
    if (saved.starts.size() == 1) {
        WESetSelection(clamp(saved.starts[0]), clamp(saved.ends[0]), 0, we);
        return;
    }
    // Automatic scrolling off while the ranges go back: the caller puts the view's position back itself.
    const SInt16 autoScroll = WEFeatureFlag(weFAutoScroll, 0, we);
    ++gInhibitWEHiliting;
    WESetSelection(clamp(saved.starts[0]), clamp(saved.ends[0]), 0, we);
    for (size_t i = 1; i < saved.starts.size(); ++i)
        WESetSelection(clamp(saved.starts[i]), clamp(saved.ends[i]), 1, we);
    --gInhibitWEHiliting;
    WESetSelection(clamp(saved.starts[0]), clamp(saved.ends[0]), 4, we);
    WEFeatureFlag(weFAutoScroll, autoScroll, we);
}

KeptText KeepText() {
    if (gTextHasChanged) GetNewText(0);
    KeptText kept;
    kept.text = CopyHandleBytes(myTextResource);
    if (myTextResource) kept.styles = CopyHandleBytes(myStyle);
    kept.customSyllables = gSyllableArrayCustom;
    return kept;
}

void PutBackText(const KeptText& kept) {
    if (!kept.text) return;
    Handle text = nullptr;
    Handle styles = nullptr;
    if (!PutBackHandle(&text, kept.text) || !PutBackHandle(&styles, kept.styles)) {
        if (text) DisposeHandle(text);
        return;
    }
    if (myTextResource) DisposeHandle(myTextResource);
    if (myStyle) DisposeHandle(myStyle);
    myTextResource = text;
    myStyle = styles;
    gTextHasChanged = false;
    PutScrollTextInBox(false);
    if (EditWEHandle && myEditWindow) PutEditTextInBox();
    gSyllableArrayCustom = kept.customSyllables;
    MeasureScriptText();
}

KeptBookmarks KeepBookmarks() {
    KeptBookmarks kept;
    if (gNumBookmarks > 0 && gBookmarkList) {
        kept.slots = CopyHandleBytes(gBookmarkList);
        kept.count = gNumBookmarks;
    }
    kept.names = CopyHandleBytes(gBookmarkNames);
    return kept;
}

void PutBackBookmarks(const KeptBookmarks& kept) {
    CleanUpBookmarkList(1);
    // The kept slots go back as they were: setting them one by one into the first free slot would close
    // up the empty slots, renumber the bookmarks and lose their names.
    if (PutBackHandle(&gBookmarkList, kept.slots)) gNumBookmarks = gBookmarkList ? kept.count : 0;
    PutBackHandle(&gBookmarkNames, kept.names);
    gDontQuitWithoutSaving = true;
    SetBookmarkListText(-1);
}

KeptLinks KeepLinks() {
    KeptLinks kept;
    if (gNumHypertext > 0 && gHypertextList) {
        kept.links = CopyHandleBytes(gHypertextList);
        kept.count = gNumHypertext;
    }
    return kept;
}

void PutBackLinks(const KeptLinks& kept) {
    if (PutBackHandle(&gHypertextList, kept.links)) gNumHypertext = gHypertextList ? kept.count : 0;
}

KeptFileIdentity KeepFileIdentity() {
    return {gFileName,   gOutName,          gInPath,
            gOutPath,    gIsTextFile,       gIsDos,
            gSelectText, gScriptFileFormat, gFileWithUnheldCharacters};
}

void PutBackFileIdentity(const KeptFileIdentity& kept) {
    gFileName = kept.fileName;
    gOutName = kept.outName;
    gInPath = kept.inPath;
    gOutPath = kept.outPath;
    gIsTextFile = kept.isTextFile;
    gIsDos = kept.isDos;
    gScriptFileFormat = kept.format;
    gFileWithUnheldCharacters = kept.fileWithUnheldCharacters;
    SetScriptMenu(false);
    gSelectText = kept.selectText;
    EnableWhenSelect();
}

KeptPlaces KeepPlaces() {
    return {SaveViewSelections(ScrollWEHandle), SaveViewSelections(EditWEHandle), gScrollCurrentPos};
}

void PutBackPlaces(const KeptPlaces& kept) {
    if (ScrollWEHandle) {
        RestoreViewSelections(kept.prompter, ScrollWEHandle);
        // Back to the top first, then down by the kept distance without the usual limits, so that the
        // text stands exactly where it stood.
        GetCurrentScrollPos();
        ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
        GetCurrentScrollPos();
        ScrollScrollThisMuch(SInt32(kept.scrollPosition), 1);
        GetCurrentScrollPos();
    }
    RestoreViewSelections(kept.edit, EditWEHandle);
}
