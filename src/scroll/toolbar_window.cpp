// The toolbar window: its place, the grid of its buttons, drawing them, and what each button does.
#include "scroll/toolbar_window.h"

#include "controls/custom_controls.h"
#include "foundation/app_paths.h"
#include "foundation/error_dialog.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "macros/macro_running.h"
#include "macros/macro_services.h"
#include "platform/drawing.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "resource_names.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/screens.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/commands.h"
#include "shell/event_handlers.h"
#include "shell/file_opening.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "shell/window_frames.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr SInt16 kToolbarWindowID = 133;
constexpr Size kEntrySize = 6;
constexpr SInt16 kToolbarHeight = 24, kToolbarWidth = 373;
constexpr SInt16 kStandardMacroNames = 305, kFirstToolbarMacro = 27;
constexpr SInt16 kMacroMissingBefore = 88, kMacroMissingAfter = 89;
constexpr SInt16 kOpenMacroFlag = -6;

ToolbarGrid gGrid;

SInt16 ButtonPicture(SInt16 index) {
    if (!gToolbarButtonList || index < 0 || index >= gToolbarButtonCount) return 0;
    return reinterpret_cast<const SInt16*>(*gToolbarButtonList)[index * 3 + 2];
}

class InToolbarPort {
  public:
    InToolbarPort() : saved_(GetPortReference()) { SetPortByReference(kToolbarWindowReference); }
    ~InToolbarPort() {
        if (myToolbarWindow) QDFlushPortBuffer(GetWindowPort(myToolbarWindow), nullptr);
        SetPortByReference(saved_);
    }
    InToolbarPort(const InToolbarPort&) = delete;
    InToolbarPort& operator=(const InToolbarPort&) = delete;

  private:
    WindowReference saved_;
};

void RunToolbarMacro(SInt16 index) {
    Str255 name;
    GetOrvalisString(kStandardMacroNames, SInt16(index + kFirstToolbarMacro - 8), name);
    const std::string macro(PStringView(name));
    const std::string file = GetAppPathFolder(kMacroFolderSlot) + macro;
    if (macro.empty() || !FileExists(file)) {
        Str255 before, after;
        GetOrvalisString(kProgramTexts, kMacroMissingBefore, before);
        GetOrvalisString(kProgramTexts, kMacroMissingAfter, after);
        const std::string text = std::string(PStringView(before)) + macro + std::string(PStringView(after));
        DoErrorMessageText(text.c_str());
        return;
    }
    gIdflag = kOpenMacroFlag;
    gRunMacroOnOpen = true;
    DoRunMacro(file, 0, 0);
    gIdflag = 0;
}

constexpr SInt16 kFirstMacroButton = 8, kLastMacroButton = 14;

bool IsMacroButton(SInt16 index) {
    return index >= kFirstMacroButton && index <= kLastMacroButton;
}

// A button that cannot act shows its picture washed out with the window's white, half the pixels.
void GreyButton(const Rect& cell) {
    PenState pen;
    GetPenState(&pen);
    RGBColor fore, back;
    GetForeColor(&fore);
    GetBackColor(&back);
    const RGBColor black{0, 0, 0}, white{0xFFFF, 0xFFFF, 0xFFFF};
    RGBForeColor(&black);
    RGBBackColor(&white);
    PenPat(&kGrayPattern);
    PenMode(patBic);
    PaintRect(&cell);
    SetPenState(&pen);
    RGBForeColor(&fore);
    RGBBackColor(&back);
}

} // namespace

bool ToolbarButtonEnabled(SInt16 index) {
    return !IsMacroButton(index) || CanRunMacros();
}

ToolbarGrid LayOutToolbar(SInt16 width, SInt16 height, SInt16 count) {
    ToolbarGrid grid;
    if (count <= 0 || width <= 0 || height <= 0) return grid;
    // As many a row as the window's proportions allow, never none; rows enough for every button.
    const long long fit = (long long)width * count / height;
    grid.perRow = SInt16(std::clamp<long long>(fit, 1, count));
    grid.rows = SInt16((count + grid.perRow - 1) / grid.perRow);
    grid.size = SInt16(width / grid.perRow);
    if (height / grid.rows != 0) grid.size = SInt16(height / grid.rows);
    return grid;
}

Rect ToolbarCell(const ToolbarGrid& grid, SInt16 column, SInt16 row) {
    const SInt16 left = SInt16(column * grid.size), top = SInt16(row * grid.size);
    return Rect{SInt16(top + 2), SInt16(left + 2), SInt16(top + grid.size - 2), SInt16(left + grid.size - 2)};
}

SInt16 ToolbarButtonAt(const ToolbarGrid& grid, SInt16 count, Point point) {
    if (grid.size <= 0 || point.h < 0 || point.v < 0) return -1;
    const SInt16 column = SInt16(point.h / grid.size), row = SInt16(point.v / grid.size);
    if (column >= grid.perRow || row >= grid.rows) return -1;
    const Rect cell = ToolbarCell(grid, column, row);
    if (!PtInRect(point, &cell)) return -1;
    const SInt16 index = SInt16(row * grid.perRow + column);
    return index < count ? index : SInt16(-1);
}

