// Merge entries from a script: the stored list taken as the document gives it, walked entry by entry, each
// replace-with text read for its style codes, then edited, swapped and removed as the merge window does.
#include "support/fuzz_support.h"

#include "platform/memory.h"
#include "texttools/merge_style_codes.h"
#include "texttools/text_tools.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!UseTextMergeData(data, Size(size))) return 0;
    const SInt32 count = gNumTextMerge;
    if (count < 0 || (count > 0 && !gTextMergeList)) __builtin_trap();
    for (SInt32 n = 0; n < count && n < 512; ++n) {
        Str255 keyword, replaceWith, prompt;
        if (!GetTextMergeText(SInt16(n), keyword, replaceWith, prompt)) __builtin_trap();
        Str255 text;
        WETextStyle style{};
        SInt16 start = 0, end = 0;
        GetTextMergeAttributes(replaceWith, text, &style, 0xFFFF, &start, &end);
        if (start < 0 || end < start || end > replaceWith[0] + 1) __builtin_trap();
    }
    CheckForTextMergeFunction(gTextMergeList, count);
    if (count > 0) {
        const UInt8 longer[] = {5, 'w', 'o', 'r', 'd', 's'};
        if (!SetTextMergeText(0, 1, longer)) __builtin_trap();
        if (count > 1) SwapTextMergeText(0, count - 1);
        RemoveTextMergeText(0);
        if (gNumTextMerge != count - 1) __builtin_trap();
    }
    UseTextMergeData(nullptr, 0);
    fuzz::ClearMessages();
    return 0;
}
