// The resource manager over real files: adding, writing, reading back, the chain, and refusals.
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "support/pascal_name.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr ResType kText = FourCC("TEXT");
constexpr ResType kPref = FourCC("pref");

Handle Text(const std::string& s) {
    Handle h = nullptr;
    PtrToHand(s.data(), &h, Size(s.size()));
    return h;
}

std::string Contents(Handle h) {
    return h ? std::string(*h, size_t(GetHandleSize(h))) : "<null>";
}

class ResourceFiles : public ::testing::Test {
  protected:
    // Makes a file holding the given resources, closed again.
    std::string
    MakeFile(const std::string& name,
             std::initializer_list<std::tuple<ResType, ResID, const char*, const char*>> resources) {
        std::string path = dir.File(name);
        CreateResFile(path);
        EXPECT_EQ(ResError(), noErr);
        ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
        EXPECT_GT(f, 0);
        for (auto [type, id, data, resName] : resources) {
            AddResource(Text(data), type, id, PName(resName ? resName : ""));
            EXPECT_EQ(ResError(), noErr);
        }
        CloseResFile(f);
        EXPECT_EQ(ResError(), noErr);
        return path;
    }
    TempDir dir;
};

TEST_F(ResourceFiles, WrittenFileReadsBackByIdNameIndexAndInfo) {
    std::string path = MakeFile(
        "doc.rsrc",
        {{kText, 128, "one", "First"}, {kText, 129, "two", nullptr}, {kPref, 128, "prefs", "Defaults"}});
    ResFileRefNum f = OpenResFile(path, fsRdPerm);
    ASSERT_GT(f, 0);
    EXPECT_EQ(CurResFile(), f);
    EXPECT_EQ(Count1Types(), 2);
    EXPECT_EQ(Count1Resources(kText), 2);
    EXPECT_EQ(Contents(Get1Resource(kText, 129)), "two");
    EXPECT_EQ(Contents(GetNamedResource(kPref, PName("Defaults"))), "prefs");

    Handle first = GetResource(kText, 128);
    EXPECT_EQ(GetResource(kText, 128), first); // one handle while it stays loaded
    ResID id;
    ResType type;
    Str255 name;
    GetResInfo(first, &id, &type, name);
    EXPECT_EQ(id, 128);
    EXPECT_EQ(type, kText);
    EXPECT_EQ(PStringView(name), "First");
    EXPECT_TRUE(HGetState(first) & kHandleResourceBit);
    EXPECT_EQ(HomeResFile(first), f);

    // The newest addition of a type comes first when counting by index.
    EXPECT_EQ(Contents(Get1IndResource(kText, 1)), "two");
    EXPECT_EQ(Contents(Get1IndResource(kText, 2)), "one");
    EXPECT_EQ(Get1IndResource(kText, 3), nullptr);
    EXPECT_EQ(ResError(), resNotFound);
    EXPECT_EQ(Get1Resource(kText, 999), nullptr);
    EXPECT_EQ(ResError(), resNotFound);

    ReleaseResource(first);
    Handle again = GetResource(kText, 128);
    EXPECT_EQ(Contents(again), "one");
    CloseResFile(f);
    EXPECT_EQ(CurResFile(), 0);
}

TEST_F(ResourceFiles, RemovingAndReAddingPersists) {
    std::string path = MakeFile("doc.rsrc", {{kText, 128, "old", "Keep"}, {kText, 200, "gone", nullptr}});
    ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
    Handle gone = Get1Resource(kText, 200);
    RemoveResource(gone);
    ASSERT_EQ(ResError(), noErr);
    EXPECT_FALSE(HGetState(gone) & kHandleResourceBit);
    DisposeHandle(gone); // the handle is the caller's now

    Handle old = Get1Resource(kText, 128);
    RemoveResource(old);
    AddResource(Text("new"), kText, 128, PName("Keep"));
    ASSERT_EQ(ResError(), noErr);
    DisposeHandle(old);

    Handle changed = nullptr;
    AddResource(changed = Text("draft"), kPref, 1, nullptr);
    std::memcpy(*changed, "final", 5); // still unwritten: the handle's bytes at update time count
    CloseResFile(f);
    ASSERT_EQ(ResError(), noErr);

    f = OpenResFile(path, fsRdPerm);
    EXPECT_EQ(Count1Resources(kText), 1);
    EXPECT_EQ(Contents(Get1Resource(kText, 128)), "new");
    EXPECT_EQ(Get1Resource(kText, 200), nullptr);
    EXPECT_EQ(Contents(Get1Resource(kPref, 1)), "final");
    CloseResFile(f);
}

