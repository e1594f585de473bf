// The prompter window: opening and closing it, dividing its area into the text rectangle, the cue column,
// the information strip and the scroll bar, its text-engine instance, its sizes and full screen.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"
#include "scroll/scroll_windows.h"
#include "textengine/text_engine_types.h"

// The port the prompter text draws in: the window, or the offscreen world standing in for it while the
// prompter is drawn through offscreen worlds. Null while the window is closed.
extern GrafPtr myScrollWindowAlias;
extern WEReference ScrollWEHandle;
// Where the vertical scroll bar stands: beside the grow box, one pixel past the content.
extern Rect ScrollVerticalScrollRect;
// Window coordinates of the unrotated layout.
extern Rect gScrollTextRect;
// The content less the scroll-bar and information strips, before margins and the cue column.
extern Rect gAvailableRect;
// gScrollTextRect turned into the drawing frame by the rotation setting.
extern Rect gScrollDestinationRect;
// The information strip and its seven fields, in the strip's own drawing frame.
extern Rect gInfoRect;
extern Rect gInfoSizeRect, gInfoStartRect, gInfoFinishRect, gInfoTimerRect, gInfoModeRect, gInfoPauseRect,
    gInfoEndRect;
// The six clickable fields of the strip, in window coordinates.
extern Rect gClickInfoSizeRect, gClickInfoStartRect, gClickInfoFinishRect, gClickInfoTimerRect,
    gClickInfoModeRect, gClickInfoPauseRect;
extern SInt16 gScrollSingleSpace;
extern SInt16 gScrollPixelSpace;
extern bool gScrollingInAllCAPS;
extern bool gIsFullScreen;
// Set to 90 before the program resizes the window and counted down by the timer; while non-zero the
// bounds-changed handler does not store the window's place.
extern SInt16 gUpdateWindowBounds;
extern bool gInhibitBoundChanged;
// An update of the whole prompter is awaited after it was erased for full screen.
extern bool gWaitingForUpdate;
// The program is quitting: the window keeps its layout when it goes back from full screen.
extern bool gQuitting;

// The scroll-bar strip at the right edge, the information strip, the room the tab ruler needs.
constexpr SInt16 kScrollBarStrip = 16;
constexpr SInt16 kInfoStrip = 16;
constexpr SInt16 kTabRulerRoom = 17;
constexpr SInt16 kPrompterWindowID = 128;

void OpenScrollWindow();
void CloseScrollWindow();
void SetScrollWindowTextRect(const Rect* box);
bool CreateScrollTextBox();
bool PutScrollTextInBox(bool relayoutEdit);
void MoveScrollTextBox();
void ShortNewScrollWindowSize(SInt16 width, SInt16 height);
// Asks for the prompter's size in its dialog and applies it.
void GetNewWindowSize();
void NewScrollWindowSize(SInt16 width, SInt16 height);
void SetScrollWindowBackColor();
void ResetScreenIfScrolling();
// 1 when the stored size was kept, 0 when the window had to be fitted to its screen.
SInt16 RestoreScrollWindowSize(SInt16 width, SInt16 height, bool fit);
// Both return what SelectHideOtherWindow returns for the window that was in front.
SInt16 SetScrollWindowToFullScreen(bool hideMenuBar);
SInt16 SetScrollWindowToNormal();
void SetScrollSpacing();
void ClearScrollSpacing();
// GetWindowRectIfScrolling is in scroll_engine.h.
void GetWindowBoundsIfScrolling(Rect* out);
void ScaleRect(Rect* rect, double h, double v);
void ScaleElementsToFit();
SInt16 MySendControlMessage();

// The prompter's content rectangle in its own coordinates; empty while it is closed.
Rect GetScrollWindowContent();
// Where the scroll bar stands for the current content.
void PlaceScrollVerticalScrollRect();
// The height taken at the top of the main screen by the desktop's bar.
SInt16 GetMenuBarHeight();
// Where the program's menu bar ends, in global coordinates: below the prompter's menu bar while the
// prompter shows it on the main screen, else at the top of the main screen's usable area.
SInt16 GetMenuBarBottom();
// The top of a tool window's content at its default place: the window's frame starts below the menu bar.
SInt16 DefaultToolWindowTop(WindowPtr window);
// A copy of the text in which 'a' to 'z' become capitals and every other byte is kept; null when memory
// runs out.
Handle MakeCapitalsCopy(Handle text);
