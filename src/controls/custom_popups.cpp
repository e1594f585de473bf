// The tool windows' own pop-up buttons (a menu popped at a box, with and without a submenu), the list a
// window makes for itself, the damage bar, the shared table of button pictures, and the text style the
// dial writes its sample in.
#include "controls/custom_controls.h"

#include "controls/custom_tracking.h"

#include "foundation/global_lists.h"
#include "foundation/popup_items.h"
#include "platform/lists.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_record.h"
#include "textengine/text_effect_globals.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<PicHandle> gButtonPicts;

// Pops menu (loaded by ID when null) one pixel in from the rect's top-left, the current item marked.
SInt32 PopAt(WindowRef window, const Rect* r, MenuRef menu, SInt16 current) {
    GrafPtr saved;
    GetPort(&saved);
    if (window) SetPort(GetWindowPort(window));
    Point corner{SInt16(r->top + 1), SInt16(r->left + 1)};
    LocalToGlobal(&corner);
    SetPort(saved);
    if (current > 0) CheckMenuItem(menu, MenuItemIndex(current), true);
    const SInt32 picked =
        PopUpMenuSelect(menu, corner.v, corner.h, MenuItemIndex(std::max<SInt16>(current, 1)));
    if (current > 0) CheckMenuItem(menu, MenuItemIndex(current), false);
    return picked;
}

void InvalidateInside(WindowRef window, const Rect* r) {
    if (!window) return;
    Rect inside = *r;
    InsetRect(&inside, 1, 1);
    InvalWindowRect(window, &inside);
}

struct RadialStyle {
    RGBColor dropColor;
    float dropBlur;
    Fixed dropWidth, dropHeight;
    RGBColor strikeColor, underlineColor;
    SInt16 strikeCount, underlineCount;
};
RESETTABLE(RadialStyle, gSavedRadialStyle, {});

} // namespace

void UpdateMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt16 choice, MenuRef menu) {
    DrawMainPopup(window, r, menuID, choice, menu);
}

SInt16 DoMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt32* choice, MenuRef menu) {
    const TrackingGuard tracking;
    TrackMainPopup(window, r, menuID, choice, menu);
    return choice ? SInt16(*choice) : SInt16(0);
}

SInt16 TrackWindowPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt16* item, MenuRef menu) {
    if (!r || !item) return 0;
    MenuRef shown = menu ? menu : GetMenu(menuID);
    if (!shown) return 0;
    const SInt32 picked = PopAt(window, r, shown, *item);
    if (!menu) DisposeMenu(shown);
    const SInt16 chosen = SInt16(picked & 0xFFFF);
    if (chosen <= 0) return 0;
    if (chosen != *item) {
        *item = chosen;
        InvalidateInside(window, r);
    }
    return SInt16(picked >> 16);
}

SInt16 TrackWindowPopupWithSub(WindowRef window, const Rect* r, SInt16 menuID, SInt16 submenuID, SInt16* item,
                               SInt16* chosenMenu, MenuRef menu, MenuRef submenu) {
    if (!r || !item || !chosenMenu) return 0;
    MenuRef shown = menu ? menu : GetMenu(menuID);
    if (!shown) return 0;
    // The submenu hangs from the menu's item naming its ID, as the resources give it; it is put in the
    // submenu list for the pop-up's time unless it is there already.
    const bool listed = GetMenuHandle(submenuID) != nullptr;
    MenuRef sub = listed ? nullptr : (submenu ? submenu : GetMenu(submenuID));
    if (sub) InsertMenu(sub, kInsertHierarchicalMenu);
    const SInt16 current = *chosenMenu == menuID ? *item : SInt16(0);
    const SInt32 picked = PopAt(window, r, shown, current);
    if (sub) {
        DeleteMenu(submenuID);
        if (!submenu) DisposeMenu(sub);
    }
    if (!menu) DisposeMenu(shown);
    const SInt16 chosen = SInt16(picked & 0xFFFF), from = SInt16(picked >> 16);
    if (chosen <= 0) return 0;
    if (chosen != *item || from != *chosenMenu) {
        *item = chosen;
        *chosenMenu = from;
        InvalidateInside(window, r);
    }
    return from;
}

