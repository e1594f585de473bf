// Named preference sets: IDs, saving and loading with the window places and shape, deleting, listing,
// and the built-in sets of the application's resources.
#include "prefs_test_support.h"

#include "prefs/preference_sets.h"
#include "shell/startup.h"
#include "support/pascal_name.h"

namespace {

std::vector<UInt8> Shape(UInt32 count, UInt8 fill) {
    std::vector<UInt8> shape(kShapeRecordMaxSize, 0);
    std::fill(shape.begin() + 36, shape.begin() + 36 + 32 * count, fill);
    Put32(shape, 0, FourCC("Shap"), false);
    Put32(shape, 4, 0x00010000, false);
    Put32(shape, 16, count, false);
    return shape;
}

std::vector<std::pair<ResID, std::string>> Listed() {
    std::vector<PreferenceSetEntry> sets;
    ListPreferenceSets(sets);
    std::vector<std::pair<ResID, std::string>> out;
    for (const PreferenceSetEntry& s : sets)
        out.push_back({s.id, s.name});
    return out;
}

using IdsAndNames = std::vector<std::pair<ResID, std::string>>;

TEST_F(PrefsFileTest, SetIdsStartAt128AndReuseAFreedOne) {
    const std::vector<UInt8> shape = Shape(2, 1);
    EXPECT_EQ(SavePreferenceSet(PName("Studio"), 0, 0, shape.data(), PName("Wedge")), 128);
    EXPECT_EQ(SavePreferenceSet(PName("Hall"), 0, 0, shape.data(), PName("Wedge")), 129);
    EXPECT_EQ(Listed(), (IdsAndNames{{129, "Hall"}, {128, "Studio"}}));

    EXPECT_EQ(DeletePreferenceSet(128), noErr);
    EXPECT_EQ(Listed(), (IdsAndNames{{129, "Hall"}}));
    EXPECT_EQ(ReadResources(SetsPath(), kPositionPrefsType).size(), 1u);
    EXPECT_EQ(ReadResources(SetsPath(), kShapePrefsType).size(), 2u) << "a deleted set's shape stays";

    EXPECT_EQ(SavePreferenceSet(PName("Chapel"), 0, 0, nullptr, nullptr), 128);
    EXPECT_EQ(ReadResources(SetsPath(), kShapePrefsType).size(), 1u) << "nor is it taken by the next set";
    EXPECT_EQ(gPrefsFileNameID, kPrefsFileNameItem);
    EXPECT_TRUE(gMakeIfDontExist);
    EXPECT_EQ(gPrefResourceID, kPrefsResourceID);
}

TEST_F(PrefsFileTest, LoadingASetRestoresItsRecordsAndClearsTheChangeFlag) {
    SetPref(gThePreferences, kPrefScrollSpeed, 140);
    SetPref(gThePreferences, kPrefMirror, 1);
    SetWindowPlace(gPositionPreferences, kPlacePrompter, Rect{20, 30, 700, 1000});
    const std::vector<UInt8> savedShape = Shape(3, 0x5C);
    const ResID id = SavePreferenceSet(PName("Studio"), 1024, 768, savedShape.data(), PName("Fan"));
    ASSERT_EQ(id, 128);
    EXPECT_EQ(GetPref(gThePreferences, kPrefStoredPrompterWidth), 1024);
    const PrefsRecord saved = gThePreferences;

    CopyPreferences(&gDefaultPreferences, &gThePreferences);
    SetWindowPlace(gPositionPreferences, kPlacePrompter, Rect{});
    gPrefsChanged = true;
    std::vector<UInt8> shape = Shape(0, 0);
    Str255 shapeName;
    ASSERT_EQ(LoadPreferenceSet(id, shape.data(), shapeName), noErr);

    EXPECT_EQ(std::memcmp(gThePreferences.bytes, saved.bytes, kPrefsRecordBytes), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefStoredPrompterHeight), 768);
    EXPECT_EQ(GetWindowPlace(gPositionPreferences, kPlacePrompter), (Rect{20, 30, 700, 1000}));
    EXPECT_EQ(shape, savedShape);
    EXPECT_EQ(PStringView(shapeName), "Fan");
    EXPECT_FALSE(gPrefsChanged);
    EXPECT_EQ(gPrefsFileNameID, kPrefsFileNameItem);
}

TEST_F(PrefsFileTest, SetOperationsWithoutASetsFileCreateNothing) {
    gPrefsChanged = true;
    EXPECT_TRUE(Listed().empty());
    EXPECT_NE(LoadPreferenceSet(128, nullptr, nullptr), noErr);
    EXPECT_NE(DeletePreferenceSet(128), noErr);
    EXPECT_FALSE(FileExists(SetsPath()));
    EXPECT_TRUE(gPrefsChanged);
    EXPECT_TRUE(gMakeIfDontExist);
}

