// Font tables from outside, as a document's side file brings them beside its style runs: checked, brought
// up to date against this machine's fonts and applied to a style scrap; a table built from the scrap must
// always read back.
#include "support/engine_support.h"

#include "textengine/font_tables.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    fuzz::WarmUpFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const std::span<const uint8_t> scrapBytes = input.Piece();
    const std::span<const uint8_t> tableBytes = input.Rest();

    Handle scrap = fuzz::HandleOf(scrapBytes);
    Handle table = fuzz::HandleOf(tableBytes);
    if (scrap && table) {
        Boolean changed = false;
        if (WEUpdateFontTable(table, nullptr, &changed) == noErr && changed) WEUpdateStyleScrap(scrap, table);
        Handle built = NewHandle(0);
        if (built && WEBuildStyleScrapFontTable(built, scrap) == noErr &&
            WEUpdateFontTable(built, nullptr, nullptr) != noErr)
            std::abort(); // the program's own table must always be read back
        if (built) DisposeHandle(built);
    }
    if (scrap) DisposeHandle(scrap);
    if (table) DisposeHandle(table);
    fuzz::ClearMessages();
    return 0;
}
