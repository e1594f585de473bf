// Conveniences over text views: plain black text, coloured ranges, swapping with the clipboard, and a
// string drawn in a box.
#pragma once

#include "platform/text_views.h"

#include <string>

// The whole text in black, the system font, plain, 12 pixels.
OSStatus TXNSetPlainText(TXNObject view);
OSStatus TXNSetColoredText(TXNObject view, SInt32 start, SInt32 end, const RGBColor* color);
// Exchanges the selection and the clipboard: the clipboard's text goes in after the selection, the text
// is made plain, and the range selected before (when not empty) is cut to the clipboard.
OSStatus TXNSwap(TXNObject view);
// Draws the text wrapped into the rectangle of the current port; nothing for a null text.
void DrawCFStringInBox(const Rect* rectangle, const std::string* text);
