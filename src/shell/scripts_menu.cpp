// The scripts menu: the elements of a queue, the texts of a resource script file, or the text documents
// of the current document's folder; each item is a script the prompter can show.
#include "foundation/error_dialog.h"
#include "foundation/folder_files.h"
#include "foundation/folder_menus.h"
#include "foundation/window_references.h"
#include "media/media_services.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "shell/file_opening.h"
#include "shell/menus.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <string>

namespace {

constexpr SInt16 kDocumentScriptsMenu = 136; // the texts of a resource script file
constexpr SInt16 kQueueScriptsMenu = 137;    // the elements of a queue
constexpr SInt16 kFolderScriptsMenu = 138;   // the text documents of a folder

// Puts the scripts menu of that form in the menu bar in place of the one there, emptied.
MenuRef ReplaceScriptsMenu(SInt16 menuID) {
    MenuRef& slot = myMenus[kScriptsMenuSlot];
    if (slot && GetMenuID(slot) == menuID) {
        DeleteMenuItems(slot, 1, CountMenuItems(slot));
    } else {
        if (slot) {
            DeleteMenu(GetMenuID(slot));
            DisposeMenu(slot);
        }
        slot = GetMenu(menuID);
        if (slot) InsertMenu(slot, 0);
    }
    gScriptsMenuExists = slot ? menuID : SInt16(0);
    DrawMenuBar();
    return slot;
}

void AppendUtf8Item(MenuRef menu, const std::string& utf8) {
    Str255 text;
    SetPString(text, Utf8ToMacRoman(utf8));
    AppendMenuItemText(menu, text);
}

// A queue lists its elements; an element whose document is found only in the queue's own folder (the
// queue moved with its documents) takes that folder. The first element that cannot be found is reported
// and the rest are listed unchecked.
void ListQueueElements() {
    const std::string queueFolder = GetQueueFolder(gQueue);
    const SInt32 count = GetQueueElementCount(gQueue);
    bool checking = true;
    for (SInt32 index = 0; index < count && checking; ++index) {
        const std::string name = GetQueueElementName(gQueue, index);
        Str255 macName;
        SetPString(macName, Utf8ToMacRoman(name));
        if (DoesFileExist(macName, GetQueueElementFolder(gQueue, index))) continue;
        if (!queueFolder.empty() && DoesFileExist(macName, queueFolder)) {
            SetQueueElementFile(gQueue, index, name, queueFolder);
            continue;
        }
        DoErrorMessageText("The script \"" + name +
                           "\" of the queue cannot be found. It may have been moved, renamed or removed.");
        checking = false;
    }
    MenuRef menu = ReplaceScriptsMenu(kQueueScriptsMenu);
    for (SInt32 index = 0; menu && index < count; ++index)
        AppendUtf8Item(menu, GetQueueElementName(gQueue, index));
    gSelectText = -1;
    gCurrentScriptName.clear();
}

// The 'TEXT' resources of a resource script file, each named and followed by its ID, in index order.
bool ListResourceScripts() {
    const ResFileRefNum previous = CurResFile();
    const ResFileRefNum file = OpenDocumentResources(gOutPath + gOutName, true, false);
    if (file == -1) return false;
    MenuRef menu = ReplaceScriptsMenu(kDocumentScriptsMenu);
    const SInt16 count = Count1Resources(FourCC("TEXT"));
    for (SInt16 index = 1; menu && index <= count; ++index) {
        Handle resource = Get1IndResource(FourCC("TEXT"), index);
        if (!resource) continue;
        ResID id = 0;
        ResType type = 0;
        Str255 name;
        GetResInfo(resource, &id, &type, name);
        std::string text(PStringView(name));
        text += " " + std::to_string(id);
        Str255 item;
        SetPString(item, text);
        AppendMenuItemText(menu, item);
    }
    CloseDocumentResources(file, previous);
    gSelectText = -1;
    gCurrentScriptName.clear();
    return true;
}

// The text documents beside the current one; the document alone when it is the only one there.
void ListFolderScripts() {
    gCurrentScriptName = gOutName;
    MenuRef menu = ReplaceScriptsMenu(kFolderScriptsMenu);
    if (!menu) return;
    std::string folder = gOutPath;
    if (const size_t slash = gPathSpec.rfind('/'); !gPathSpec.empty() && slash != std::string::npos)
        folder = gPathSpec.substr(0, slash + 1);
    if (folder.empty() || AddFilesofTypeToMenu(menu, folder, false, nullptr) == 0) {
        DeleteMenuItems(menu, 1, CountMenuItems(menu));
        AppendUtf8Item(menu, gOutName);
    } else if (FindScriptMenuItem(gOutName) == 0) {
        // A document whose ending does not mark it as text is still the current script.
        AppendUtf8Item(menu, gOutName);
    }
}

void EraseThePrompter() {
    if (!myScrollWindow) return;
    const WindowReference saved = GetPortReference();
    SetPort(GetWindowPort(myScrollWindow));
    Rect content;
    GetPortBounds(GetWindowPort(myScrollWindow), &content);
    if (!gScrollOn && gTabBarShowing) content.top = gScrollTextRect.top;
    EraseRect(&content);
    SetPortByReference(saved);
}

} // namespace

bool SetScriptMenu(bool redraw) {
    if (gQueue) {
        ListQueueElements();
    } else if (gIsTextFile == kResourceScriptFile || gIsTextFile == kTextDocument) {
        if (gOutName.empty()) {
            SysBeep(1);
            return false;
        }
        if (gIsTextFile == kResourceScriptFile) {
            if (!ListResourceScripts()) {
                SysBeep(1);
                return false;
            }
        } else {
            ListFolderScripts();
        }
    } else {
        DoErrorMessageText("gIsTextFile should not be ThisIsQueueFile");
    }
    if (!gCurrentScriptName.empty()) gSelectText = FindScriptMenuItem(gCurrentScriptName);
    if (redraw) EraseThePrompter();
    return true;
}

SInt16 CountScriptMenuItems() {
    MenuRef menu = GetProgramMenu(kScriptsMenuSlot);
    return menu ? SInt16(CountMenuItems(menu)) : SInt16(0);
}

SInt16 FindScriptMenuItem(const std::string& name) {
    MenuRef menu = GetProgramMenu(kScriptsMenuSlot);
    if (!menu || name.empty()) return 0;
    Str255 text;
    SetPString(text, Utf8ToMacRoman(name));
    return FindNameInMenu(menu, text);
}

std::string GetScriptMenuItemText(SInt16 item) {
    MenuRef menu = GetProgramMenu(kScriptsMenuSlot);
    if (!menu || item < 1 || item > CountMenuItems(menu)) return std::string();
    Str255 text;
    GetMenuItemText(menu, MenuItemIndex(item), text);
    return MacRomanToUtf8(PStringView(text));
}

void CheckScriptMenuItem(SInt16 item) {
    if (MenuRef menu = GetProgramMenu(kScriptsMenuSlot))
        for (MenuItemIndex i = 1; i <= CountMenuItems(menu); ++i)
            CheckMenuItem(menu, i, i == item);
}
