// Dialog templates ('DLOG') and item lists ('DITL') from outside, in a resource file opened from memory in
// front of the program's own: the dialog built from them by GetNewDialog, its items read, drawn and
// changed, and the same item list made into a tool window's item records and drawn. The input is a
// piece holding the template (its item list ID names the list), then the list.
#include "support/fuzz_support.h"

#include "controls/control_drawing.h"
#include "controls/control_records.h"
#include "platform/bytes.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/resource_format.h"
#include "platform/resources.h"
#include "platform/windows.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr ResID kDialogResource = 128;
constexpr size_t kItemsIDOffset = 18;

WindowPtr gToolWindow = nullptr;

void WalkDialog(DialogPtr dialog) {
    const SInt16 count = CountDITL(dialog);
    Str255 text;
    SetPString(text, "changed");
    for (SInt16 item = 1; item <= count; ++item) {
        GetDialogItemKind(dialog, item);
        GetDialogItemRect(dialog, item);
        GetDialogItemText(dialog, item, text);
        GetDialogItemValue(dialog, item);
        SetDialogItemText(dialog, item, text);
    }
    DrawDialog(dialog);
}

// The window goes before the platform stops (registered after it, so run before it).
void CloseToolWindow() {
    DisposeWindow(gToolWindow);
    gToolWindow = nullptr;
    ProcessPendingEvents();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    const Rect bounds{40, 40, 340, 440};
    Str255 title;
    SetPString(title, "tool");
    gToolWindow = NewWindowOfClass(kDocumentWindowClass, &bounds, title, 0);
    if (!gToolWindow) __builtin_trap();
    std::atexit(CloseToolWindow);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const std::span<const uint8_t> dlog = input.Piece();
    const std::span<const uint8_t> ditl = input.Rest();
    const ResID listID =
        dlog.size() >= kItemsIDOffset + 2 ? ResID(ReadBE16(dlog.data() + kItemsIDOffset)) : kDialogResource;

    ResourceEntry entries[2];
    entries[0].type = FourCC("DLOG");
    entries[0].id = kDialogResource;
    entries[0].data = dlog;
    entries[1].type = FourCC("DITL");
    entries[1].id = listID;
    entries[1].data = ditl;
    const ResFileRefNum refNum = OpenResFileOfEntries("fuzz dialogs", entries);
    if (refNum <= 0) __builtin_trap();

    if (DialogPtr dialog = GetNewDialog(kDialogResource, nullptr, kFirstWindowOfClass)) {
        WalkDialog(dialog);
        DisposeDialog(dialog);
    }

    if (MyDialogHandle controls = CreateMyDialogControls(kNoWindowReference, gToolWindow, listID, listID)) {
        CGrafPtr saved;
        GetPort(&saved);
        SetPort(GetWindowPort(gToolWindow));
        DrawMyDialogButtons(kNoWindowReference, controls, 0);
        SetPort(saved);
        DisposeMyDialogControls(controls);
    }
    DisposeMyWidget(CreateWidgetFromDITL(0, gToolWindow, listID, 0));

    CloseResFile(refNum);
    ProcessPendingEvents();
    fuzz::ClearMessages();
    return 0;
}
