// Orvalis: the entry point. Until the full start-up is in place it starts the platform, opens the
// application's resource file, reads the preference file (reporting a damaged one), lists what the
// resource file holds and writes the preferences back when they changed.
#include "foundation/error_dialog.h"
#include "platform/application.h"
#include "platform/resources.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"
#include "shell/shell_globals.h"

#include <cstdio>
#include <string>

namespace {

std::string TypeName(ResType t) {
    std::string s(4, ' ');
    for (int i = 0; i < 4; ++i) s[size_t(i)] = char((t >> (24 - 8 * i)) & 0xFF);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    SetErrorMessageLogging(IsPlatformHeadless());
    const std::string path = ApplicationFolder() + "/Orvalis.rsrc";
    gMainResFileNum = OpenResFile(path, fsRdPerm);
    if (gMainResFileNum < 0) {
        std::fprintf(stderr, "Orvalis: cannot open its resource file %s (error %d)\n", path.c_str(), ResError());
        return 1;
    }
    gLastResFile = gMainResFileNum;

    gThePreferences = gDefaultPreferences;
    DoGetPreferences(&gThePreferences, kPrefsKindMain, nullptr);
    UseResFile(gMainResFileNum);

    std::printf("Orvalis resources in %s:\n", path.c_str());
    for (SInt16 i = 1; i <= Count1Types(); ++i) {
        ResType type;
        Get1IndType(&type, i);
        std::printf("  '%s'  %d\n", TypeName(type).c_str(), Count1Resources(type));
    }

    if (gPrefsChanged) DoPutPreferences(&gThePreferences, kPrefsKindMain, nullptr);
    CloseResFile(gMainResFileNum);
    ShutdownPlatform();
    return 0;
}
