// Standard macro files are written from the built-in copies into the macro folder when missing, and an
// existing file is not overwritten by a copy that is not newer.
#include "app_resources.h"

#include "foundation/app_paths.h"
#include "macros/standard_macro_files.h"
#include "platform/file_io.h"
#include "support/temp_home.h"

#include <string>
#include <vector>

namespace {

std::vector<UInt8> StringList(const std::vector<std::string>& items) {
    std::vector<UInt8> bytes = {0, UInt8(items.size())};
    for (const std::string& item : items) {
        bytes.push_back(UInt8(item.size()));
        bytes.insert(bytes.end(), item.begin(), item.end());
    }
    return bytes;
}

class StandardMacroFiles : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        macros = gOVPaths[kMacroFolderSlot] = home.MakeFolder("data/Macros");
        testFile = OpenResourceFileWith(
            home.path() + "/macros.rsrc",
            {{FourCC("STR#"), kStandardMacroNames, StringList({"Scroll Start", "No Copy"})},
             {FourCC("Mcro"), kFirstBuiltInMacro + 1, builtIn}});
        ASSERT_GT(testFile, 0);
    }
    void TearDown() override {
        CloseResFile(testFile);
        gOVPaths[kMacroFolderSlot].clear();
        AppResources::TearDown();
    }
    std::string Read(const std::string& name) {
        std::vector<UInt8> bytes;
        if (ReadWholeFile(macros + name, bytes) != noErr) return "(missing)";
        return std::string(bytes.begin(), bytes.end());
    }
    TempHome home;
    std::string macros;
    ResFileRefNum testFile = -1;
    const std::vector<UInt8> builtIn = {0x01, 0x31, 0x19, 0x69, '2', ' ', '1', ' ', 'b', 'o', 'd', 'y'};
};

TEST_F(StandardMacroFiles, MissingFilesAreWrittenFromTheBuiltInCopy) {
    VerifyFileAExists(1);
    EXPECT_EQ(Read("Scroll Start"), std::string(builtIn.begin(), builtIn.end()));
    VerifyFileAExists(2); // a name but no built-in copy
    EXPECT_EQ(Read("No Copy"), "(missing)");
    VerifyFileAExists(3); // neither
    gOVPaths[kMacroFolderSlot].clear();
    home.WriteFile("data/Macros/Scroll Start", "mine");
    VerifyFileAExists(1); // no macro folder known
    EXPECT_EQ(Read("Scroll Start"), "mine");
}

TEST_F(StandardMacroFiles, AFileThatIsNotOlderIsKept) {
    home.WriteFile("data/Macros/Scroll Start", "the user's own edit");
    VerifyFileAExists(1);
    EXPECT_EQ(Read("Scroll Start"), "the user's own edit");
}

} // namespace
