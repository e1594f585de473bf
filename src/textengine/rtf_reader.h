// The RTF reader: turns RTF in a buffer into plain Mac Roman text and its style runs.
#pragma once

#include "platform/types.h"

// What a conversion met. The reader goes on past every problem it can step over, so all but the end of
// the input still leave the rest of the text converted; the first problem met is the answer.
enum RTFResult : SInt16 {
    kRTFDone = 0,
    kRTFStrayClose = 1,    // a } without its {
    kRTFTooDeep = 2,       // groups nested past what the reader keeps; deeper ones share their parent's style
    kRTFUnclosed = 3,      // the input ended inside a group
    kRTFBadHex = 4,        // \' not followed by two hexadecimal digits
    kRTFCutShort = 7,      // the input ended inside a control word, an escape or binary data
    kRTFNothingToRead = 8, // no buffer or a negative length
};

// Converts the buffer in place; *length comes in as the RTF's length and goes out as the plain text's,
// which is never longer. *styleScrap gets a new style scrap (2-byte header) that the caller owns, null
// when there is no text. Paragraph ends become carriage returns.
SInt16 ProcessRTF(Ptr buffer, SInt32* length, Handle* styleScrap);
// Keeps the readable text of a word-processor file in place; *length goes out as the text's length.
void ProcessDOC(Ptr buffer, SInt32* length);