ListHandle NewWinList(const Rect* view, WindowRef window) {
    if (!view || !window) return nullptr;
    Rect shown = *view;
    shown.right = SInt16(shown.right - 15);
    const Rect data{0, 0, 0, 1};
    ListHandle list = LNew(&shown, &data, Point{}, GetWindowPort(window), false, true);
    if (!list) return nullptr;
    LSetCellWidth(SInt16(shown.right - shown.left), list);
    LSetSelFlags(lOnlyOne | lNoNilHilite, list);
    return list;
}

void DrawDamageRect(const Rect* r, SInt16 width, SInt16 kind) {
    if (!r) return;
    static constexpr RGBColor kBackground{0x2C00, 0x1C00, 0x1000};
    static constexpr RGBColor kRed[3] = {
        {0xD3C4, 0x4000, 0x4000}, {0xB400, 0x2C00, 0x2C00}, {0x8800, 0x2400, 0x2400}};
    static constexpr RGBColor kGreen[3] = {
        {0x0000, 0xAC00, 0x0000}, {0x5C00, 0x7400, 0x2800}, {0x3000, 0x4000, 0x1400}};
    const RGBColor* shades = kind == 0 ? kRed : kGreen;
    RGBColor ink;
    GetForeColor(&ink);
    const SInt16 right = SInt16(std::min<SInt32>(r->right, SInt32(r->left) + std::max<SInt16>(width, 0)));
    // One row of direct light, four of ambient, one of shade.
    const SInt16 rows[3][2] = {{0, 1}, {1, 5}, {5, 6}};
    for (int i = 0; i < 3; ++i) {
        const Rect band{SInt16(r->top + rows[i][0]), r->left,
                        SInt16(std::min<SInt32>(r->bottom, r->top + rows[i][1])), right};
        RGBForeColor(&shades[i]);
        PaintRect(&band);
    }
    if (width <= 24) {
        RGBForeColor(&kBackground);
        const Rect rest{r->top, right, r->bottom, r->right};
        if (rest.right > rest.left) PaintRect(&rest);
        const Rect below{SInt16(std::min<SInt32>(r->bottom, r->top + 6)), r->left, r->bottom, right};
        if (below.bottom > below.top) PaintRect(&below);
    }
    RGBForeColor(&ink);
}

void InitButtonPicts(SInt16 count, SInt16 firstPictureID) {
    DestroyButtonPicts(SInt16(gButtonPicts.size()));
    for (SInt16 i = 0; i < count; ++i)
        gButtonPicts.push_back(GetPicture(SInt16(firstPictureID + i)));
}

void DestroyButtonPicts(SInt16) {
    gButtonPicts.clear(); // the pictures are the resource file's own
}

PicHandle GetButtonPict(SInt32 index) {
    return index >= 0 && size_t(index) < gButtonPicts.size() ? gButtonPicts[size_t(index)] : nullptr;
}

void SetRestoreStyleForRadial(Fixed horizontal, Fixed vertical, bool save) {
    if (save) {
        gSavedRadialStyle = RadialStyle{gDropColor,   gDropBlur,       gDropWidth,   gDropHeight,
                                        gStrikeColor, gUnderlineColor, gStrikeCount, gUnderlineCount};
        gDropBlur = 0;
        gDropWidth = horizontal;
        gDropHeight = vertical;
        TextFace(kFaceShadow);
        return;
    }
    gDropColor = gSavedRadialStyle.dropColor;
    gDropBlur = gSavedRadialStyle.dropBlur;
    gDropWidth = gSavedRadialStyle.dropWidth;
    gDropHeight = gSavedRadialStyle.dropHeight;
    gStrikeColor = gSavedRadialStyle.strikeColor;
    gUnderlineColor = gSavedRadialStyle.underlineColor;
    gStrikeCount = gSavedRadialStyle.strikeCount;
    gUnderlineCount = gSavedRadialStyle.underlineCount;
    TextFace(0);
}
