// The menu records and their 'MENU' resource layout.
#include "platform/menus.h"

#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

struct MenuItemRecord {
    std::string text;
    bool enabled = true;
    UInt8 icon = 0;
    UInt8 key = 0;
    UInt8 mark = 0;
    SInt16 style = 0;
    MenuID submenu = 0;
    SInt16 fontID = 0;
    UInt32 attributes = 0;
    UInt8 modifiers = kMenuNoModifiers;
    UInt8 glyph = kMenuNullGlyph;
};

struct OpaqueMenu {
    MenuID id = 0;
    std::string title;
    bool enabled = true;
    std::vector<MenuItemRecord> items;
    MenuItemDrawProc drawProc = nullptr;
    void* drawUserData = nullptr;
};

namespace {

// More items than any menu shows: a resource claiming more is damaged, and item numbers near the top of
// their 16-bit range would keep the loops over them from ending.
constexpr size_t kMaxMenuItems = 2048;

MenuItemRecord* Item(MenuRef menu, MenuItemIndex item) {
    if (!menu || item < 1 || item > menu->items.size()) return nullptr;
    return &menu->items[item - 1];
}

// Layout: ID, width, height, procedure ID, filler (16 bits each), enable flags (32), title, then per
// item its text, icon, key, mark and style bytes; a zero length byte ends the list.
MenuRef ParseMenu(std::span<const UInt8> bytes) {
    ByteReader r(bytes);
    auto menu = std::make_unique<OpaqueMenu>();
    menu->id = r.s16();
    r.skip(8);
    const UInt32 enableFlags = r.u32();
    menu->title = r.pstring();
    menu->enabled = enableFlags & 1;
    while (r.ok() && r.remaining() > 0) {
        const UInt8 length = r.u8();
        if (length == 0) break;
        if (menu->items.size() == kMaxMenuItems) return nullptr;
        r.seek(r.position() - 1);
        MenuItemRecord item;
        item.text = r.pstring();
        item.icon = r.u8();
        item.key = r.u8();
        item.mark = r.u8();
        item.style = r.u8();
        if (item.key == kSubmenuKey) {
            item.submenu = item.mark;
            item.key = 0;
            item.mark = 0;
        }
        const size_t index = menu->items.size() + 1;
        item.enabled = index > 31 || (enableFlags & (1u << index));
        menu->items.push_back(std::move(item));
    }
    return r.ok() ? menu.release() : nullptr;
}

} // namespace

MenuRef GetMenu(SInt16 resourceID) {
    Handle h = GetResource(FourCC("MENU"), resourceID);
    if (!h) return nullptr;
    MenuRef menu = ParseMenu({reinterpret_cast<const UInt8*>(*h), size_t(GetHandleSize(h))});
    return menu;
}

OSStatus CreateNewMenu(MenuID id, UInt32 attributes, MenuRef* outMenu) {
    if (!outMenu) return paramErr;
    *outMenu = new (std::nothrow) OpaqueMenu;
    if (!*outMenu) return memFullErr;
    (*outMenu)->id = id;
    return noErr;
}

void DisposeMenu(MenuRef menu) {
    delete menu;
}

MenuID GetMenuID(MenuRef menu) {
    return menu ? menu->id : 0;
}

void GetMenuTitle(MenuRef menu, StringPtr title) {
    SetPString(title, menu ? menu->title : std::string());
}

void SetMenuTitle(MenuRef menu, ConstStr255Param title) {
    if (menu) menu->title = std::string(PStringView(title));
}

UInt16 CountMenuItems(MenuRef menu) {
    return menu ? UInt16(menu->items.size()) : 0;
}

void GetMenuItemText(MenuRef menu, MenuItemIndex item, StringPtr text) {
    const MenuItemRecord* it = Item(menu, item);
    SetPString(text, it ? it->text : std::string());
}

void SetMenuItemText(MenuRef menu, MenuItemIndex item, ConstStr255Param text) {
    if (MenuItemRecord* it = Item(menu, item)) it->text = std::string(PStringView(text));
}

void InsertMenuItemText(MenuRef menu, ConstStr255Param text, MenuItemIndex after) {
    if (!menu) return;
    if (after > menu->items.size()) after = MenuItemIndex(menu->items.size());
    MenuItemRecord item;
    item.text = std::string(PStringView(text));
    menu->items.insert(menu->items.begin() + after, std::move(item));
}

