// The key tables ('Cmd#') and picture-button tables ('Pic#') of dialogs, decoded from their bytes on every
// read: the first input byte picks the item asked for, the rest is the table.
#include "support/fuzz_support.h"

#include "foundation/dialog_filters.h"
#include "foundation/three_d_items.h"

#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const SInt16 item = SInt16(input.Byte()) - 8;
    const std::span<const uint8_t> table = input.Rest();

    std::vector<CommandKeyEntry> keys;
    if (ParseCommandKeyTable(table, keys) && keys.size() > table.size()) __builtin_trap();
    PictureButtonEntry entry;
    ReadPictureButtonEntry(table, item, &entry);
    fuzz::ClearMessages();
    return 0;
}
