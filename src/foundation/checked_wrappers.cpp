// Retrying getters and reporting disposers over the platform calls.
#include "foundation/checked_wrappers.h"

#include "foundation/error_dialog.h"
#include "platform/pstring.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <cstring>

namespace {

// A handle or pointer with every bit set is a value no allocator gives: a sign of a stale variable.
template <typename T> bool IsUnlikely(T p) {
    return reinterpret_cast<intptr_t>(p) == -1;
}

// The message text immediately followed by a number, as every wrapper reports.
void ReportWithNumber(const char* text, SInt32 number) {
    Str255 digits;
    NumToString(number, digits);
    DoErrorMessageText(std::string(text) + std::string(PStringView(digits)));
}

// Tries until the attempt succeeds or retries extra tries are used up.
template <typename Attempt> auto Retry(SInt16 retries, Attempt attempt) {
    auto result = attempt();
    for (SInt16 tries = 1; !result && tries <= retries; ++tries)
        result = attempt();
    return result;
}

} // namespace

Handle MyNewHandle(Size size, SInt16 retries) {
    return Retry(retries, [&] { return NewHandle(size); });
}

Handle MyNewHandleClear(Size size, SInt16 retries) {
    return Retry(retries, [&] { return NewHandleClear(size); });
}

Handle MyTempNewHandle(Size size, OSErr* status, SInt16 retries) {
    return Retry(retries, [&] { return TempNewHandle(size, status); });
}

Ptr MyNewPtr(Size size, SInt16 retries) {
    return Retry(retries, [&] { return NewPtr(size); });
}

Ptr MyNewPtrClear(Size size, SInt16 retries) {
    return Retry(retries, [&] { return NewPtrClear(size); });
}

OSErr MyHandToHand(Handle* handle, SInt16 retries) {
    OSErr err = noErr;
    for (SInt16 tries = 0; tries <= retries; ++tries) {
        Handle copy = *handle;
        err = HandToHand(&copy);
        if (err == noErr && copy) {
            *handle = copy;
            return noErr;
        }
    }
    return err;
}

Handle MyGetResource(ResType type, ResID id, SInt16 retries) {
    return Retry(retries, [&] { return GetResource(type, id); });
}

Handle MyGet1Resource(ResType type, ResID id, SInt16 retries) {
    return Retry(retries, [&] { return Get1Resource(type, id); });
}

Handle MyGetIndResource(ResType type, SInt16 index, SInt16 retries) {
    return Retry(retries, [&] { return GetIndResource(type, index); });
}

Handle MyGetNamedResource(ResType type, ConstStr255Param name, SInt16 retries) {
    return Retry(retries, [&] { return GetNamedResource(type, name); });
}

Handle MyGet1IndResource(ResType type, SInt16 index, SInt16 retries, const char* file, SInt32 line,
                         SInt32 reserved, bool searchPatches) {
    if (!searchPatches) return Retry(retries, [&] { return Get1IndResource(type, index); });
    Handle found = Retry(retries, [&]() -> Handle {
        for (int i = kPatchResFileCount - 1; i >= 0; --i) {
            if (gPatchResFile[i] == kNoResFile) continue;
            UseResFile(gPatchResFile[i]);
            if (Handle h = Get1IndResource(type, index)) return h;
        }
        UseResFile(gMainResFileNum);
        return Get1IndResource(type, index);
    });
    UseResFile(gLastResFile);
    return found;
}

SInt16 MyLoadResource(Handle resource, SInt16 retries) {
    for (SInt16 tries = 0; tries <= retries; ++tries) {
        LoadResource(resource);
        if (ResError() == noErr) {
            HLock(resource);
            return 1;
        }
    }
    return 0;
}

MenuRef MyGetMenu(SInt16 menuID, SInt16 retries) {
    return Retry(retries, [&] { return GetMenu(menuID); });
}

OSStatus MyCreateNewMenu(MenuID menuID, UInt32 attributes, MenuRef* menu, SInt16 retries) {
    OSStatus status = noErr;
    for (SInt16 tries = 0; tries <= retries; ++tries)
        if ((status = CreateNewMenu(menuID, attributes, menu)) == noErr) break;
    return status;
}

DialogPtr MyGetNewDialog(SInt16 dialogID, void* storage, WindowPtr behind, SInt16 retries) {
    geeMouseIsDown = false;
    DialogPtr dialog = Retry(retries, [&] { return GetNewDialog(dialogID, storage, behind); });
    if (!dialog) DoErrorMessageText("Failed to open dialog");
    return dialog;
}

