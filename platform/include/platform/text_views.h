// Editable multi-line text views placed in a window's content: the text panes and edit fields of dialogs
// and tool windows. Text crosses this interface as Mac Roman; offsets count its bytes.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"
#include "platform/windows.h"

#include <string>

struct OpaqueTextView;
using TXNObject = OpaqueTextView*;

// What SetTextViewStyle changes: any of the font (by family number), face, size and colour.
enum : UInt16 { kTextViewFont = 1, kTextViewFace = 2, kTextViewSize = 4, kTextViewColor = 8 };
struct TextViewStyle {
    UInt16 mask = 0;
    SInt16 family = 0;
    SInt16 face = 0;
    SInt16 size = 12;
    RGBColor color{};
};

// frame is local to the window's port.
TXNObject NewTextView(WindowPtr window, const Rect* frame);
void DisposeTextView(TXNObject view);
void SetTextViewFrame(TXNObject view, const Rect* frame);
void SetTextViewText(TXNObject view, const std::string& macRoman);
std::string GetTextViewText(TXNObject view);
SInt32 GetTextViewLength(TXNObject view);
// Offsets are pinned to the text.
void SetTextViewSelection(TXNObject view, SInt32 start, SInt32 end);
void GetTextViewSelection(TXNObject view, SInt32* start, SInt32* end);
OSStatus SetTextViewStyle(TXNObject view, SInt32 start, SInt32 end, const TextViewStyle* style);
// Reads the style at an offset (the character after it).
void GetTextViewStyle(TXNObject view, SInt32 offset, TextViewStyle* style);
// Clipboard commands on the selection.
OSStatus TextViewCut(TXNObject view);
OSStatus TextViewCopy(TXNObject view);
OSStatus TextViewPaste(TXNObject view);
void FocusTextView(TXNObject view);

// Draws text wrapped into a box of the current port, in the port's font, size, face and fore colour.
void DrawTextInBox(const std::string& macRoman, const Rect* box);
