// The table of window references, the saved-port stack and the current-port discipline.
#include "foundation/window_references.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "foundation/error_dialog.h"
#include "macros/macro_windows.h"
#include "media/media_windows.h"
#include "scroll/scroll_windows.h"
#include "shell/shell_globals.h"
#include "texttools/text_tool_windows.h"

WindowPtr gWindowSaver[kSavedPortDepth] = {};
GrafPtr gPortSaver[kSavedPortDepth] = {};
GDHandle gDeviceSaver[kSavedPortDepth] = {};

namespace {

struct WindowSlot {
    WindowPtr* window;
    GDHandle* device;
};

// References 1 to 27, in order.
const WindowSlot kWindows[] = {
    {&myScrollWindow, &myScrollDevice},
    {&myEditWindow, &myEditDevice},
    {&myHideWindow, &myHideDevice},
    {&myBookmarkWindow, &myBookmarkDevice},
    {&myNonverbalWindow, &myNonverbalDevice},
    {&myToolbarWindow, &myToolbarDevice},
    {&myScrollMonitorWindow, &myScrollMonitorDevice},
    {&myMacroEditorWindow, &myMacroEditorDevice},
    {&myFunctionsWindow, &myFunctionsDevice},
    {&myMacroMonitorWindow, &myMacroMonitorDevice},
    {&myFindReplaceWindow, &myFindReplaceDevice},
    {&mySyllableSyncWindow, &mySyllableSyncDevice},
    {&myHelpWindow, &myHelpDevice},
    {&myFormatPalWindow, &myFormatPalDevice},
    {&myFindStyleWindow, &myFindStyleDevice},
    {&myTextMergeWindow, &myTextMergeDevice},
    {&myMediaQueueWindow, &myMediaQueueDevice},
    {&myRecordWindow, &myRecordDevice},
    {&myKeyEquivWindow, &myKeyEquivDevice},
    {&myCueLightWindow, &myCueLightDevice},
    {&myCommandWindow, &myCommandDevice},
    {&myColorChartWindow, &myColorChartDevice},
    {&myHypertextWindow, &myHypertextDevice},
    {&mySpirographWindow, &mySpirographDevice},
    {&mySearchDictWindow, &mySearchDictDevice},
    {&myOverlayWindow, &myOverlayDevice},
    {&hypertextDrawerWindow, &myHypertextDrawerDevice},
};
static_assert(std::size(kWindows) == kLastWindowReference);

// References 28 to 32.
GWorldPtr* const kWorlds[] = {&gOffscreenScrollWindow, &gOffscreenExtraWindow, &gOffscreenNonverbalWindow,
                              &gOffscreenExtraNonverbalWindow, &gOffscreenBlankWindow};
const char* const kWorldNames[] = {"gOffscreenScrollWindow", "gOffscreenExtraWindow",
                                   "gOffscreenNonverbalWindow", "gOffscreenExtraNonverbalWindow",
                                   "gOffscreenBlankWindow"};

// The order in which pointers are matched against the windows: 1 to 23, then 27, then 24 to 26.
const WindowReference kMatchOrder[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                       15, 16, 17, 18, 19, 20, 21, 22, 23, 27, 24, 25, 26};

const WindowSlot& Slot(WindowReference reference) {
    return kWindows[reference - 1];
}

GDHandle DeviceOrGreatestArea(GDHandle device, WindowPtr window) {
    if (device) return device;
    return window ? GetWindowDevice(window) : nullptr;
}

} // namespace

GDHandle GetWindowDevice(WindowPtr window) {
    Rect structure;
    if (!window || GetWindowBounds(window, kWindowStructureRgn, &structure) != noErr) return nullptr;
    return GetMaxDevice(&structure);
}

OSStatus GetWindowBoundsNormalized(WindowPtr window, WindowRegionCode region, Rect* bounds) {
    OSStatus status = GetWindowBounds(window, region, bounds);
    OffsetRect(bounds, SInt16(-bounds->left), SInt16(-bounds->top));
    return status;
}

