// Pop-up boxes of dialogs: drawing the current choice and tracking a new one.
#include "foundation/popup_items.h"

#include "foundation/checked_wrappers.h"
#include "foundation/text_views.h"
#include "foundation/window_references.h"
#include "platform/pstring.h"

#include <string>

void UpdatePopup(const Rect* rectangle, SInt16 menuID, SInt16 choice, MenuRef menu) {
    MenuRef loaded = menu ? nullptr : MyGetMenu(menuID, 1);
    MenuRef shown = menu ? menu : loaded;
    Rect box = *rectangle;
    if (shown) {
        Rect textBox = box;
        textBox.left = SInt16(textBox.left + 12);
        EraseRect(&textBox);
        Str255 text;
        GetMenuItemText(shown, MenuItemIndex(choice > 0 ? choice : 0), text);
        const std::string label(PStringView(text));
        DrawCFStringInBox(&textBox, &label);
    }
    box.right = SInt16(box.right - 1);
    box.bottom = SInt16(box.bottom - 1);
    FrameRect(&box);
    MoveTo(box.right, SInt16(box.top + 2));
    LineTo(box.right, box.bottom);
    LineTo(SInt16(box.left + 2), box.bottom);
    if (loaded) DisposeMenu(loaded);
}

void DrawPopup(DialogPtr dialog, SInt16 item, SInt16 menuID, SInt16 choice, MenuRef menu) {
    const Rect r = GetDialogItemRect(dialog, item);
    WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    UpdatePopup(&r, menuID, choice, menu);
    SetPortByReference(saved);
}

void TrackPopup(DialogPtr dialog, const Rect* rectangle, SInt16 menuID, SInt16* choice, MenuRef menu) {
    (void)menuID;
    if (!menu || !dialog) return;
    const MenuItemIndex current = MenuItemIndex(*choice > 0 ? *choice : 0);
    CheckMenuItem(menu, current, true);
    WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    Point corner{rectangle->top, rectangle->left};
    LocalToGlobal(&corner);
    SetPortByReference(saved);
    const SInt32 result = PopUpMenuSelect(menu, corner.v, SInt16(corner.h + 1), current);
    CheckMenuItem(menu, current, false);
    const SInt16 chosen = SInt16(result & 0xFFFF);
    if (chosen > 0 && chosen != *choice) {
        *choice = chosen;
        Rect changed = *rectangle;
        InsetRect(&changed, 1, 1);
        InvalWindowRect(GetDialogWindow(dialog), &changed);
    }
}

void DoPopup(DialogPtr dialog, SInt16 item, SInt16 menuID, SInt16* choice, MenuRef menu) {
    gDontInterruptPopup = true;
    const Rect r = GetDialogItemRect(dialog, item);
    TrackPopup(dialog, &r, menuID, choice, menu);
    gDontInterruptPopup = false;
}
