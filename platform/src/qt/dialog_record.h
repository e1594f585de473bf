// The record behind a DialogPtr: its window, its items and the state of a modal loop over it.
// Private to platform/src/qt.
#pragma once

#include "platform/dialogs.h"

#include <span>
#include <string>
#include <vector>

class QWidget;

struct DialogItemRecord {
    SInt16 kind = userItem; // with itemDisable when disabled
    Rect rect{};            // local to the dialog's port
    std::string text;       // Mac Roman
    SInt16 resourceID = 0;  // pictures, icons and resource controls
    SInt16 value = 0;
    SInt16 minimum = 0;
    SInt16 maximum = 1;
    SInt16 hilite = 0;
    SInt32 reference = 0;
    bool visible = true;
    UserItemProc userProc = nullptr;
    QWidget* widget = nullptr; // buttons, check boxes, radio buttons and edit fields
};

struct OpaqueDialog {
    WindowPtr window = nullptr;
    std::vector<DialogItemRecord> items;
    SInt16 defaultItem = kStdOkItemIndex;
    SInt16 cancelItem = 0;
    EventHandlerRef handler = nullptr;
    // Modal loop: the filter in force, how deep the loops over this dialog go, and the item that ended one.
    ModalFilterProc filter = nullptr;
    int modalDepth = 0;
    SInt16 hit = 0;
};

// Parsing of the 'DLOG' and 'DITL' layouts (dialog_resources.cpp).
struct DialogTemplate {
    Rect bounds{};
    SInt16 procID = 0;
    bool visible = false;
    bool goAway = false;
    SInt32 refCon = 0;
    SInt16 itemsID = 0;
    std::string title;
};
bool ParseDialogTemplate(std::span<const UInt8> bytes, DialogTemplate& out);
bool ParseItemList(std::span<const UInt8> bytes, std::vector<DialogItemRecord>& out);

// Item widgets (dialog_widgets.cpp).
void MakeItemWidget(DialogPtr dialog, SInt16 item);
void SyncItemWidget(DialogPtr dialog, SInt16 item);
std::string WidgetText(const DialogItemRecord& record);
// Draws what the port shows of an item: static text, pictures, icons and user items.
void DrawPortItem(DialogPtr dialog, SInt16 item);

// Ends the running modal loop over the dialog with an item, or keeps the item for the next loop.
void HitDialogItem(DialogPtr dialog, SInt16 item);
bool IsItemEnabled(const DialogItemRecord& record);
