// The cue marker: where it stands in the cue column for every placing kind, rotation and flip; how far
// along the scroll axis its hot spot lies; its hot spot record; moving a rectangle with its frame; and the
// marker drawn turned and mirrored as the output is, over the background while scrolling.
#include "scroll/cue_marker.h"

#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "shell/shell_globals.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A cue column beside the text, upright (left of it) and turned (a strip above or below it).
constexpr Rect kUprightColumn{20, 10, 220, 26};
constexpr Rect kTurnedColumn{10, 20, 26, 320};

std::string Show(const Rect& r) {
    return "{" + std::to_string(r.top) + "," + std::to_string(r.left) + "," + std::to_string(r.bottom) + "," +
           std::to_string(r.right) + "}";
}

void Output(bool scrolling, SInt16 turn, bool flip, bool mirror = false) {
    gScrollOn = scrolling ? 1 : 0;
    SetPref(gThePreferences, kPrefRotation, turn);
    SetPref(gThePreferences, kPrefFlip, flip);
    SetPref(gThePreferences, kPrefMirror, mirror);
    gCueSpotChanged = true;
}

class CueMarker : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPrefs = gThePreferences;
        savedScrollOn = gScrollOn;
        savedBitWidth = gMyBitWidth;
        gMyBitWidth = 32;
        DisposeCue();
        SetCueHotFromBytes(nullptr, 0);
        gCuePositionPercent = 0;
        PrefsRecord& p = gThePreferences;
        for (PrefShort field : {kPrefMirror, kPrefFlip, kPrefRotation, kPrefPositionsFromCue,
                                kPrefBackgroundKind, kPrefCuePositionKind})
            SetPref(p, field, 0);
        SetPref(p, kPrefCueMarkerShown, 1);
    }
    void TearDown() override {
        DisposeCue();
        SetCueHotFromBytes(nullptr, 0);
        gThePreferences = savedPrefs;
        gScrollOn = savedScrollOn;
        gMyBitWidth = savedBitWidth;
        gCueRect = gScrollTextRect = gScrollDestinationRect = Rect{};
        gCuePositionPercent = 0;
        gCueSpotChanged = true;
    }
    // GetCue with the application's resources open and the preferences naming the icon.
    static void LoadCue(SInt16 id) {
        const ResFileRefNum file = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(file, 0);
        SetPref(gThePreferences, kPrefCueMarkerIconID, id);
        GetCue();
        CloseResFile(file);
    }
    static void LoadArrowIcon() {
        LoadCue(128);
        ASSERT_NE(gTheCue, nullptr);
    }
    PrefsRecord savedPrefs;
    SInt16 savedScrollOn = 0;
    SInt16 savedBitWidth = 0;
};

