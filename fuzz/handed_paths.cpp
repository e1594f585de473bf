// The paths another start of the program hands over through the single-instance socket: a request's
// bytes, whole or cut off at the bound, split into the paths that are opened and those left out.
#include "support/fuzz_support.h"

#include "platform/single_instance.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const bool cutOff = (input.Byte() & 1) != 0;
    const std::span<const uint8_t> bytes = input.Rest();
    HandOverRefusals refused;
    const std::vector<std::string> files = SplitHandedPaths(bytes, cutOff, refused);
    if (files.size() > kMaxHandedFiles || refused.cutOff != cutOff) __builtin_trap();
    // Every path is a piece of the request, with its end.
    size_t taken = 0;
    for (const std::string& file : files) {
        if (file.empty() || file.size() > kMaxHandedPathBytes || file.find('\0') != std::string::npos)
            __builtin_trap();
        taken += file.size() + 1;
    }
    if (taken > bytes.size() + 1) __builtin_trap();
    return 0;
}
