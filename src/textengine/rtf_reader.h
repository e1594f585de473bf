// The RTF reader: turns RTF in a buffer into plain Mac Roman text and its style runs.
#pragma once

#include "platform/types.h"

// Converts the buffer in place; *length comes in as the RTF's length and goes out as the plain text's.
// *styleScrap gets a new style scrap (2-byte header) that the caller owns. Answers 0 when the whole RTF
// was read.
SInt16 ProcessRTF(Ptr buffer, SInt32* length, Handle* styleScrap);
// Keeps the readable text of a word-processor file in place; *length goes out as the text's length.
void ProcessDOC(Ptr buffer, SInt32* length);
