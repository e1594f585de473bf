// Orvalis: the entry point. Until start-up is in place it opens the application's resource file beside
// the program and lists what it holds.
#include "platform/resources.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string TypeName(ResType t) {
    std::string s(4, ' ');
    for (int i = 0; i < 4; ++i) s[size_t(i)] = char((t >> (24 - 8 * i)) & 0xFF);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    std::error_code ec;
    auto self = std::filesystem::canonical("/proc/self/exe", ec);
    std::string path = (ec ? std::filesystem::path(argv[0]) : self).parent_path() / "Orvalis.rsrc";
    ResFileRefNum file = OpenResFile(path, fsRdPerm);
    if (file < 0) {
        std::fprintf(stderr, "Orvalis: cannot open its resource file %s (error %d)\n", path.c_str(), ResError());
        return 1;
    }
    std::printf("Orvalis resources in %s:\n", path.c_str());
    for (SInt16 i = 1; i <= Count1Types(); ++i) {
        ResType type;
        Get1IndType(&type, i);
        std::printf("  '%s'  %d\n", TypeName(type).c_str(), Count1Resources(type));
    }
    CloseResFile(file);
    return 0;
}