WindowPtr MyNewCWindow(void* storage, const Rect* bounds, ConstStr255Param title, bool visible, SInt16 procID,
                       WindowPtr behind, bool goAwayFlag, SInt32 refCon, SInt16 retries) {
    return Retry(retries, [&] {
        return NewCWindow(storage, bounds, title, visible, procID, behind, goAwayFlag, refCon);
    });
}

QDErr MyNewGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle table, GDHandle device,
                  GWorldFlags flags, SInt16 retries) {
    QDErr status = noErr;
    for (SInt16 tries = 0; tries <= retries; ++tries)
        if ((status = NewGWorld(world, depth, bounds, table, device, flags)) == noErr) break;
    return status;
}

Ptr Myrealloc(Ptr pointer, Size size, SInt16 retries, const char* file, SInt32 line) {
    for (SInt16 tries = 0; tries <= retries; ++tries) {
        if (!pointer) {
            if (Ptr fresh = MyNewPtrClear(size, 0)) return fresh;
            continue;
        }
        SetPtrSize(pointer, size);
        OSErr err = MemError();
        if (err == noErr) return pointer;
        if (err != memFullErr) continue;
        // The block cannot grow where it is: move it. When no new block can be had, the old one stays
        // the caller's, untouched.
        Ptr moved = NewPtrClear(size);
        if (!moved) continue;
        std::memcpy(moved, pointer, size_t(std::min(size, GetPtrSize(pointer))));
        MyDisposePtr(pointer, file, line);
        return moved;
    }
    return nullptr;
}

void MyDisposeHandle(Handle h, const char* file, SInt32 line) {
    if (!h) return ReportWithNumber("Trying to dispose null handle", line);
    if (IsUnlikely(h)) return ReportWithNumber("Trying to dispose of unlikely handle", line);
    DisposeHandle(h);
    if (OSErr err = MemError()) ReportWithNumber("Error while disposing handle", err);
}

void MyDisposePtr(Ptr p, const char* file, SInt32 line) {
    if (!p) return ReportWithNumber("Trying to dispose null Ptr", line);
    if (IsUnlikely(p)) return ReportWithNumber("Trying to dispose of unlikely pointer", line);
    DisposePtr(p);
    if (OSErr err = MemError()) ReportWithNumber("Error while disposing ptr", err);
}

void MyReleaseResource(Handle h, const char* file, SInt32 line) {
    if (!h) return ReportWithNumber("Trying to release null resource", line);
    ReleaseResource(h);
    if (OSErr err = ResError()) ReportWithNumber("Error while releasing resource", err);
}

void MyDetachResource(Handle h, const char* file, SInt32 line) {
    if (!h) return ReportWithNumber("Trying to detach a null resource handle", line);
    DetachResource(h);
    if (OSErr err = ResError()) ReportWithNumber("Resource error in MyDetachResource", err);
}

void MyRemoveResource(Handle h, const char* file, SInt32 line) {
    if (!h) return ReportWithNumber("Trying to remove a null resource handle", line);
    RemoveResource(h);
    if (OSErr err = ResError()) ReportWithNumber("Resource error in MyRemoveResource", err);
}

void MyAddResource(Handle h, ResType type, ResID id, ConstStr255Param name, const char* file, SInt32 line) {
    if (!h) return ReportWithNumber("Trying to add a null resource handle", line);
    AddResource(h, type, id, name);
    if (OSErr err = ResError()) ReportWithNumber("Res error in MyAddResource", err);
}

void MyDisposeDialog(DialogPtr dialog, const char* file, SInt32 line) {
    if (!dialog) return ReportWithNumber("Trying to dispose null Dialog", line);
    DisposeDialog(dialog);
    if (OSErr err = MemError()) ReportWithNumber("Error while disposing dialog", err);
}

void MyDisposeMenu(MenuRef menu, const char* file, SInt32 line) {
    if (!menu) return ReportWithNumber("Trying to dispose null Menu", line);
    DisposeMenu(menu);
}

void MyGetResInfo(Handle h, ResID* id, ResType* type, StringPtr name) {
    if (!h) return ReportWithNumber("Trying to GetInfo a null resource handle", 0);
    GetResInfo(h, id, type, name);
    if (OSErr err = ResError()) ReportWithNumber("Res error in MyGetResInfo", err);
}

void MyDisposeGWorld(GWorldPtr* world) {
    if (*world) DisposeGWorld(*world);
    *world = nullptr;
}

GWorldFlags MyUpdateGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle table,
                           GDHandle device, GWorldFlags flags) {
    return UpdateGWorld(world, depth, bounds, table, device, flags);
}

void LevelOnePurge() {}
void LevelTwoPurge() {}
void LevelThreePurge() {}
void PurgeThings() {}
