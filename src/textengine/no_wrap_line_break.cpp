// The line-break hook of unwrapped text: a line ends only after a carriage return, however wide it is.
#include "textengine/engine_internal.h"

#include <algorithm>

SInt16 _WENoWrapLineBreak(const UInt8* text, SInt32, SInt32 runStart, SInt32 runEnd, Fixed*,
                          SInt32* breakOffset, WEReference) {
    const UInt8* cr = std::find(text + runStart, text + runEnd, UInt8(13));
    if (cr == text + runEnd) {
        *breakOffset = runEnd;
        return 2;
    }
    *breakOffset = SInt32(cr - text) + 1;
    return 0;
}