void AppendMenuItemText(MenuRef menu, ConstStr255Param text) {
    InsertMenuItemText(menu, text, CountMenuItems(menu));
}

void DeleteMenuItem(MenuRef menu, MenuItemIndex item) {
    DeleteMenuItems(menu, item, 1);
}

void DeleteMenuItems(MenuRef menu, MenuItemIndex first, UInt16 count) {
    if (!menu || first < 1 || first > menu->items.size()) return;
    size_t end = std::min(menu->items.size(), size_t(first - 1) + count);
    menu->items.erase(menu->items.begin() + (first - 1), menu->items.begin() + long(end));
}

void EnableMenuItem(MenuRef menu, MenuItemIndex item) {
    if (menu && item == 0) menu->enabled = true;
    if (MenuItemRecord* it = Item(menu, item)) it->enabled = true;
}

void DisableMenuItem(MenuRef menu, MenuItemIndex item) {
    if (menu && item == 0) menu->enabled = false;
    if (MenuItemRecord* it = Item(menu, item)) it->enabled = false;
}

bool IsMenuItemEnabled(MenuRef menu, MenuItemIndex item) {
    if (!menu) return false;
    if (item == 0) return menu->enabled;
    const MenuItemRecord* it = Item(menu, item);
    return it && it->enabled;
}

void CheckMenuItem(MenuRef menu, MenuItemIndex item, bool checked) {
    SetItemMark(menu, item, checked ? kCheckCharCode : kNoMark);
}

void SetItemMark(MenuRef menu, MenuItemIndex item, UInt8 mark) {
    if (MenuItemRecord* it = Item(menu, item)) it->mark = mark;
}

UInt8 GetItemMark(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->mark : 0;
}

void SetItemCmd(MenuRef menu, MenuItemIndex item, UInt8 key) {
    if (MenuItemRecord* it = Item(menu, item)) it->key = key;
}

UInt8 GetItemCmd(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->key : 0;
}

void SetItemStyle(MenuRef menu, MenuItemIndex item, SInt16 style) {
    if (MenuItemRecord* it = Item(menu, item)) it->style = style;
}

SInt16 GetItemStyle(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->style : 0;
}

MenuID GetItemSubmenu(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->submenu : 0;
}

void SetItemSubmenu(MenuRef menu, MenuItemIndex item, MenuID submenu) {
    if (MenuItemRecord* it = Item(menu, item)) it->submenu = submenu;
}

void SetMenuItemFontID(MenuRef menu, MenuItemIndex item, SInt16 family) {
    if (MenuItemRecord* it = Item(menu, item)) it->fontID = family;
}

SInt16 GetMenuItemFontID(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->fontID : 0;
}

OSStatus ChangeMenuItemAttributes(MenuRef menu, MenuItemIndex item, UInt32 setAttributes,
                                  UInt32 clearAttributes) {
    MenuItemRecord* it = Item(menu, item);
    if (!it) return paramErr;
    it->attributes = (it->attributes | setAttributes) & ~clearAttributes;
    return noErr;
}

UInt32 GetMenuItemAttributes(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->attributes : 0;
}

OSStatus InstallMenuItemDrawHandler(MenuRef menu, MenuItemDrawProc proc, void* userData) {
    if (!menu) return paramErr;
    menu->drawProc = proc;
    menu->drawUserData = userData;
    return noErr;
}

MenuItemDrawProc GetMenuItemDrawHandler(MenuRef menu, void** userData) {
    if (!menu) return nullptr;
    if (userData) *userData = menu->drawUserData;
    return menu->drawProc;
}

void SetMenuItemModifiers(MenuRef menu, MenuItemIndex item, UInt8 modifiers) {
    if (MenuItemRecord* it = Item(menu, item)) it->modifiers = modifiers;
}

UInt8 GetMenuItemModifiers(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->modifiers : 0;
}

void SetMenuItemKeyGlyph(MenuRef menu, MenuItemIndex item, UInt8 glyph) {
    if (MenuItemRecord* it = Item(menu, item)) it->glyph = glyph;
}

UInt8 GetMenuItemKeyGlyph(MenuRef menu, MenuItemIndex item) {
    const MenuItemRecord* it = Item(menu, item);
    return it ? it->glyph : 0;
}
