// Script documents from outside: the input splits into a document (text of the kind its name says, or a
// resource script file) and a side file, written beside each other under the name the first byte picks
// (its own side file, the earlier name or the companion), and the document is loaded as opening it does.
#include "support/fuzz_support.h"

#include "foundation/error_dialog.h"
#include "foundation/word_line_arrays.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/bookmarks.h"
#include "scroll/doc_resource_header.h"
#include "shell/file_opening.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

namespace {
const char* const kNames[] = {"Talk.txt", "Talk.rtf", "Talk", "Talk.rsrc", "Talk.doc", "Talk.txt"};

void Release(Handle& h) {
    if (h) DisposeHandle(h);
    h = nullptr;
}

void ForgetDocument() {
    Release(myTextResource);
    Release(myStyle);
    Release(gBookmarkList);
    Release(gBookmarkNames);
    Release(reinterpret_cast<Handle&>(myWordLineArray));
    Release(reinterpret_cast<Handle&>(mySyllableArray));
    gNumBookmarks = 0;
    gKeptSideResources.clear();
    CopyPreferences(&gDefaultPreferences, &gThePreferences);
    SetPref(gThePreferences, kPrefStyledText, 1);
    gIsDos = 0;
    gDontQuitWithoutSaving = false;
    gDoOpenChangedFile = false;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    // A bookmark list older than the side-data header is converted without asking.
    AnswerBookmarkConversionForTesting(true, true, false, false);
    ForgetDocument();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 choice = input.Byte();
    const std::span<const uint8_t> document = input.Piece();
    const std::span<const uint8_t> side = input.Rest();

    static const std::string folder = fuzz::ScratchPath("documents") + "/";
    const std::string name = kNames[choice % std::size(kNames)];
    const std::string path = folder + name;
    const int sideKind = (choice >> 4) % 3;
    const std::string sidePath = sideKind == 0   ? SideFilePath(path)
                                 : sideKind == 1 ? EarlierSideFilePath(path)
                                                 : AppleDoublePath(path);
    fuzz::WriteScratch(path, document);
    if (!sidePath.empty()) fuzz::WriteScratch(sidePath, side);

    gOutPath = folder;
    gOutName = name;
    SetDocumentKindFromType(GetFileTypeOfPath(path));
    GetText(SInt16(1 + ((choice >> 6) & 1)));

    fuzz::RemoveScratch(path);
    if (!sidePath.empty()) fuzz::RemoveScratch(sidePath);
    ForgetDocument();
    fuzz::ClearMessages();
    return 0;
}
