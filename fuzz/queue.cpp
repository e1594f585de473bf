// Script queue records from outside: the header's count and indices, every element's file, pause and
// follow-on read back, and each element made the document as opening the queue does.
#include "support/fuzz_support.h"

#include "media/media_services.h"
#include "platform/memory.h"
#include "shell/file_opening.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <cstring>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Handle queue = NewHandle(Size(size));
    if (!queue) return 0;
    if (size) std::memcpy(*queue, data, size);
    gQueue = queue;

    const SInt32 count = GetQueueElementCount(queue);
    GetQueueFolder(queue);
    GetQueueOpeningIndex(queue);
    GetQueueCurrentIndex(queue);
    for (SInt32 i = -1; i <= count && i < 64; ++i) {
        GetQueueElementPauseAtEnd(queue, i);
        GetQueueElementContinues(queue, i);
        SetDocumentFromQueueElement(i);
    }
    SetQueueOpeningIndex(queue, count - 1);
    SetQueueElementFile(queue, count - 1, "Talk.txt", "/nowhere/");
    SetDocumentFromQueueElement(count - 1);

    gQueue = nullptr;
    DisposeHandle(queue);
    gOutName.clear();
    gFileName.clear();
    gInPath.clear();
    fuzz::ClearMessages();
    return 0;
}
