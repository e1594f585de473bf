// Patch files beside the program: only those present open, each in its own slot, the application's file
// is current again afterwards, and closing leaves every slot empty.
#include "program_fixture.h"

#include "foundation/app_paths.h"
#include "foundation/program_strings.h"
#include "platform/memory.h"
#include "platform/pstring.h"

namespace {

// A resource file holding one string list whose item 36 is the text.
void WritePatchFile(const std::string& path, const std::string& text) {
    CreateResFile(path);
    const ResFileRefNum file = OpenResFile(path, fsRdWrPerm);
    ASSERT_GT(file, 0);
    std::vector<UInt8> bytes = {0, 36};
    for (int item = 1; item <= 36; ++item) {
        const std::string entry = item == 36 ? text : std::string();
        bytes.push_back(UInt8(entry.size()));
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    Handle list = NewHandle(Size(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<UInt8*>(*list));
    AddResource(list, FourCC("STR#"), 129, nullptr);
    CloseResFile(file);
}

TEST_F(ProgramTest, OnlyThePatchFilesPresentOpenEachInItsOwnSlot) {
    const std::string folder = home.MakeFolder("program");
    WritePatchFile(folder + "patch3.res", "Patched frame");
    gOVPaths[kApplicationSlot] = folder;
    OpenPatchFiles();
    for (int slot = 0; slot < kPatchResFileCount; ++slot)
        EXPECT_EQ(gPatchResFile[slot] > 0, slot == 3) << "slot " << slot;
    EXPECT_EQ(CurResFile(), gMainResFileNum);
    Str255 text;
    EXPECT_NE(GetOrvalisString(129, 36, text), nullptr);
    EXPECT_EQ(PStringView(text), "Orvalis Frame") << "the application's own texts are in force";

    ClosePatchFiles();
    for (int slot = 0; slot < kPatchResFileCount; ++slot)
        EXPECT_EQ(gPatchResFile[slot], kNoResFile) << "slot " << slot;
    EXPECT_EQ(CurResFile(), gMainResFileNum);
}

} // namespace