// A set that is not in the file (a stale menu) changes nothing and stores nothing.
TEST_F(PrefsFileTest, LoadingAMissingSetChangesNothing) {
    ASSERT_EQ(SavePreferenceSet(PName("Studio"), 0, 0, nullptr, nullptr), 128);
    SetPref(gThePreferences, kPrefScrollSpeed, 33);
    gPrefsChanged = true;
    EXPECT_EQ(LoadPreferenceSet(131, nullptr, nullptr), resNotFound);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 33);
    EXPECT_TRUE(gPrefsChanged);
    EXPECT_EQ(Listed().size(), 1u);
}

// When a set's main record cannot be used, the live settings are still the user's, changes included.
TEST_F(PrefsFileTest, UnusableSetKeepsTheLiveSettingsAndTheirChangeFlag) {
    WriteResourceFile(SetsPath(), {{kMainPrefsType, 128, std::vector<UInt8>(900, 0), "Broken"}});
    SetPref(gThePreferences, kPrefScrollSpeed, 33);
    gPrefsChanged = true;
    EXPECT_EQ(LoadPreferenceSet(128, nullptr, nullptr), badPrefsRecordErr);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 33);
    EXPECT_TRUE(gPrefsChanged);
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
}

TEST_F(PrefsFileTest, BuiltInSetsLoadAsTheDefaultsWithTheirOwnChanges) {
    std::vector<PreferenceSetEntry> sets;
    ListBuiltInPreferenceSets(appFile, sets);
    ASSERT_EQ(sets.size(), 2u);

    struct Expected {
        const char* name;
        std::vector<std::pair<size_t, UInt16>> changes; // 16-bit units that differ from the defaults
    };
    const Expected expected[] = {
        {"Mirrored for a glass reflector", {{618, 1}}},
        {"Large white text on black",
         {{20, 96}, {22, 65535}, {24, 65535}, {26, 65535}, {28, 0}, {30, 0}, {32, 0}}},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        auto it = std::find_if(sets.begin(), sets.end(),
                               [&](const PreferenceSetEntry& s) { return s.name == e.name; });
        ASSERT_NE(it, sets.end());
        PrefsRecord wanted = gDefaultPreferences;
        for (auto [at, value] : e.changes)
            StoreHost16(wanted.bytes + at, value);

        CopyPreferences(&gDefaultPreferences, &gThePreferences);
        gPrefsChanged = true;
        // Compiled in big-endian order, so on this machine the set is also read from the other order.
        ASSERT_EQ(LoadBuiltInPreferenceSet(it->id, nullptr, nullptr), noErr);
        for (size_t i = 0; i < kPrefsRecordBytes; ++i)
            ASSERT_EQ(gThePreferences.bytes[i], wanted.bytes[i]) << "byte " << i;
        EXPECT_FALSE(gPrefsChanged);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(PrefsFileTest, StartupSettingsSetGoesBackToTheLoadedSettings) {
    CopyPreferences(&gDefaultPreferences, &gSavePreferences);
    SetPref(gSavePreferences, kPrefScrollSpeed, 45);
    gPrefsChanged = true;
    ASSERT_EQ(LoadBuiltInPreferenceSet(kStartupSettingsSet, nullptr, nullptr), noErr);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 45);
    EXPECT_FALSE(gPrefsChanged);
    CopyPreferences(&gDefaultPreferences, &gSavePreferences);
}

// A built-in record of the wrong size (from a patch file, say) would run past the live record.
TEST_F(PrefsFileTest, BuiltInSetOfTheWrongSizeIsRefused) {
    const std::string patch = dir.File("patch0.res");
    std::vector<UInt8> tooLong(kPrefsRecordBytes + 400, 0x7E);
    Put32(tooLong, 0, 2, false);
    WriteResourceFile(patch, {{kMainPrefsType, 1500, tooLong, "Oversized"}});
    const ResFileRefNum patchFile = OpenResFile(patch, fsRdPerm);
    ASSERT_GT(patchFile, 0);

    gPrefsChanged = true;
    EXPECT_EQ(LoadBuiltInPreferenceSet(1500, nullptr, nullptr), badPrefsRecordErr);
    EXPECT_EQ(std::memcmp(gThePreferences.bytes, gDefaultPreferences.bytes, kPrefsRecordBytes), 0);
    EXPECT_TRUE(gPrefsChanged);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_NE(RecordedErrorMessages()[0].find("Oversized"), std::string::npos);
    CloseResFile(patchFile);
}

TEST_F(PrefsFileTest, SavingNowStoresTheSettingsAsTheLoadedOnes) {
    SetPref(gThePreferences, kPrefPacingMode, 3);
    gPrefsChanged = true;
    ASSERT_EQ(SavePreferencesNow(), noErr);
    EXPECT_FALSE(gPrefsChanged);
    EXPECT_EQ(GetPref(gSavePreferences, kPrefPacingMode), 3);
    const auto stored = ReadResources(PrefsPath(), kMainPrefsType);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].bytes, BytesOf(gThePreferences.bytes, kPrefsRecordBytes));
    CopyPreferences(&gDefaultPreferences, &gSavePreferences);
}

} // namespace