WindowReference GetWindowReference(void* pointer, GDHandle device, UInt16 kind) {
    if (!pointer) return kNoWindowReference;
    // A dialog is one of the program's windows when its window is.
    void* dialogWindow =
        kind == kReferenceToDialog ? GetDialogWindow(static_cast<DialogPtr>(pointer)) : nullptr;
    for (WindowReference reference : kMatchOrder) {
        WindowPtr window = *Slot(reference).window;
        if (!window) continue;
        if (pointer == window || pointer == GetWindowPort(window) || (dialogWindow && dialogWindow == window))
            return reference;
    }
    for (WindowReference i = 0; i < WindowReference(std::size(kWorlds)); ++i)
        if (*kWorlds[i] && pointer == *kWorlds[i]) return WindowReference(kFirstWorldReference + i);

    if (gPortCount >= kSavedPortDepth) return kNoWindowReference;
    const int depth = gPortCount;
    switch (kind) {
    case kReferenceToWindow: {
        auto* window = static_cast<WindowPtr>(pointer);
        gWindowSaver[depth] = window;
        gPortSaver[depth] = GetWindowPort(window);
        if (!gPortSaver[depth]) DoErrorMessageText("This is not a window");
        gDeviceSaver[depth] = DeviceOrGreatestArea(device, window);
        break;
    }
    case kReferenceToDialog: {
        auto* dialog = static_cast<DialogPtr>(pointer);
        gWindowSaver[depth] = GetDialogWindow(dialog);
        gPortSaver[depth] = GetDialogPort(dialog);
        gDeviceSaver[depth] = DeviceOrGreatestArea(device, gWindowSaver[depth]);
        break;
    }
    case kReferenceToPort: {
        auto* port = static_cast<GrafPtr>(pointer);
        WindowPtr owner = GetWindowFromPort(port);
        gPortSaver[depth] = port;
        gWindowSaver[depth] = owner;
        gDeviceSaver[depth] = DeviceOrGreatestArea(device, owner);
        break;
    }
    default: {
        auto* window = static_cast<WindowPtr>(pointer);
        gWindowSaver[depth] = window;
        gPortSaver[depth] = nullptr;
        gDeviceSaver[depth] = DeviceOrGreatestArea(nullptr, window);
        break;
    }
    }
    gPortCount = SInt16(depth + 1);
    return WindowReference(kFirstSavedPortReference + depth);
}

WindowReference GetPortReference() {
    CGrafPtr port;
    GDHandle device;
    GetGWorld(&port, &device);
    return GetWindowReference(port, device, kReferenceToPort);
}

void SetPortByReference(WindowReference reference) {
    if (reference <= 0 || reference > kLastSavedPortReference) return;
    if (reference <= kLastWindowReference) {
        const WindowSlot& slot = Slot(reference);
        if (*slot.window) SetGWorld(GetWindowPort(*slot.window), *slot.device);
        return;
    }
    if (reference <= kLastWorldReference) {
        GWorldPtr world = *kWorlds[reference - kFirstWorldReference];
        if (world) SetGWorld(world, nullptr);
        return;
    }
    const int entry = reference - kFirstSavedPortReference;
    const char* outOfOrder;
    if (gPortSaver[entry]) {
        SetGWorld(gPortSaver[entry], gDeviceSaver[entry]);
        outOfOrder = "Port Count error";
    } else if (!gWindowSaver[entry]) {
        // Nothing to set: the port current before the save stays, but the entry the save pushed is still
        // popped, or every such misuse would leak one of the few entries.
        DoErrorMessageText("This reference value has no port or window");
        if (gPortCount == reference - (kFirstSavedPortReference - 1)) --gPortCount;
        return;
    } else {
        CGrafPtr port = GetWindowPort(gWindowSaver[entry]);
        if (!port) DoErrorMessageText("There is no port");
        SetGWorld(port, gDeviceSaver[entry]);
        outOfOrder = "Window Count error";
    }
    if (gPortCount == reference - (kFirstSavedPortReference - 1))
        --gPortCount;
    else
        DoErrorMessageText(outOfOrder);
}

WindowPtr GetWindowByReference(WindowReference reference, bool quiet) {
    if (reference <= 0 || reference > kLastSavedPortReference) return nullptr;
    if (reference <= kLastWindowReference) return *Slot(reference).window;
    if (reference <= kLastWorldReference) {
        if (!quiet)
            DoErrorMessageText(std::string("Need a window for ") +
                               kWorldNames[reference - kFirstWorldReference]);
        return nullptr;
    }
    WindowPtr window = gWindowSaver[reference - kFirstSavedPortReference];
    if (!window && !quiet) DoErrorMessageText("This gworld needs a window");
    return window;
}

GrafPtr GetPortByReference(WindowReference reference) {
    if (reference <= 0 || reference > kLastSavedPortReference) return nullptr;
    if (reference <= kLastWindowReference) {
        WindowPtr window = *Slot(reference).window;
        return window ? GetWindowPort(window) : nullptr;
    }
    if (reference <= kLastWorldReference) return *kWorlds[reference - kFirstWorldReference];
    const int entry = reference - kFirstSavedPortReference;
    if (gWindowSaver[entry]) return GetWindowPort(gWindowSaver[entry]);
    return gPortSaver[entry];
}

void GetWindowRefandSetPort(WindowPtr window) {
    SetPortByReference(GetWindowReference(window, nullptr, kReferenceToWindow));
}

void GetDialogRefandSetPort(DialogPtr dialog) {
    SetPortByReference(GetWindowReference(dialog, nullptr, kReferenceToDialog));
}

void GetPortRefandSetPort(GrafPtr port) {
    SetPortByReference(GetWindowReference(port, nullptr, kReferenceToPort));
}

void GetAliasRefandSetPort(void* pointer) {
    UInt16 kind;
    if (pointer && (pointer == myScrollWindow || pointer == myNonverbalWindow)) {
        kind = kReferenceToWindow;
    } else if (pointer && (pointer == gOffscreenScrollWindow || pointer == gOffscreenNonverbalWindow)) {
        kind = kReferenceToPort;
    } else {
        DoErrorMessageText("Unknown window or grafport in GetAliasRefandSetPort");
        kind = kReferenceToDialog;
    }
    SetPortByReference(GetWindowReference(pointer, nullptr, kind));
}
