// Resource files from outside: parsed as bytes, then opened from memory and from a file on disk, and every
// type, resource, name and attribute walked.
#include "support/fuzz_support.h"

#include "platform/memory.h"
#include "platform/resource_format.h"
#include "platform/resources.h"

#include <vector>

namespace {

void WalkCurrentFile() {
    const SInt16 types = Count1Types();
    for (SInt16 t = 1; t <= types; ++t) {
        ResType type = 0;
        Get1IndType(&type, t);
        const SInt16 count = Count1Resources(type);
        for (SInt16 i = 1; i <= count; ++i) {
            Handle h = Get1IndResource(type, i);
            if (!h) continue;
            ResID id = 0;
            ResType gotType = 0;
            Str255 name;
            GetResInfo(h, &id, &gotType, name);
            GetResAttrs(h);
            GetHandleSize(h);
            if (name[0] > 0) Get1NamedResource(type, name);
            Get1Resource(type, id);
            ReleaseResource(h);
        }
        Unique1ID(type);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResourceForkContents contents;
    if (ParseResourceFork({data, size}, contents) == noErr) {
        // What parses must write back out and parse again to the same entries.
        std::vector<UInt8> written;
        if (SerializeResourceFork(contents, written) == noErr) {
            ResourceForkContents again;
            if (ParseResourceFork(written, again) != noErr || again.entries.size() != contents.entries.size())
                __builtin_trap();
        }
    }

    const ResFileRefNum fromBytes = OpenResFileFromBytes("fuzz input", std::vector<UInt8>(data, data + size));
    if (fromBytes > 0) {
        WalkCurrentFile();
        CloseResFile(fromBytes);
    }

    static const std::string path = fuzz::ScratchPath("input.rsrc");
    fuzz::WriteScratch(path, {data, size});
    const ResFileRefNum fromFile = OpenResFile(path, fsRdPerm);
    if (fromFile > 0) {
        WalkCurrentFile();
        CloseResFile(fromFile);
    }
    fuzz::ClearMessages();
    return 0;
}