// Without an icon the marker is the 16 x 13 arrow; turned, it lies 13 wide and 16 high.
TEST_F(CueMarker, TheSpotStandsWhereTheKindRotationAndFlipPlaceIt) {
    struct Case {
        const char* what;
        bool scrolling;
        SInt16 turn;
        bool flip;
        SInt16 kind;
        bool fromCue;
        Rect stored;
        Rect expected;
        SInt16 kindAfter;
    };
    const Rect inside{50, 10, 0, 0};
    const Rect outside{0, 0, 0, 0};
    const Case cases[] = {
        {"at rest, middle from the cue", false, 1, true, 0, true, inside, {114, 10, 127, 26}, 0},
        {"at rest, kind 0 from the top", false, 0, false, 0, false, inside, {20, 10, 33, 26}, 0},
        {"quarter", false, 0, false, 2, true, inside, {64, 10, 77, 26}, 2},
        {"third", false, 0, false, 3, true, inside, {80, 10, 93, 26}, 3},
        {"two thirds", false, 0, false, 4, true, inside, {147, 10, 160, 26}, 4},
        {"three quarters", false, 0, false, 5, true, inside, {164, 10, 177, 26}, 5},
        {"end", false, 0, false, 6, true, inside, {207, 10, 220, 26}, 6},
        {"kind 1 is the top", false, 0, false, 1, true, inside, {20, 10, 33, 26}, 1},
        {"kinds out of range are kind 1", false, 0, false, 9, true, inside, {20, 10, 33, 26}, 9},
        {"negative kind", false, 0, false, -3, true, inside, {20, 10, 33, 26}, -3},
        {"dragged at rest", false, 0, false, 7, true, inside, {70, 10, 83, 26}, 7},
        {"dragged, upright", true, 0, false, 7, false, outside, {70, 10, 83, 26}, 7},
        {"dragged, flipped", true, 0, true, 7, false, outside, {157, 10, 170, 26}, 7},
        {"flipped, middle", true, 0, true, 0, true, outside, {114, 10, 127, 26}, 0},
        {"turned back, middle", true, -1, false, 0, true, outside, {10, 164, 26, 177}, 0},
        {"turned back, top", true, -1, false, 0, false, outside, {10, 20, 26, 33}, 0},
        {"turned back, two thirds", true, -1, true, 4, true, outside, {10, 214, 26, 227}, 4},
        {"turned, end", true, 1, false, 6, true, outside, {10, 307, 26, 320}, 6},
        {"dragged, turned back", true, -1, false, 7, false, outside, {10, 95, 26, 108}, 7},
        {"dragged, turned back and flipped", true, -1, true, 7, false, outside, {10, 232, 26, 245}, 7},
        {"dragged, turned", true, 1, false, 7, false, outside, {10, 232, 26, 245}, 7},
        {"dragged, turned and flipped", true, 1, true, 7, false, outside, {10, 95, 26, 108}, 7},
        // A stored spot left outside the column gives up its kind: the middle from the cue, else the top.
        {"outside, dragged, from the cue", false, 0, false, 7, true, outside, {114, 10, 127, 26}, 0},
        {"outside, third, from the top", false, 0, false, 3, false, outside, {20, 10, 33, 26}, 0},
    };
    gCuePositionPercent = 0.25;
    for (const Case& c : cases) {
        const bool turned = c.scrolling && c.turn != 0;
        gCueRect = turned ? kTurnedColumn : kUprightColumn;
        SetPref(gThePreferences, kPrefCuePositionKind, c.kind);
        SetPref(gThePreferences, kPrefPositionsFromCue, c.fromCue);
        SetPref(gThePreferences, kPrefCueRect, c.stored);
        Output(c.scrolling, c.turn, c.flip);
        Rect spot{};
        GetCueSpotRect(&spot);
        EXPECT_EQ(Show(spot), Show(c.expected)) << c.what;
        EXPECT_EQ(GetPref(gThePreferences, kPrefCuePositionKind), c.kindAfter) << c.what;
        // Until the spot is marked changed, the same spot is given back whatever the settings say.
        SetPref(gThePreferences, kPrefPositionsFromCue, !c.fromCue);
        Rect again{};
        GetCueSpotRect(&again);
        EXPECT_EQ(Show(again), Show(c.expected)) << c.what;
    }
}

