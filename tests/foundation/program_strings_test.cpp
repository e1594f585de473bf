// Program strings: items of the string lists through the open resource files, in a buffer or a handle,
// with empty and missing items and damaged lists giving nothing.
#include "foundation/program_strings.h"
#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr ResType kStringList = FourCC("STR#");

class ProgramStrings : public ::testing::Test {
  protected:
    void SetUp() override {
        appFile = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(appFile, 0);
    }
    void TearDown() override { CloseResFile(appFile); }
    ResFileRefNum appFile = 0;
};

TEST_F(ProgramStrings, BufferFormGivesTheItemOrNull) {
    struct Case {
        SInt16 list, index;
        const char* expected; // null: no item
    };
    // List 300 holds the preference file names; its item 2 is empty.
    const Case cases[] = {{300, 1, "Orvalis Preferences"},
                          {300, 3, "Orvalis Preference Sets"},
                          {300, 2, nullptr},
                          {300, 0, nullptr},
                          {300, 5, nullptr},
                          {32000, 1, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.list << "/" << c.index);
        Str255 buffer;
        std::memset(buffer, 'z', sizeof buffer);
        StringPtr result = GetOrvalisString(c.list, c.index, buffer);
        if (c.expected) {
            EXPECT_EQ(result, buffer);
            EXPECT_EQ(PStringView(buffer), c.expected);
        } else {
            EXPECT_EQ(result, nullptr);
            EXPECT_EQ(buffer[0], 0) << "the buffer holds the empty string";
        }
    }
}

TEST_F(ProgramStrings, HandleFormGivesALockedCopyOrNull) {
    StringHandle h = GetOrvalisString(300, 1);
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(IsHandleLocked(reinterpret_cast<Handle>(h)));
    EXPECT_EQ(GetHandleSize(reinterpret_cast<Handle>(h)), Size(1 + std::strlen("Orvalis Preferences")));
    EXPECT_EQ(PStringView(*h), "Orvalis Preferences");
    DisposeHandle(reinterpret_cast<Handle>(h));

    EXPECT_EQ(GetOrvalisString(300, 2), nullptr);
    EXPECT_EQ(GetOrvalisString(32000, 1), nullptr);
}

// A list in a patch file comes before the application's, and a damaged one gives no text rather than
// bytes from beyond it.
TEST_F(ProgramStrings, PatchListsComeFirstAndDamagedOnesGiveNothing) {
    TempDir dir;
    const std::string patch = dir.File("patch0.res");
    CreateResFile(patch);
    ResFileRefNum f = OpenResFile(patch, fsRdWrPerm);
    ASSERT_GT(f, 0);
    auto add = [](ResID id, std::initializer_list<UInt8> bytes) {
        Handle h = NewHandle(Size(bytes.size()));
        std::memcpy(*h, bytes.begin(), bytes.size());
        AddResource(h, kStringList, id, nullptr);
    };
    add(300, {0, 1, 5, 'P', 'r', 'e', 'f', 's'});
    add(4000, {0, 3, 2, 'o', 'k', 200, 'x'}); // item 2 claims 200 bytes, the list ends after 1
    add(4001, {0, 9, 1, 'a'});                // claims 9 items, holds 1
    CloseResFile(f);
    f = OpenResFile(patch, fsRdPerm);
    ASSERT_GT(f, 0);

    Str255 buffer;
    ASSERT_NE(GetOrvalisString(300, 1, buffer), nullptr);
    EXPECT_EQ(PStringView(buffer), "Prefs");
    ASSERT_NE(GetOrvalisString(4000, 1, buffer), nullptr);
    EXPECT_EQ(PStringView(buffer), "ok");
    EXPECT_EQ(GetOrvalisString(4000, 2, buffer), nullptr);
    EXPECT_EQ(GetOrvalisString(4000, 3, buffer), nullptr);
    EXPECT_EQ(GetOrvalisString(4001, 2, buffer), nullptr);
    EXPECT_EQ(GetOrvalisString(4001, 9), nullptr);
    CloseResFile(f);
}

} // namespace
