// Program colour numbers, the colour tables behind them and the colour names.
#include "foundation/program_colors.h"

#include "app_resources.h"
#include "effects/effects.h"
#include "foundation/foundation_prefs.h"
#include "foundation/program_strings.h"
#include "foundation/small_math.h"
#include "platform/bytes.h"
#include "platform/drawing.h"
#include "platform/pstring.h"
#include "prefs/prefs_record.h"
#include "shell/shell_globals.h"
#include "support/temp_dir.h"
#include "textengine/text_effect_globals.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Found by argument lookup, so it lives beside the type in the global namespace.
static std::ostream& operator<<(std::ostream& os, const RGBColor& c) {
    return os << "{" << c.red << "," << c.green << "," << c.blue << "}";
}

namespace {

// A colour table's bytes, big-endian or in the other order.
std::vector<UInt8> TableBytes(const std::vector<RGBColor>& colors, SInt16 highest, bool bigEndian) {
    ByteWriter w;
    w.u32(0x12345678);
    w.u16(0);
    w.s16(highest);
    for (size_t i = 0; i < colors.size(); ++i) {
        w.u16(UInt16(i));
        w.u16(colors[i].red);
        w.u16(colors[i].green);
        w.u16(colors[i].blue);
    }
    std::vector<UInt8> bytes = w.take();
    if (!bigEndian) {
        std::reverse(bytes.begin(), bytes.begin() + 4);
        for (size_t at = 4; at + 1 < bytes.size(); at += 2)
            std::swap(bytes[at], bytes[at + 1]);
    }
    return bytes;
}

class ProgramColors : public AppResources {
  protected:
    void SetUp() override {
        savedPrefs = gThePreferences;
        savedGot = gGotColor;
        savedDrop = gDropColor;
        gRemapIndex = -1;
        ForgetColorTables();
        AppResources::SetUp();
    }
    void TearDown() override {
        ForgetColorTables();
        gThePreferences = savedPrefs;
        gGotColor = savedGot;
        gDropColor = savedDrop;
        gRemapIndex = -1;
        AppResources::TearDown();
    }
    PrefsRecord savedPrefs;
    RGBColor savedGot, savedDrop;
};

TEST_F(ProgramColors, TheApplicationTableHoldsEveryNumberUnpadded) {
    Handle table = GetMyColorPalette();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(ColorTableHighestIndex(table), kLastChosenColor);
    EXPECT_FALSE(gColorsCustom);
    EXPECT_EQ(GetMyColorPalette(), table) << "loaded once";

    RGBColor c;
    ASSERT_TRUE(GetOVColor(1, &c, 0));
    EXPECT_EQ(c, (RGBColor{0, 0, 0}));
    ASSERT_TRUE(GetOVColor(3, &c, 0));
    EXPECT_EQ(c, (RGBColor{0xFFFF, 0, 0}));
}

// Every real colour number finds itself again from its colour, so a colour stored by value reads back
// as the same number.
TEST_F(ProgramColors, EveryColourNumberRoundTripsThroughItsColour) {
    gGotColor = RGBColor{0x1234, 0x5678, 0x9ABC};
    for (SInt16 n = 1; n < kLastChosenColor; ++n) {
        if (n == kNotAColor || n == kDefaultColor || n == kColorListSwitch) continue;
        RGBColor c;
        ASSERT_TRUE(GetOVColor(n, &c, 0)) << n;
        ASSERT_EQ(FindColorInClut(&c, 0), n) << n << " " << c;
        ASSERT_EQ(c.red % 257, 0) << n;
        ASSERT_EQ(c.green % 257, 0) << n;
        ASSERT_EQ(c.blue % 257, 0) << n;
    }
}

TEST_F(ProgramColors, ReservedNumbers) {
    RGBColor c{};
    EXPECT_TRUE(GetOVColor(kDefaultColor, &c, kDefaultAsMarker));
    EXPECT_EQ(c, (RGBColor{1, 2, 3}));
    EXPECT_EQ(FindColorInClut(&c, kDefaultAsMarker), kDefaultColor);
    EXPECT_EQ(FindColorInClut(&c, 0), 0) << "the marker is no colour outside mode 1";

    gGotColor = RGBColor{0x1111, 0x2222, 0x3333};
    EXPECT_TRUE(GetOVColor(kLastChosenColor, &c, 0));
    EXPECT_EQ(c, gGotColor);
    EXPECT_EQ(FindColorInClut(&gGotColor, 0), kLastChosenColor);

    EXPECT_FALSE(GetOVColor(774, &c, 0));
    EXPECT_FALSE(GetOVColor(-1, &c, 0));

    SetRandomSeed(5);
    for (int i = 0; i < 50; ++i) {
        EXPECT_TRUE(GetOVColor(kDefaultColor, &c, kDefaultAsRandom));
        EXPECT_NE(FindColorInClut(&c, 0), 0);
    }
}

TEST_F(ProgramColors, NumberNineCyclesTheListLength) {
    struct Case {
        SInt32 from, to;
    } cases[] = {{0, 1}, {1, 2}, {2, 0}, {5, 1}, {-1, 1}};
    for (const Case& c : cases) {
        SetFoundationPref(FoundationPref::ColorListLength, c.from);
        gPrefsChanged = false;
        RGBColor rgb{};
        EXPECT_FALSE(GetOVColor(kColorListSwitch, &rgb, 0));
        EXPECT_EQ(GetFoundationPref(FoundationPref::ColorListLength), c.to) << c.from;
        EXPECT_TRUE(gPrefsChanged);
    }
    SetFoundationPref(FoundationPref::ColorListLength, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(GetOVColor(kColorListSwitch, nullptr, 0));
    EXPECT_EQ(GetFoundationPref(FoundationPref::ColorListLength), 1);
}

TEST_F(ProgramColors, SetOVColorColoursThePortAndFollowsTheDefault) {
    GWorldPtr world = nullptr;
    const Rect bounds{0, 0, 4, 4};
    ASSERT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), noErr);
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(world, nullptr);

