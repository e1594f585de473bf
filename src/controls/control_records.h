// The records behind every tool window's items: one dialog record per window holding its item records,
// built from the window's 'DITL' item lists, and the registry that finds an edit item by its text object.
#pragma once

#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/windows.h"

#include <vector>

// The kind of an item: the 'DITL' type, or one of the custom kinds given after construction.
enum MyControlKind : UInt16 {
    kMyUserItem = 0,
    kMyButton = 4,
    kMyCheckBox = 5,
    kMyRadioButton = 6,
    kMyDialogControl = 7,
    kMyStaticText = 8,
    kMyEditText = 16,
    kMyIcon = 32,
    kMyPreview = 64,
    kMyPictureButton = 256,
    kMyIndicatorLight = 257,
    kMyList = 258,
    kMyPopup = 259,
    kMySlider = 260,
    kMyScrollingEditText = 261,
    kMyContainer = 262,
    kMyColorBox = 263,
    kMyColorBoxToo = 264,
    kMyLineDown = 265,
    kMyLineUp = 266,
    kMyColorSwatch = 267,
    kMyPictureRadio = 268,
    kMyPictureCheckBox = 269,
    kMyRadialDial = 270,
    kMyVerticalScrollBar = 271,
    kMyHorizontalScrollBar = 272,
    kMySlidingPictures = 273,
    kMyKnifeSwitch = 274,
    kMyFontButton = 275,
    kMyMultiStatePicture = 276,
};

// The kind word: the kind in kMyKindMask, plus the disabled and hidden bits.
enum : UInt16 { kMyKindMask = 0x7F7F, kMyKindDisabled = 0x0080, kMyKindHidden = 0x8000 };

enum : UInt32 {
    kMyFlagChecked = 0x1, // edit items: read-only
    kMyFlagExpanded = 0x2,
    kMyFlagFixed = 0x4, // does not move with the content offset
    kMyFlagInactive = 0x8,
    kMyRadioGroupMask = 0xFF00,
};

constexpr int kMyTitleLength = 63;
constexpr int kMyDialogColors = 8;
constexpr int kMyTextRegistrySize = 100;

struct MyScrollControl;

struct MyControlItem {
    Rect rect{};         // the full place, when expanded
    Rect collapseRect{}; // the place when not expanded; drawing erases and draws within it
    UInt16 kind = 0;     // kind word
    SInt16 itemNumber = 0;
    SInt32 value = 0;
    SInt32 maximum = 0;
    SInt32 minimum = 0;
    UInt32 flags = 0;
    SInt16 gap = 0; // kept below the item above
    SInt16 reserved = 0;
    SInt16 container = 0; // a container keeps here the last item put into it
    SInt16 itemAbove = -1;
    WindowRef window = nullptr;
    UInt8 title[kMyTitleLength + 1] = {};
    // What the item owns, by kind: a preview's content (its type in maximum), an icon's picture, a nested
    // item. Kept apart from the three numbers so that a number is never read as an address.
    void* object = nullptr;
    // The layer's own scroll bar of a scroll-bar item or a scrolling edit field.
    MyScrollControl* scrollBar = nullptr;
};

struct MyDialogRec {
    Rect bounds{};
    SInt32 lockCount = 0;
    SInt32 windowReference = 0;
    SInt32 stateWord = 1;
    SInt16 contentOffsetH = 0;
    SInt16 contentOffsetV = 0;
    RGBColor colors[kMyDialogColors]{};
    WindowRef window = nullptr;
    RgnHandle boundsRgn = nullptr;
    RgnHandle innerRgn = nullptr;
    // Item n at index n - 1. Its size is fixed once construction is over, so record addresses stay valid
    // for the dialog's life.
    std::vector<MyControlItem> items;
};
using MyDialogHandle = MyDialogRec*;

struct TextControlReg {
    UInt32 key = 0; // window reference << 16 | item number; 0 free
    SInt16 windowReference = 0;
    MyDialogHandle dialog = nullptr;
    UInt32 item = 0;
};
extern TextControlReg gTextControlRegVals[kMyTextRegistrySize];

// The item with the keyboard focus and its dialog; null when none has it.
extern MyControlItem* gHasfocus;
extern MyDialogHandle gHasfocusDialog;

MyDialogHandle CreateMyDialogControls(WindowReference reference, WindowRef window, SInt16 firstID,
                                      SInt16 lastID);
// One free-standing item (index 0-based) of one list; the caller disposes it with DisposeMyWidget.
MyControlItem* CreateWidgetFromDITL(SInt16 ignored, WindowRef window, SInt16 listID, SInt16 index);
void DisposeMyWidget(MyControlItem* widget);
void DisposeMyDialogControls(MyDialogHandle dialog);
// Record n, or null past the last record or for a dialog without items.
MyControlItem* ControlFromItemNum(MyDialogHandle dialog, SInt16 itemNumber);
SInt16 CountMyControls(MyDialogHandle dialog);
void SetMyDialogHighightColor(MyDialogHandle dialog, SInt16 index, const RGBColor* color);

void InitializeMyDialogSystem();
void RegisterMyTextObject(UInt32 key, WindowReference reference, MyDialogHandle dialog, UInt32 item);
void DeleteMyTextObjectRegistration(UInt32 key);
SInt16 FindMyTextObject(UInt32 key);

// Raises the dialog's lock count for as long as it lives; the count never stays raised on any path.
class MyDialogLock {
  public:
    explicit MyDialogLock(MyDialogHandle dialog) : dialog_(dialog) {
        if (dialog_) ++dialog_->lockCount;
    }
    ~MyDialogLock() {
        if (dialog_) --dialog_->lockCount;
    }
    MyDialogLock(const MyDialogLock&) = delete;
    MyDialogLock& operator=(const MyDialogLock&) = delete;

  private:
    MyDialogHandle dialog_;
};
