// Text files read into a script: the bytes converted as a file of the ending the first byte picks (plain,
// DOS, RTF, word processor, UTF-16 or UTF-8 by content), and the same through the whole-file reader.
#include "support/fuzz_support.h"

#include "foundation/text_import.h"
#include "platform/memory.h"
#include "platform/pstring.h"

#include <cstring>

namespace {
const char* const kNames[] = {"Talk.txt", "Talk.rtf", "Talk.wri", "Talk.doc",
                              "Talk.cwk", "Talk",     "Talk.TXT", "Talk.RTF"};
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const char* name = kNames[input.Byte() % std::size(kNames)];
    const std::span<const uint8_t> bytes = input.Rest();

    LooksLikeText(bytes);

    Str255 fileName;
    SetPString(fileName, name);
    Handle buffer = NewHandle(Size(bytes.size()));
    if (!buffer) return 0;
    if (!bytes.empty()) std::memcpy(*buffer, bytes.data(), bytes.size());
    SInt32 length = SInt32(bytes.size());
    Handle styles = nullptr;
    ProcessText(*buffer, &length, fileName, &styles);
    if (length < 0 || length > SInt32(bytes.size())) __builtin_trap();
    if (styles) DisposeHandle(styles);
    DisposeHandle(buffer);

    static const std::string folder = fuzz::ScratchFolder() + "/";
    const std::string path = folder + name;
    fuzz::WriteScratch(path, bytes);
    Handle text = nullptr;
    styles = nullptr;
    bool wasCut = false;
    if (ReadWholeTextFile(path, &text, &styles, &wasCut) == noErr && text) DisposeHandle(text);
    if (styles) DisposeHandle(styles);
    fuzz::RemoveScratch(path);
    fuzz::ClearMessages();
    return 0;
}
