// One implementation shared by the two windows that show the script as an editor's text view beside the
// prompter: the edit window and the scroll monitor. Each is a TextWindow: its window, its text view laid
// out in one uniform format, its scroll bar, its heights and position, and the returns it adds to break
// like the prompter.
#pragma once

#include "controls/scroll_controls.h"
#include "platform/windows.h"
#include "prefs/prefs_record.h"
#include "scroll/fake_returns.h"
#include "scroll/scroll_position.h"
#include "textengine/text_engine_types.h"

// What differs between the windows of the family.
struct TextWindowKind {
    SInt16 windowID;  // 'WIND' resource
    SInt16 reference; // window reference
    SInt16 placeSlot; // slot of the window's place in the position preferences
    Rect (*defaultPlace)();
    TextFormatBlock (*format)(); // the format the whole text is shown in
    SInt16 leftInset;            // pixels between the window's left edge and the text
    bool editable;               // takes the caret and typing in edit mode
    bool spacingFromFormat;      // line spacing from the format, else single
    bool alwaysBreakLikePrompter;
    bool wheel;              // the mouse wheel scrolls it
    bool tabBar;             // shows the tab ruler above the text while the prompter's tab bar shows
    bool floatsOverPrompter; // a tool window the desktop keeps above the prompter
};

struct TextWindow {
    TextWindow(const TextWindowKind* k, WindowPtr* w, GDHandle* d, WEReference* t)
        : kind(k), window(w), device(d), text(t) {}
    const TextWindowKind* kind = nullptr;
    WindowPtr* window = nullptr;
    GDHandle* device = nullptr;
    WEReference* text = nullptr;
    Rect textRect{};
    SInt32 currentPos = 0;     // 0 with the first line at the text rect's top, negative further on
    SInt32 textHeight = 0;     // all laid-out lines
    SInt32 textRectHeight = 0; // the window's port
    SInt32 extraHeight = 0;    // how far the text can move; negative when it is shorter than the window
    SInt16 singleSpace = 0;
    SInt16 pixelSpace = 0;
    SInt32 pageScrollSize = 0;
    double divisor = 1;
    ScrollBarValues bar;
    MyScrollControl barControl;
    FakeReturnList fakes;
    SInt16 savePositionCount = 0;
    SInt32 savedOffset = 0; // 32-bit: a saved place far into a long script comes back to the same character
    RgnHandle savedClip = nullptr; // the port's clip while a position save keeps drawing off
};

// Puts a window's numbers back to those of a closed window.
void ResetTextWindow(TextWindow& tw);
// Opens the window at its stored place (or its default place on the main screen) with an empty text view.
bool OpenTextWindow(TextWindow& tw);
void CloseTextWindow(TextWindow& tw, bool alreadyGone);
// Makes the text view again for the window's present size; false when it could not be made.
bool CreateTextWindowBox(TextWindow& tw);
// Fills the view with the script; breakLikePrompter adds a return wherever the prompter wraps a line.
bool FillTextWindow(TextWindow& tw, bool breakLikePrompter, std::span<const OverlayInsertion> overlays = {});
void SetTextWindowTextRect(TextWindow& tw);
void SetTextWindowSpacing(TextWindow& tw);
void TextWindowRecalText(TextWindow& tw);
void SetTextWindowScrolls(TextWindow& tw);
// Reads the position back from the view; with pullBack, a text left scrolled past its end comes back.
void GetTextWindowPos(TextWindow& tw, bool pullBack);
// Moves the text by pixels (negative: on towards its end); with clamp, never past its start or end.
void TextWindowScrollThisMuch(TextWindow& tw, SInt32 pixels, bool clamp);
// Brings the line of offset to the top, raised by fraction of its height; fromTop scrolls to the start
// first.
void TextWindowScrollToCharacter(TextWindow& tw, SInt32 offset, double fraction, bool fromTop);
// The character at the top-left corner of the text rect, and at vertical coordinate v on its left edge.
SInt32 TextWindowZeroPositionCharacter(const TextWindow& tw);
SInt32 TextWindowMiddleCharacter(const TextWindow& tw, SInt16 v);
void UpdateTextWindow(TextWindow& tw);
// The one-deep save of the window's place around a dialog that lays its text out again: the save keeps the
// character at the top, stops drawing and goes to the start; the restore comes back to that character and
// draws the window again. A second save, or a restore without a save, only beeps.
void SaveTextWindowPositionAndReset(TextWindow& tw);
void RestoreTextWindowPosition(TextWindow& tw);
void DrawTextWindowScrollBar(TextWindow& tw);
// The tab ruler's rectangle above the text: empty when the window has none or the tab bar is hidden.
Rect TextWindowTabBarRect(const TextWindow& tw);
// The scroll bar's column at the window's right edge above the size box.
Rect TextWindowScrollBarRect(const TextWindow& tw);
// Lays the window out again after a resize, keeping the character at the top.
void NewTextWindowSize(TextWindow& tw);
// Re-reads the added returns from the view's text against the script after an edit, when they no
// longer match it.
void KeepFakeReturnsInStep(TextWindow& tw);

// One run in the format over the whole text, as a style scrap for the text engine; null when out of memory.
Handle MakeFormatScrap(const TextFormatBlock& format);