bool CreateToolbarList() {
    gGrid = ToolbarGrid{};
    if (!gToolbarButtonList || !myToolbarWindow || gToolbarButtonCount <= 0) return false;
    Rect content{};
    GetPortBounds(GetWindowPort(myToolbarWindow), &content);
    gGrid = LayOutToolbar(RectWidth(content), RectHeight(content), gToolbarButtonCount);
    gToolbarHorizontalCount = gGrid.perRow;
    gToolbarVerticalCount = gGrid.rows;
    gToolbarButtonSize = gGrid.size;
    return gGrid.size > 0;
}

void DrawToolbarButtons() {
    if (!myToolbarWindow || gGrid.size <= 0) return;
    for (SInt16 row = 0; row < gGrid.rows; ++row)
        for (SInt16 column = 0; column < gGrid.perRow; ++column) {
            const SInt16 index = SInt16(row * gGrid.perRow + column);
            if (index >= gToolbarButtonCount) return;
            const Rect cell = ToolbarCell(gGrid, column, row);
            const SInt16 picture = ButtonPicture(index);
            MainUpDownButton(&cell, picture, picture + 1, 0, kButtonPictures);
            if (!ToolbarButtonEnabled(index)) GreyButton(cell);
        }
}

void UpdateToolbarWindow() {
    if (!myToolbarWindow) return;
    InToolbarPort port;
    DrawToolbarButtons();
}

void OpenToolbarWindow() {
    if (myToolbarWindow) return;
    gToolbarButtonCount =
        gToolbarButtonList ? SInt16(GetHandleSize(gToolbarButtonList) / kEntrySize) : SInt16(0);
    WindowPtr window = GetNewCWindow(kToolbarWindowID, nullptr, kFirstWindowOfClass);
    if (!window) return;
    SetWRefCon(window, kToolbarWindowReference);
    Rect place = GetWindowPlace(gPositionPreferences, kPlaceToolbar);
    if (!EmptyRect(&place) && IsRectWithinADeviceRect(&place)) {
        place.bottom = SInt16(place.top + kToolbarHeight);
        place.right = SInt16(place.left + kToolbarWidth);
    } else {
        const Rect screen = GetDeviceBounds(GetMainDevice());
        const SInt16 top = DefaultToolWindowTop(window);
        place = Rect{top, SInt16(screen.left + 15), SInt16(top + kToolbarHeight),
                     SInt16(screen.left + kToolbarWidth)};
        gPositionPrefsChanged = true;
    }
    place = PlaceWindowInsideScreens(window, place);
    myToolbarWindow = window;
    myToolbarDevice = GetMaxDevice(&place);
    CreateToolbarList();
    InstallWindowHandlers(window);
    ShowWindow(window);
    UpdateToolbarWindow();
}

void CloseToolbarWindow(SInt16 alreadyGone) {
    if (!myToolbarWindow) return;
    if (!alreadyGone) DisposeWindow(myToolbarWindow);
    myToolbarWindow = nullptr;
    myToolbarDevice = nullptr;
    gGrid = ToolbarGrid{};
    if (myScrollWindow) SetPort(GetWindowPort(myScrollWindow));
}

// The grid stays as it was laid out at opening; the window is only drawn again.
void NewToolbarWindowSize(SInt16, SInt16) {
    if (!myToolbarWindow) return;
    InToolbarPort port;
    gWaitingForUpdate = true;
}

void MouseInToolbar(Point point) {
    const SInt16 index = ToolbarButtonAt(gGrid, gToolbarButtonCount, point);
    if (index < 0 || !ToolbarButtonEnabled(index)) return;
    const SInt16 column = SInt16(index % gGrid.perRow), row = SInt16(index / gGrid.perRow);
    const Rect cell = ToolbarCell(gGrid, column, row);
    const SInt16 picture = ButtonPicture(index);
    bool released = false;
    {
        InToolbarPort port;
        released = TrackMainUpDownButton(&cell, picture, picture + 1, kButtonPictures, 60, 20, 0) != 0;
    }
    if (!released) return;
    DoToolButtonAction(index);
    UpdateToolbarWindow();
}

void DoToolButtonAction(SInt16 index) {
    if (!ToolbarButtonEnabled(index)) return;
    switch (index) {
    case 0:
        if (!gEditOn) StartEdit();
        return;
    case 1:
        if (gScrollOn != 1) StartScroll(1);
        return;
    case 2:
        // The music player is not driven from here until it can be; outside scrolling the button rests.
        if (!gScrollOn) return;
        IsPaused() ? PauseOff(0) : PauseOn();
        return;
    case 3:
        SetScrollAmount(65535, GetPref(gThePreferences, kPrefScrollDirection) == -1 ? 1 : -1);
        gPrefsChanged = true;
        UpdateInfoRect(GetPref(gThePreferences, kPrefShowInformation), 1,
                       GetPref(gThePreferences, kPrefInfoShowsTimes));
        return;
    case 4:
        DoScrollFaster();
        return;
    case 5:
        DoScrollSlower();
        return;
    case 6:
        ScrollScrollThisMuch(-SInt32(std::trunc(gScrollCurrentPos)), 0);
        return;
    case 7:
        if (gDontQuitWithoutSaving) gNeedToCheckText = true;
        if (gQueueIsDirty) gNeedToCheckQueue = true;
        if (gNeedToCheckText || gNeedToCheckQueue) {
            gSavedMid = kFileMenuID;
            gSavedMitem = kOpenItem;
            gSaveAutoDialogAnswer = 0;
            return;
        }
        DoOpen(std::string());
        return;
    default:
        if (IsMacroButton(index)) RunToolbarMacro(index);
        return;
    }
}