    RGBColor out{}, fore{};
    SetOVColor(5, &out);
    GetForeColor(&fore);
    EXPECT_EQ(out, (RGBColor{0, 0, 0xFFFF}));
    EXPECT_EQ(fore, out);

    SetFoundationPref(FoundationPref::DefaultColorNumber, 3);
    SetOVColor(kDefaultColor, nullptr);
    GetForeColor(&fore);
    EXPECT_EQ(fore, (RGBColor{0xFFFF, 0, 0}));

    SetOVColor(900, &out); // no such number: nothing changes
    GetForeColor(&fore);
    EXPECT_EQ(fore, (RGBColor{0xFFFF, 0, 0}));

    SetGWorld(savedPort, savedDevice);
    DisposeGWorld(world);
}

TEST_F(ProgramColors, NamesSkipTheReservedNumbers) {
    Str255 name;
    struct Case {
        const char* name;
        SInt16 number;
    } cases[] = {{"Black", 1}, {"yellow", 6}, {"Cyan", 10}, {"MAGENTA", 11}, {"Sea Green", 56}};
    for (const Case& c : cases) {
        SetPString(name, c.name);
        EXPECT_EQ(FindColorByName(name, 1, false), c.number) << c.name;
    }
    SetPString(name, "Ultraviolet");
    EXPECT_EQ(FindColorByName(name, 1, false), -1);
    EXPECT_EQ(FindColorByName(name, 1, true), 2);

    // Every name of the list names a distinct colour, found again by value.
    std::set<SInt16> numbers;
    for (SInt16 item = 1; GetOrvalisString(1001, item, name); ++item) {
        const SInt16 number = FindColorByName(name, 1, false);
        ASSERT_GT(number, 0) << PStringView(name);
        EXPECT_EQ(number, item <= 6 ? item : item + 3) << PStringView(name);
        EXPECT_TRUE(numbers.insert(number).second);
        RGBColor c;
        ASSERT_TRUE(GetOVColor(number, &c, 0));
        EXPECT_EQ(FindColorInClut(&c, 0), number);
    }
    EXPECT_GE(numbers.size(), 40u);
}

TEST_F(ProgramColors, RandomNumbersAvoidTheReservedOnes) {
    SetRandomSeed(1234);
    std::set<SInt16> seen;
    for (int i = 0; i < 20000; ++i) {
        const SInt16 n = GetRandomColorNum();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 773);
        ASSERT_TRUE(n < 7 || n > 9) << n;
        seen.insert(n);
    }
    EXPECT_GT(seen.size(), 700u);
}

TEST_F(ProgramColors, AShortTableIsPaddedWithTheDropColour) {
    TempDir dir;
    std::vector<RGBColor> colors(300, RGBColor{0x4242, 0x4242, 0x4242});
    colors[1] = RGBColor{0, 0, 0};
    const ResFileRefNum file =
        OpenResourceFileWith(dir.File("patch.res"), {{FourCC("cLut"), 128, TableBytes(colors, 299, true)}});
    ASSERT_GT(file, 0);
    gDropColor = RGBColor{0x0101, 0x0202, 0x0303};

    Handle table = GetMyColorPalette();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(gColorsCustom);
    EXPECT_EQ(ColorTableHighestIndex(table), 773);
    EXPECT_EQ(ColorTableEntry(table, 299), (RGBColor{0x4242, 0x4242, 0x4242}));
    for (SInt16 i : {300, 500, 773})
        EXPECT_EQ(ColorTableEntry(table, i), gDropColor) << i;
    CloseResFile(file);
}

