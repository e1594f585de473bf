// The program's records in a script's side file, each checked for its header and brought into this
// machine's byte order: bookmarks (older lists converted without asking), bookmark names, tabs, text
// merges, hypertext, mandalas and overlays.
#include "support/fuzz_support.h"

#include "platform/memory.h"
#include "scroll/doc_resource_header.h"

#include <cstring>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 choice = input.Byte();
    const std::span<const uint8_t> bytes = input.Rest();
    Handle h = NewHandle(Size(bytes.size()));
    if (!h) return 0;
    if (!bytes.empty()) std::memcpy(*h, bytes.data(), bytes.size());

    AnswerBookmarkConversionForTesting(true, (choice & 0x10) != 0, (choice & 0x20) != 0,
                                       (choice & 0x40) != 0);
    const bool markChanged = (choice & 0x80) != 0;
    switch (choice & 7) {
    case 0:
        CheckBookmarkCompatibility(&h, markChanged);
        break;
    case 1:
        CheckBookmarkNamesSwapped(&h);
        break;
    case 2:
        CheckTabCompatibility(&h, markChanged);
        break;
    case 3:
        CheckTextMergeCompatibility(h, markChanged);
        break;
    case 4:
        CheckHypertextCompatibility(h, markChanged);
        break;
    case 5:
        CheckSpiroCompatibility(h, markChanged);
        break;
    case 6:
        CheckOverlayCompatibility(h, markChanged);
        break;
    default:
        if (bytes.size() >= kDocResourceHeaderSize)
            IsNotTextMergeData(ReadDocResourceHeader(bytes.data()).tag);
        SwapBookmarks(h, (choice & 8) != 0, SInt32(choice >> 4));
    }
    if (h) DisposeHandle(h);
    fuzz::ClearMessages();
    return 0;
}
