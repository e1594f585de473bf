// Colour tables from outside: the input stored as a table resource, loaded with its byte order settled,
// read entry by entry and padded to the program's length.
#include "support/fuzz_support.h"

#include "foundation/color_table_loading.h"
#include "platform/memory.h"
#include "platform/resource_format.h"
#include "platform/resources.h"

#include <vector>

namespace {
constexpr ResType kTableType = FourCC("cFuz");
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResourceEntry entry;
    entry.type = kTableType;
    entry.id = 128;
    entry.data = std::span<const UInt8>(data, size);
    const ResFileRefNum refNum = OpenResFileOfEntries("colour table", {&entry, 1});
    if (refNum <= 0) return 0;
    Handle table = LoadColorTable(kTableType, 128);
    CloseResFile(refNum);
    if (!table) return 0;

    const SInt32 entries = ColorTableEntryCount(table);
    const SInt16 highest = ColorTableHighestIndex(table);
    if (highest >= entries) __builtin_trap();
    for (SInt16 i = -1; i <= highest + 1 && i < 1024; ++i)
        ColorTableEntry(table, i);
    const RGBColor fill{1, 2, 3};
    if (entries < kHighestProgramColorIndex + 1 &&
        PadColorTable(table, kHighestProgramColorIndex + 1, fill)) {
        if (ColorTableEntryCount(table) != kHighestProgramColorIndex + 1) __builtin_trap();
    }
    DisposeHandle(table);
    fuzz::ClearMessages();
    return 0;
}