TEST_F(ProgramColors, ByteOrderIsToldByTheTableSize) {
    const std::vector<RGBColor> colors = {{0xFFFF, 0xFFFF, 0xFFFF}, {0x1200, 0x3400, 0x5600}, {0, 0, 0x0100}};
    for (bool bigEndian : {true, false}) {
        TempDir dir;
        const ResFileRefNum file = OpenResourceFileWith(
            dir.File("patch.res"), {{FourCC("cLut"), 128, TableBytes(colors, 2, bigEndian)}});
        ASSERT_GT(file, 0);
        Handle table = GetMyColorPalette();
        ASSERT_NE(table, nullptr);
        for (SInt16 i = 0; i < 3; ++i)
            EXPECT_EQ(ColorTableEntry(table, i), colors[size_t(i)]) << bigEndian << i;
        ForgetColorTables();
        CloseResFile(file);
    }
}

TEST_F(ProgramColors, AHighestIndexPastTheEntriesIsCutDown) {
    TempDir dir;
    const std::vector<RGBColor> colors(5, RGBColor{0x7777, 0x7777, 0x7777});
    const ResFileRefNum file =
        OpenResourceFileWith(dir.File("patch.res"), {{FourCC("clut"), 1600, TableBytes(colors, 700, true)}});
    ASSERT_GT(file, 0);
    RGBColor c;
    EXPECT_TRUE(GetStandardColor(4, &c, false));
    EXPECT_FALSE(GetStandardColor(5, &c, false));
    EXPECT_FALSE(GetStandardColor(699, &c, false));
    CloseResFile(file);
}

TEST_F(ProgramColors, StandardColoursAndTheirRemapping) {
    RGBColor c;
    ASSERT_TRUE(GetStandardColor(0, &c, false));
    EXPECT_EQ(c, (RGBColor{0xFFFF, 0xFFFF, 0xFFFF}));
    ASSERT_TRUE(GetStandardColor(255, &c, false));
    EXPECT_EQ(c, (RGBColor{0, 0, 0}));
    EXPECT_FALSE(GetStandardColor(256, &c, false));
    EXPECT_FALSE(GetStandardColor(-1, &c, false));

    gRemapIndex = 20;
    struct Case {
        SInt16 remapColor;
        RGBColor want;
    } cases[] = {
        {1003, {0xFFFF, 0, 0}},      // program colour 3
        {1007, {0, 0xFFFF, 0xFFFF}}, // the seventh name's colour, program colour 10
        {255, {0, 0, 0}},            // a standard index
    };
    for (const Case& k : cases) {
        gRemapColor = k.remapColor;
        ASSERT_TRUE(GetStandardColor(20, &c, true)) << k.remapColor;
        EXPECT_EQ(c, k.want) << k.remapColor;
    }
    RGBColor plain;
    GetStandardColor(20, &plain, false);
    EXPECT_NE(plain, (RGBColor{0, 0, 0})) << "without remap the entry itself";
}

TEST_F(ProgramColors, StandardTableSearchGivesTheEntrysOwnIndex) {
    for (SInt16 k : {0, 1, 35, 214, 215, 254, 255}) {
        RGBColor c;
        ASSERT_TRUE(GetStandardColor(k, &c, false));
        EXPECT_EQ(FindColorInStandardClut(&c, false), k) << k;
    }
    const RGBColor nearRed{0xFE00, 0x0100, 0};
    EXPECT_EQ(FindColorInStandardClut(&nearRed, false), 0);
    const SInt16 nearest = FindColorInStandardClut(&nearRed, true);
    RGBColor found;
    GetStandardColor(nearest, &found, false);
    EXPECT_EQ(found, (RGBColor{0xFFFF, 0, 0}));
}

TEST_F(ProgramColors, MissingTablesGiveNeutralAnswers) {
    CloseResFile(appFile);
    appFile = -1;
    RGBColor c{};
    EXPECT_EQ(GetMyColorPalette(), nullptr);
    EXPECT_FALSE(GetOVColor(3, &c, 0));
    EXPECT_EQ(FindColorInClut(&c, 0), 0);
    EXPECT_FALSE(GetStandardColor(3, &c, false));
    EXPECT_EQ(FindColorInStandardClut(&c, true), 0);
    EXPECT_TRUE(GetOVColor(kDefaultColor, &c, kDefaultAsMarker)) << "the marker needs no table";
}

} // namespace
