// A short piece of the script at a character, as bookmark lists show it.
#include "scroll/prompter_drawing.h"

#include "foundation/program_strings.h"
#include "platform/memory.h"
#include "resource_names.h"
#include "scroll/scroll_engine.h"
#include "shell/shell_globals.h"

#include <algorithm>

namespace {

constexpr SInt16 kNoTextHere = 12;

} // namespace

StringPtr GetScrollTextAtCharacter(SInt32 offset, SInt16 count) {
    static Str255 text;
    text[0] = 0;
    if (gTextHasChanged) GetNewText(0);
    const SInt32 length = myTextResource ? SInt32(GetHandleSize(myTextResource)) : 0;
    if (offset < 0 || offset >= length) {
        GetOrvalisString(kProgramTexts, kNoTextHere, text);
        return text;
    }
    // Near the end of the script there are fewer characters than asked for.
    const SInt32 taken = std::min<SInt32>({count, 255, length - offset});
    const UInt8* from = reinterpret_cast<const UInt8*>(*myTextResource) + offset;
    for (SInt32 i = 0; i < taken; ++i)
        text[i + 1] = from[i] < 32 ? UInt8('.') : from[i];
    text[0] = UInt8(std::max<SInt32>(taken, 0));
    return text;
}