TEST_F(CueMarker, TheCuePositionCountsFromTheEdgeTheOutputReadsFromPlusTheHotSpot) {
    struct Case {
        const char* what;
        SInt16 turn;
        bool flip;
        SInt16 withoutHot;
        SInt16 withHot;
    };
    // Spots: upright {114,10,127,26} beside the text {20,26,220,400}; turned {10,164,26,177} above the
    // text {26,20,400,320}. The hot values are 5 upright and 9 flipped.
    const Case cases[] = {
        {"upright", 0, false, 94, 99},        {"flipped", 0, true, 93, 102},
        {"turned", 1, false, 143, 148},       {"turned, flipped", 1, true, 144, 153},
        {"turned back", -1, false, 144, 149}, {"turned back, flipped", -1, true, 143, 152},
    };
    SetPref(gThePreferences, kPrefPositionsFromCue, 1);
    gScrollDestinationRect = Rect{7, 0, 300, 300};
    const UInt8 hot[16] = {0, 5, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0};
    for (const Case& c : cases) {
        gCueRect = c.turn ? kTurnedColumn : kUprightColumn;
        gScrollTextRect = c.turn ? Rect{26, 20, 400, 320} : Rect{20, 26, 220, 400};
        for (bool withHot : {false, true}) {
            SetCueHotFromBytes(withHot ? hot : nullptr, withHot ? 16 : 0);
            Output(true, c.turn, c.flip);
            const SInt16 position = withHot ? c.withHot : c.withoutHot;
            EXPECT_EQ(GetCueScrollRectPosition(), position) << c.what << withHot;
            EXPECT_EQ(GetCueDestRectPosition(), position + 7) << c.what;
            // With the prompter closed the window's content is empty: its top and left edges are at 0.
            if (c.turn == 0 && !c.flip) {
                EXPECT_EQ(GetCueScreenPosition(), position + 20) << c.what;
            }
            if (c.turn != 0 && (c.turn == 1) == c.flip) {
                EXPECT_EQ(GetCueScreenPosition(), position + 20) << c.what;
            }
        }
    }
    // At rest the text is upright whatever the output settings: the spot's top from the text's top.
    gCueRect = kUprightColumn;
    gScrollTextRect = Rect{20, 26, 220, 400};
    SetPref(gThePreferences, kPrefCueRect, Rect{50, 10, 0, 0});
    Output(false, 1, true);
    EXPECT_EQ(GetCueScrollRectPosition(), 94 + 5);
}

