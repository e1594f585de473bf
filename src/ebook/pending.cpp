// What the electronic book's Parts not yet built provide to the rest of the program, in their least
// form. Each definition moves to its own file when its Part is built.
#include "ebook/format_palette.h"

void CheckColorsInFormatPal() {}

#include "ebook/font_menus.h"

MenuRef GetFormatPaletteFontMenu(int) {
    return nullptr;
}

#include "ebook/ebook_windows.h"

// Until these windows lay themselves out and close themselves: nothing to lay out, and closing leaves
// the window as it is.
void NewFormatPalWindowSize(SInt16, SInt16) {}
void CloseFormatPalWindow(SInt16) {}

#include "ebook/ebook_windows.h"
void OpenFormatPalWindow(SInt16) {}

// The format palette has no fields yet, so its up/down buttons step nothing.
void StepFormatPalField(SInt16, SInt16) {}

// ---- Keys for the focused edit field of a window not built yet: the field takes them as it is ----
#include "controls/edit_fields.h"
#include "ebook/ebook_windows.h"
#include "foundation/pending_calls.h"
void KeyInFormatPalWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                          const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
