// The two stacks of places that are not saved with the document: temporary bookmarks the user sets for a
// quick return, and return bookmarks that remember where hypertext jumps came from.
#include "foundation/global_lists.h"
#include "platform/memory.h"
#include "platform/windows.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

#include <string>
#include <vector>

namespace {

struct ReturnEntry {
    SInt32 offset;
    std::string name;
    std::string folder;
};

RESETTABLE(std::vector<SInt32>, gTempBookmarks, {});
RESETTABLE(std::vector<ReturnEntry>, gReturnStack, {});

// The edit window is where the user works when it is in front, or in edit mode while it is open and the
// prompter is not in front.
bool EditWindowIsTheTarget() {
    if (!EditWEHandle || !myEditWindow) return false;
    const WindowPtr front = FrontNonFloatingWindow();
    return front == myEditWindow || (gEditOn && front != myScrollWindow);
}

// Like the place of a new bookmark, except that an empty selection counts as none and gives the cue.
SInt32 TemporaryPlace() {
    SInt32 start = 0, end = 0;
    if (EditWindowIsTheTarget() && FrontNonFloatingWindow() == myEditWindow) {
        WEGetSelection(&start, &end, 0, EditWEHandle);
        if (start != end) return GetRealEditPosition(start);
    } else if (gEditOn && ScrollWEHandle) {
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        if (start != end) return start;
    }
    return GetScrollAdjustedCharacter();
}

} // namespace

void SetTemporaryBookmark() {
    try {
        gTempBookmarks.push_back(TemporaryPlace());
    } catch (const std::bad_alloc&) {
        return;
    }
    gNumTempBookmarks = SInt32(gTempBookmarks.size());
}

void GoToTemporaryBookmark(SInt16 go) {
    if (gTempBookmarks.empty()) return;
    const SInt32 offset = gTempBookmarks.back();
    gTempBookmarks.pop_back();
    gNumTempBookmarks = SInt32(gTempBookmarks.size());
    if (!go) return;
    if (EditWindowIsTheTarget()) return; // the edit window scrolls itself once it exists
    ScrollScrollToCharacter(offset, 0);
}

void ClearAllTemporaryBookmarks() {
    gTempBookmarks.clear();
    gTempBookmarks.shrink_to_fit();
    gNumTempBookmarks = 0;
}

OSErr SetReturnBookmark(SInt16 withDocument, SInt32 offset) {
    if (offset == -1) offset = GetScrollAdjustedCharacter();
    ReturnEntry entry{offset, {}, {}};
    if (withDocument) {
        entry.name = gOutName.substr(0, 255);
        entry.folder = gOutPath.substr(0, 255);
    }
    try {
        gReturnStack.push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        return memFullErr;
    }
    gNumInReturnStack = SInt32(gReturnStack.size());
    CreateWindowName(0);
    return noErr;
}

void GoToReturnBookmark(SInt16 open) {
    if (gReturnStack.empty()) return;
    const ReturnEntry entry = gReturnStack.back();
    gReturnStack.pop_back();
    gNumInReturnStack = SInt32(gReturnStack.size());
    bool opened = false;
    if (open && !entry.name.empty()) {
        const std::string quoted = "\"" + entry.folder + entry.name + "\"";
        Handle text = nullptr;
        if (PtrToHand(quoted.data(), &text, Size(quoted.size())) == noErr) {
            opened = ExecuteThisHyper(16, text) != 0;
            DisposeHandle(text);
        }
    }
    if (!opened) ScrollScrollToCharacter(entry.offset, 0);
    CreateWindowName(0);
}

void ClearAllReturnBookmarks() {
    gReturnStack.clear();
    gReturnStack.shrink_to_fit();
    gNumInReturnStack = 0;
    CreateWindowName(0);
}

bool PeekReturnBookmark(SInt32* offset, std::string* name, std::string* folder) {
    if (gReturnStack.empty()) return false;
    if (offset) *offset = gReturnStack.back().offset;
    if (name) *name = gReturnStack.back().name;
    if (folder) *folder = gReturnStack.back().folder;
    return true;
}
