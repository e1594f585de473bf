// Reading only the start of a file: short files give what they have, folders and missing files fail.
#include "platform/file_io.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(FileStart, ReadsAtMostTheBytesAsked) {
    TempHome home;
    home.WriteFile("long", "OMacand more");
    home.WriteFile("short", "OM");
    home.WriteFile("empty", "");
    home.MakeFolder("folder");
    struct Case {
        const char* name;
        OSErr err;
        std::string bytes;
    };
    const Case cases[] = {
        {"long", noErr, "OMac"}, {"short", noErr, "OM"},  {"empty", noErr, ""},
        {"folder", fnfErr, ""},  {"missing", fnfErr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<UInt8> out{1, 2, 3};
        EXPECT_EQ(ReadFileStart(home.path() + "/" + c.name, 4, out), c.err);
        EXPECT_EQ(std::string(out.begin(), out.end()), c.bytes);
    }
}

} // namespace