TEST_F(CueMarker, TheHotSpotRecordTakesItsFirstSixteenBytesAndZeroesWhatIsMissing) {
    struct Case {
        const char* what;
        std::vector<UInt8> bytes;
        std::vector<SInt16> values;
    };
    const Case cases[] = {
        {"missing", {}, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"short", {0, 7, 0xFF, 0xFD, 1}, {7, -3, 0, 0, 0, 0, 0, 0}},
        {"longer",
         {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0x7F, 0x7F, 0x7F, 0x7F},
         {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        std::fill(std::begin(gCueHot), std::end(gCueHot), SInt16(99));
        // The bytes live in a buffer of exactly their size, so that a read past them is caught.
        const std::vector<UInt8> exact = c.bytes;
        SetCueHotFromBytes(exact.empty() ? nullptr : exact.data(), Size(exact.size()));
        EXPECT_EQ(std::vector<SInt16>(std::begin(gCueHot), std::end(gCueHot)), c.values) << c.what;
    }
}

TEST_F(CueMarker, TheIconAndItsHotSpotComeFromTheResourcesAndAnUnknownIDGivesTheArrow) {
    LoadArrowIcon();
    EXPECT_EQ(gCueWidth, 24);
    EXPECT_EQ(gCueHot[0], 8);
    EXPECT_EQ(gCueHot[4], 8);
    DisposeCue();
    EXPECT_EQ(gTheCue, nullptr);
    // A fresh installation's preferences name an icon that exists.
    LoadCue(GetPref(gDefaultPreferences, kPrefCueMarkerIconID));
    EXPECT_NE(gTheCue, nullptr);
    DisposeCue();
    LoadCue(129);
    EXPECT_EQ(gCueWidth, 16);
    DisposeCue();

    LoadCue(31000);
    EXPECT_EQ(gTheCue, nullptr);
    EXPECT_EQ(gCueWidth, kCueArrowWidth);
    EXPECT_EQ(gCueHot[0], 0);
}

TEST_F(CueMarker, ARectangleMovesWithItsFrameKeepingItsShareOfTheHeight) {
    struct Case {
        const char* what;
        Rect from, to, r, expected;
    };
    const Case cases[] = {
        {"same height", {0, 0, 100, 50}, {10, 20, 110, 70}, {50, 5, 60, 15}, {60, 25, 70, 35}},
        {"twice the height", {0, 0, 100, 50}, {10, 20, 210, 70}, {50, 5, 60, 15}, {110, 25, 120, 35}},
        {"a third shorter", {0, 0, 90, 50}, {0, 0, 60, 50}, {45, 0, 55, 10}, {30, 0, 40, 10}},
        {"empty stays", {0, 0, 100, 50}, {10, 20, 110, 70}, {5, 5, 5, 5}, {5, 5, 5, 5}},
        {"frame without height", {0, 0, 0, 50}, {10, 20, 110, 70}, {0, 5, 10, 15}, {10, 25, 20, 35}},
    };
    for (const Case& c : cases) {
        Rect r = c.r;
        AdjustRectCue(&c.from, &c.to, &r);
        EXPECT_EQ(Show(r), Show(c.expected)) << c.what;
    }
}

// A world standing in for the prompter window: black back colour, white text colour.
struct MarkerOutput {
    const char* what;
    SInt16 turn;
    bool mirror, flip;
    Rect column, text;
};
// Where the layout puts the column for each output: left of the text, right of it when mirrored; turned
// clockwise above it and counter-clockwise below it, the other way round when mirrored.
const MarkerOutput kMarkerOutputs[] = {
    {"upright", 0, false, false, {20, 10, 220, 34}, {20, 34, 220, 300}},
    {"mirrored", 0, true, false, {20, 300, 220, 324}, {20, 34, 220, 300}},
    {"flipped", 0, false, true, {20, 10, 220, 34}, {20, 34, 220, 300}},
    {"turned", 1, false, false, {10, 20, 34, 320}, {34, 20, 230, 320}},
    {"turned back", -1, false, false, {206, 20, 230, 320}, {10, 20, 206, 320}},
    {"turned, mirrored", 1, true, false, {206, 20, 230, 320}, {10, 20, 206, 320}},
    {"turned back, flipped", -1, false, true, {206, 20, 230, 320}, {10, 20, 206, 320}},
    {"turned back, mirrored", -1, true, false, {10, 20, 34, 320}, {34, 20, 230, 320}},
};

void UseOutput(const MarkerOutput& o) {
    gCueRect = o.column;
    gScrollTextRect = o.text;
    Output(true, o.turn, o.flip, o.mirror);
}

// Upright icon pixel (x, y) as the output shows it in the spot.
Point OnScreen(const MarkerOutput& o, const Rect& spot, int x, int y) {
    const int w = 24, h = 16;
    int h2 = x, v2 = y;
    if (o.turn == 1) h2 = h - 1 - y, v2 = x;
    if (o.turn == -1) h2 = y, v2 = w - 1 - x;
    const int width = RectWidth(spot), height = RectHeight(spot);
    // Turned output is mirrored along the window's height and flipped along its width.
    if (o.turn == 0 ? o.mirror : o.flip) h2 = width - 1 - h2;
    if (o.turn == 0 ? o.flip : o.mirror) v2 = height - 1 - v2;
    return Point{SInt16(spot.top + v2), SInt16(spot.left + h2)};
}

bool Warm(UInt32 p) {
    return ((p >> 16) & 0xFF) > 200 && (p & 0xFF) < 80;
}

int Distance(Point p, const Rect& r) {
    const int dv = p.v < r.top ? r.top - p.v : p.v >= r.bottom ? p.v - r.bottom + 1 : 0;
    const int dh = p.h < r.left ? r.left - p.h : p.h >= r.right ? p.h - r.right + 1 : 0;
    return dv + dh;
}

TEST_F(CueMarker, TheIconIsDrawnAtTheSpotPointingAtTheTextInEveryOutput) {
    LoadArrowIcon();
    const RGBColor black{0, 0, 0}, white{0xFFFF, 0xFFFF, 0xFFFF};
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.textColor = white;
    format.backColor = black;
    SetPref(gThePreferences, kPrefPrompterFormat, format);
    SetPref(gThePreferences, kPrefPositionsFromCue, 1);
    for (const MarkerOutput& o : kMarkerOutputs) {
        UseOutput(o);
        TestWorld window(340, 240);
        RGBForeColor(&kGreenRGB);
        const Rect all = window.Bounds();
        PaintRect(&all);
        UpdateCueMark();
        const Rect spot = gCueSpot;
        EXPECT_EQ(RectWidth(spot), o.turn ? 16 : 24) << o.what;
        // The column is erased in the back colour; the marker's transparent corners show it.
        EXPECT_EQ(window.At(o.column.left, o.column.top), kBlackPixel) << o.what;
        const Point tail = OnScreen(o, spot, 2, 8), tip = OnScreen(o, spot, 19, 8);
        EXPECT_TRUE(Warm(window.At(tail.h, tail.v))) << o.what;
        EXPECT_TRUE(Warm(window.At(tip.h, tip.v))) << o.what;
        const Point corner = OnScreen(o, spot, 1, 1), headCorner = OnScreen(o, spot, 21, 2);
        EXPECT_EQ(window.At(corner.h, corner.v), kBlackPixel) << o.what;
        EXPECT_EQ(window.At(headCorner.h, headCorner.v), kBlackPixel) << o.what;
        EXPECT_LT(Distance(tip, o.text), Distance(tail, o.text)) << o.what;
        // Nothing is drawn outside the column.
        EXPECT_EQ(window.At(o.text.left + 5, o.text.top + 5), kGreenPixel) << o.what;
    }
}

TEST_F(CueMarker, WithoutAnIconTheArrowOfThreeLinesIsDrawnInTheTextColour) {
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.textColor = kRedRGB;
    format.backColor = white;
    SetPref(gThePreferences, kPrefPrompterFormat, format);
    gCueRect = Rect{0, 0, 40, 16};
    Output(false, 0, false);
    TestWorld window(20, 40);
    UpdateCueMark();
    EXPECT_EQ(gCueSpot, (Rect{0, 0, kCueArrowHeight, kCueArrowWidth}));
    // Two lines meet at the right, the point; the ends spread to the top and bottom at the left.
    EXPECT_EQ(window.At(0, 0), kRedPixel);
    EXPECT_EQ(window.At(0, 12), kRedPixel);
    EXPECT_EQ(window.At(15, 6), kRedPixel);
    EXPECT_EQ(window.At(0, 6), kWhitePixel);
    EXPECT_EQ(window.At(8, 1), kWhitePixel);
    EXPECT_EQ(window.Count(kRedPixel) > 30, true);

    // Hidden, nothing is drawn.
    SetPref(gThePreferences, kPrefCueMarkerShown, 0);
    TestWorld blank(20, 40);
    UpdateCueMark();
    EXPECT_EQ(blank.Count(kWhitePixel), 20 * 40);
}

// Over a background, the pixels the icon leaves transparent keep the background exactly as it was, in
// every output: the pixels under the spot go into the upright world and back again unchanged.
TEST_F(CueMarker, OverABackgroundTheMarkerLeavesThePixelsAroundItAsTheyWere) {
    LoadArrowIcon();
    SetPref(gThePreferences, kPrefBackgroundKind, 1);
    for (const MarkerOutput& o : kMarkerOutputs) {
        UseOutput(o);
        TestWorld window(340, 240);
        std::vector<UInt32> before;
        for (SInt16 v = 0; v < 240; ++v)
            for (SInt16 h = 0; h < 340; ++h) {
                const RGBColor c{UInt16(h * 190), UInt16(v * 270), 0x4000};
                SetCPixel(h, v, &c);
                before.push_back(window.At(h, v));
            }
        auto unchanged = [&](Point p) { return window.At(p.h, p.v) == before[size_t(p.v * 340 + p.h)]; };
        UpdateCueMark();
        const Rect spot = gCueSpot;
        for (Point corner : {Point{spot.top, spot.left}, Point{spot.top, SInt16(spot.right - 1)},
                             Point{SInt16(spot.bottom - 1), spot.left},
                             Point{SInt16(spot.bottom - 1), SInt16(spot.right - 1)}})
            EXPECT_TRUE(unchanged(corner)) << o.what << " corner " << corner.h << "," << corner.v;
        const Point tip = OnScreen(o, spot, 19, 8);
        EXPECT_TRUE(Warm(window.At(tip.h, tip.v))) << o.what;
        // The column is not erased over a background: its far corner keeps its pixel.
        EXPECT_TRUE(unchanged(Point{SInt16(o.column.bottom - 1), SInt16(o.column.right - 1)})) << o.what;
    }
}

} // namespace