TEST_F(ResourceFiles, OnlyChangedOrWrittenResourcesReachTheDisk) {
    std::string path = MakeFile(
        "doc.rsrc", {{kText, 1, "aaa", nullptr}, {kText, 2, "bbb", nullptr}, {kText, 3, "ccc", nullptr}});
    ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
    Handle unmarked = Get1Resource(kText, 1);
    (*unmarked)[0] = 'X';
    Handle marked = Get1Resource(kText, 2);
    (*marked)[0] = 'Y';
    ChangedResource(marked);
    Handle written = Get1Resource(kText, 3);
    (*written)[0] = 'Z';
    ChangedResource(written);
    WriteResource(written);
    (*written)[1] = 'Q'; // after WriteResource, and not marked again
    DetachResource(marked);
    EXPECT_EQ(ResError(), resAttrErr); // changes pending: not detached
    CloseResFile(f);

    f = OpenResFile(path, fsRdPerm);
    EXPECT_EQ(Contents(Get1Resource(kText, 1)), "aaa");
    EXPECT_EQ(Contents(Get1Resource(kText, 2)), "Ybb");
    EXPECT_EQ(Contents(Get1Resource(kText, 3)), "Zcc");
    CloseResFile(f);
}

TEST_F(ResourceFiles, ChainSearchesFromTheCurrentFileToOlderOnes) {
    std::string app = MakeFile("app.rsrc", {{kText, 128, "app", nullptr}, {kText, 300, "only app", "Name"}});
    std::string patch = MakeFile("patch.rsrc", {{kText, 128, "patch", nullptr}});
    ResFileRefNum a = OpenResFile(app, fsRdPerm);
    ResFileRefNum p = OpenResFile(patch, fsRdPerm);
    EXPECT_EQ(CurResFile(), p);
    EXPECT_EQ(Contents(GetResource(kText, 128)), "patch");
    EXPECT_EQ(Contents(GetResource(kText, 300)), "only app");
    EXPECT_EQ(Contents(GetNamedResource(kText, PName("Name"))), "only app");
    EXPECT_EQ(Get1Resource(kText, 300), nullptr);
    EXPECT_EQ(CountResources(kText), 3);
    EXPECT_EQ(Contents(GetIndResource(kText, 1)), "patch");
    EXPECT_EQ(Contents(GetIndResource(kText, 3)), "app");
    EXPECT_EQ(CountTypes(), 1);
    EXPECT_EQ(UniqueID(kText), 129);

    UseResFile(a);
    EXPECT_EQ(Contents(GetResource(kText, 128)), "app"); // files newer than the current are not searched
    UseResFile(p);
    EXPECT_EQ(OpenResFile(app, fsRdPerm), a); // opening again: the same file, made current
    EXPECT_EQ(CurResFile(), a);

    UseResFile(p);
    CloseResFile(p);
    EXPECT_EQ(CurResFile(), a);
    UseResFile(p);
    EXPECT_EQ(ResError(), resFNotFound);
    CloseResFile(a);
}

TEST_F(ResourceFiles, ReadOnlyFilesRefuseChangesAndStayUnchanged) {
    std::string path = MakeFile("doc.rsrc", {{kText, 128, "one", nullptr}});
    std::vector<UInt8> before;
    ReadWholeFile(path, before);
    ResFileRefNum f = OpenResFile(path, fsRdPerm);
    Handle extra = Text("extra");
    AddResource(extra, kText, 129, nullptr);
    EXPECT_EQ(ResError(), addResFailed);
    DisposeHandle(extra);
    Handle one = Get1Resource(kText, 128);
    RemoveResource(one);
    EXPECT_EQ(ResError(), rmvResFailed);
    ChangedResource(one);
    EXPECT_EQ(ResError(), wrPermErr);
    CloseResFile(f);
    std::vector<UInt8> after;
    ReadWholeFile(path, after);
    EXPECT_EQ(before, after);
}

