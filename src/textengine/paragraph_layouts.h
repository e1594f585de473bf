// The Unicode layout of a record's text: one cached paragraph layout per paragraph (text up to and including
// a carriage return), kept in step with edits so that only the paragraphs an edit touches are laid out again.
#pragma once

#include "textengine/engine_internal.h"

#include "platform/unicode_layout.h"

// A laid-out line of the text: its paragraph's layout, the line within it and where the paragraph starts.
struct UnicodeLineRef {
    const UnicodeParagraph* layout = nullptr;
    SInt32 line = 0;
    SInt32 paragraphStart = 0;
};

// The length of the laid-out line that holds lineStart (up to the line's end), laying out its paragraph
// if needed; 0 without Unicode layout data.
SInt32 UnicodeLineLength(WERec& r, SInt32 lineStart);
// The laid-out line holding offset; false without Unicode layout data. Without whole, only the lines of
// the layout are sure to be there (enough for GetUnicodeLine, not for measuring positions or drawing).
bool FindUnicodeLine(WERec& r, SInt32 offset, UnicodeLineRef* ref, bool whole = true);
// Whether the record breaks lines only after carriage returns.
bool BreaksOnlyAtReturns(const WERec& r);
