// The style codes that may lead a merge entry's replace-with text ("\b1 \fs24 \fc"Red"..."): what they
// set, the text that follows them, and where one kind of code stands so that it can be replaced.
#pragma once

#include "platform/types.h"
#include "textengine/text_engine_types.h"

// Attribute bits of the parser's result, one per attribute a code sets.
enum : UInt16 {
    kMergeFont = 1,
    kMergeSize = 2,
    kMergeBold = 4,
    kMergeItalic = 8,
    kMergeUnderline = 16,
    kMergeStrikeOut = 32,
    kMergeShadow = 64,
    kMergeCondensed = 128,
    kMergeExtended = 256,
    kMergeRed = 512,
    kMergeGreen = 1024,
    kMergeBlue = 2048,
    kMergeColor = 4096,
};

// Reads the codes at the start of text and returns the bits of the attributes they set. textOut (when
// given) receives the text after the codes; style (when given) takes only the attributes the codes name.
// For the last code whose bit is in interest, *codeStart and *codeEnd (when given) receive the 1-based
// positions of its backslash and of its last character (a blank that ends it included); both are 0 when
// no such code was read.
UInt16 GetTextMergeAttributes(ConstStr255Param text, StringPtr textOut, WETextStyle* style, UInt16 interest,
                              SInt16* codeStart, SInt16* codeEnd);
