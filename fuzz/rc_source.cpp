// Resource compiler sources: any text compiled as a source in an empty folder, and what compiles
// written out as a resource file and read back.
#include "support/fuzz_support.h"

#include "rc/compiler.h"

#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz::ScratchPath("sources/input.rdef");
    CompiledResources compiled;
    CompileResourceSource(path, std::string_view(reinterpret_cast<const char*>(data), size), compiled);
    CountResourceTypes(compiled.contents);
    std::vector<UInt8> written;
    if (SerializeResourceFork(compiled.contents, written) == noErr) {
        ResourceForkContents again;
        if (ParseResourceFork(written, again) != noErr) __builtin_trap();
    }
    return 0;
}