TEST_F(ResourceFiles, OpeningMissingEmptyAndDamagedFilesFails) {
    EXPECT_EQ(OpenResFile(dir.File("missing.rsrc"), fsRdPerm), -1);
    EXPECT_EQ(ResError(), fnfErr);
    std::string empty = dir.File("empty.rsrc");
    WriteFileAtomically(empty, {});
    EXPECT_EQ(OpenResFile(empty, fsRdPerm), -1);
    EXPECT_EQ(ResError(), resFNotFound);
    std::string junk = dir.File("junk.rsrc");
    const UInt8 bytes[] = {0, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 30, 1, 2, 3};
    WriteFileAtomically(junk, bytes);
    EXPECT_EQ(OpenResFile(junk, fsRdPerm), -1);
    EXPECT_EQ(ResError(), mapReadErr);
    EXPECT_EQ(CurResFile(), 0);

    std::string existing = MakeFile("doc.rsrc", {{kText, 1, "x", nullptr}});
    CreateResFile(existing);
    EXPECT_EQ(ResError(), dupFNErr);
}

TEST_F(ResourceFiles, InfoAndAttributesChangeAndPersist) {
    std::string path = MakeFile("doc.rsrc", {{kText, 128, "one", "Before"}});
    ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
    Handle h = Get1Resource(kText, 128);
    SetResInfo(h, 130, PName("After"));
    SetResAttrs(h, resPurgeable);
    CloseResFile(f);
    f = OpenResFile(path, fsRdPerm);
    h = Get1NamedResource(kText, PName("After"));
    ASSERT_NE(h, nullptr);
    ResID id;
    GetResInfo(h, &id, nullptr, nullptr);
    EXPECT_EQ(id, 130);
    EXPECT_EQ(GetResAttrs(h), resPurgeable);
    CloseResFile(f);
}

TEST_F(ResourceFiles, FailedUpdateReportsAndKeepsTheResourcesInMemory) {
    std::string sub = dir.File("sub");
    std::filesystem::create_directory(sub);
    std::string path = sub + "/doc.rsrc";
    CreateResFile(path);
    ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
    AddResource(Text("unsaved"), kText, 1, nullptr);
    std::filesystem::remove_all(sub);
    UpdateResFile(f);
    EXPECT_NE(ResError(), noErr);
    EXPECT_EQ(Contents(Get1Resource(kText, 1)), "unsaved");
    std::filesystem::create_directory(sub);
    UpdateResFile(f); // the folder is back: the save goes through
    EXPECT_EQ(ResError(), noErr);
    CloseResFile(f);
    f = OpenResFile(path, fsRdPerm);
    EXPECT_EQ(Contents(Get1Resource(kText, 1)), "unsaved");
    CloseResFile(f);
}

TEST_F(ResourceFiles, AddedResourcesAreWrittenWhateverTheirAttributes) {
    // Bytes of every kind, so a short or shifted write shows.
    std::string data;
    for (int i = 0; i < 300; ++i)
        data += char(i * 7);
    struct Case {
        const char* what;
        SInt16 attributes;
        void (*then)(Handle); // what the program does with the handle before the update
    } cases[] = {
        {"attributes without the changed bit", resPurgeable, [](Handle) {}},
        {"no attributes at all", 0, [](Handle) {}},
        {"written after the attributes", resLocked, [](Handle h) { WriteResource(h); }},
        {"released before the update", 0, [](Handle h) { ReleaseResource(h); }},
        {"detached before the update", 0,
         [](Handle h) {
             DetachResource(h);
             DisposeHandle(h); // the handle is the caller's now
         }},
        {"handle disposed before the update", 0, [](Handle h) { DisposeHandle(h); }},
        {"released while still marked changed", resChanged, [](Handle h) { ReleaseResource(h); }},
    };
    for (const Case& c : cases) {
        std::string path = MakeFile("added.rsrc", {});
        ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
        ASSERT_GT(f, 0);
        Handle h = Text(data);
        AddResource(h, kText, 128, PName("Added"));
        ASSERT_EQ(ResError(), noErr) << c.what;
        SetResAttrs(h, c.attributes);
        c.then(h);
        EXPECT_EQ(ResError(), noErr) << c.what;
        UpdateResFile(f);
        EXPECT_EQ(ResError(), noErr) << c.what;
        CloseResFile(f);
        f = OpenResFile(path, fsRdPerm);
        Handle back = Get1Resource(kText, 128);
        const std::string contents = Contents(back);
        EXPECT_EQ(contents.size(), data.size()) << c.what;
        EXPECT_TRUE(contents == data) << c.what;
        EXPECT_EQ(GetResAttrs(back), c.attributes & ~resChanged) << c.what;
        CloseResFile(f);
        std::filesystem::remove(path);
    }
}

} // namespace
