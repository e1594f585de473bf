// Menus that list the files of a folder. Each name goes into the item just appended for it, whatever
// files were passed over before it.
#include "foundation/folder_menus.h"

#include "foundation/checked_wrappers.h"
#include "foundation/file_types.h"
#include "foundation/folder_files.h"
#include "foundation/pstring_helpers.h"
#include "platform/memory.h"
#include "platform/pstring.h"

Handle AddFilesToMenu(MenuRef menu, UInt32 magic, Handle list, bool keepList, const std::string& folder,
                      SInt16* count) {
    if (!keepList) {
        list = nullptr;
    } else if (!list) {
        list = MyNewHandle(0, 1);
    }
    SInt16 found = 0;
    Str255 name;
    for (SInt16 index = 1; GetNameNumFromDir(folder, name, &index, magic); ++index) {
        ++found;
        if (menu) AppendMenuItemText(menu, name);
        if (list && PtrAndHand(&index, list, sizeof index) != noErr) break;
    }
    if (count) *count = found;
    return list;
}

SInt16 AddFilesofTypeToMenu(MenuRef menu, const std::string& folder, bool quote, ConstStringPtr filter) {
    const std::string_view wanted = PStringView(filter);
    SInt16 added = 0;
    for (const std::string& text : GetFolderFileNames(folder)) {
        Str255 name;
        SetPString(name, text);
        if (!IsTextFile(name) || text.find(wanted) == std::string::npos) continue;
        Str255 item;
        if (quote) {
            CopyPstrAddQuotes(name, item);
        } else {
            CopyPString(name, item);
        }
        if (menu) AppendMenuItemText(menu, item);
        ++added;
    }
    return added;
}
