// Plain text files that name things line by line: bookmark-name files and text-merge files, split into
// their lines and entries, and opened for their purpose as the open dialog hands them over.
#include "support/fuzz_support.h"

#include "platform/memory.h"
#include "scroll/bookmarks.h"
#include "shell/file_opening.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 choice = input.Byte();
    const std::span<const uint8_t> bytes = input.Rest();
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());

    GetTrimmedLines(text);
    GetBookmarkNamesFromText(text, SInt32(choice & 63));
    GetTextMergeEntriesFromText(text);

    static const std::string path = fuzz::ScratchPath("Names.txt");
    fuzz::WriteScratch(path, bytes);
    gNumBookmarks = SInt32(choice & 63);
    gIdflag = (choice & 0x80) ? kOpenTextMerge : kOpenBookmarkNames;
    UseFileForPurpose(path);

    gIdflag = 0;
    gNumBookmarks = 0;
    if (gBookmarkNames) DisposeHandle(gBookmarkNames);
    gBookmarkNames = nullptr;
    if (gTextMergeList) DisposeHandle(gTextMergeList);
    gTextMergeList = nullptr;
    gNumTextMerge = 0;
    gDontQuitWithoutSaving = false;
    gDoOpenChangedFile = false;
    fuzz::ClearMessages();
    return 0;
}
