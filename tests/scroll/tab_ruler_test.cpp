// The tab ruler: drawn over its own band only in edit mode with the ruler shown, each stop's marker of
// its kind standing at the stop, and the markers read from the program's folder.
#include "scroll/tab_ruler.h"

#include "foundation/app_paths.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/windows.h"
#include "scroll/prompter_drawing.h"
#include "scroll/scroll_engine.h"
#include "support/temp_dir.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr UInt32 kRGB = 0xFFFFFF;

class TabRuler : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        savedShowing = gTabBarShowing;
        savedList = gTabList;
        gTabList = nullptr;
        gTabBarShowing = true;
        savedFolder = gOVPaths[kInstructionsSlot];
        gOVPaths[kInstructionsSlot] = Installed().string() + "/";
        UsePlainOutput();
        SetPref(gThePreferences, kPrefFullScreen, 0);
        SetPref(gThePreferences, kPrefShowInformation, 0);
        OpenAt(Rect{100, 100, 400, 700});
    }
    void TearDown() override {
        if (gTabList) DisposeHandle(gTabList);
        gTabList = savedList;
        gTabBarShowing = savedShowing;
        gOVPaths[kInstructionsSlot] = savedFolder;
        DisposeTabPics();
        PrompterFixture::TearDown();
    }
    // Stops of the given kinds and positions as the document's list.
    static void UseStops(std::initializer_list<std::pair<SInt16, SInt16>> stops) {
        TabList list{};
        list.firstValue = 1;
        for (const auto& [kind, position] : stops) {
            list.kinds[list.count] = kind;
            list.positions[list.count] = position;
            ++list.count;
        }
        gTabList = NewHandle(sizeof list);
        std::memcpy(*gTabList, &list, sizeof list);
    }
    // The window filled with one colour and the ruler drawn over it; the pixels before and after.
    void DrawOverFill(std::vector<UInt32>& before, std::vector<UInt32>& after) {
        GrafPtr saved;
        GetPort(&saved);
        CGrafPtr port = GetWindowPort(myScrollWindow);
        SetPort(port);
        Rect bounds;
        GetPortBounds(port, &bounds);
        const RGBColor red{0xFFFF, 0, 0};
        RGBForeColor(&red);
        PaintRect(&bounds);
        width = bounds.right - bounds.left;
        height = bounds.bottom - bounds.top;
        stride = GetPixRowBytes(port) / 4;
        base = GetPixBaseAddr(port);
        before = Pixels();
        DrawScrollTabBar(nullptr);
        after = Pixels();
        SetPort(saved);
    }
    std::vector<UInt32> Pixels() const {
        std::vector<UInt32> out;
        for (SInt32 v = 0; v < height; ++v)
            for (SInt32 h = 0; h < width; ++h)
                out.push_back(base[v * stride + h] & kRGB);
        return out;
    }
    UInt32 At(SInt32 h, SInt32 v) const { return base[v * stride + h] & kRGB; }
    // The markers are installed beside the program and its resource file.
    static fs::path Installed() { return fs::path(ORVALIS_RESOURCE_FILE).parent_path(); }
    bool savedShowing = false;
    std::string savedFolder;
    Handle savedList = nullptr;
    const UInt32* base = nullptr;
    SInt32 stride = 0, width = 0, height = 0;
};

TEST_F(TabRuler, IsDrawnOverItsBandOnlyInEditModeWithTheRulerShown) {
    struct Case {
        const char* name;
        bool showing;
        SInt16 scrollOn;
        bool drawn;
    };
    const Case cases[] = {
        {"edit mode, ruler shown", true, 0, true},
        {"ruler hidden", false, 0, false},
        {"scrolling", true, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gTabBarShowing = c.showing;
        gScrollOn = c.scrollOn;
        std::vector<UInt32> before, after;
        DrawOverFill(before, after);
        gScrollOn = 0;
        if (!c.drawn) {
            EXPECT_EQ(before, after);
            continue;
        }
        const Rect ruler = gTabBarRect;
        EXPECT_EQ(ruler.bottom - ruler.top, 16);
        EXPECT_EQ(ruler.left, gScrollTextRect.left);
        EXPECT_EQ(ruler.right, std::min(gScrollTextRect.right, gAvailableRect.right));
        EXPECT_LE(ruler.bottom, gScrollTextRect.top) << "the ruler stands above the text";
        SInt32 outsideChanged = 0, insideUnpainted = 0;
        for (SInt32 v = 0; v < height; ++v)
            for (SInt32 h = 0; h < width; ++h) {
                const bool inside = h >= ruler.left && h < ruler.right && v >= ruler.top && v < ruler.bottom;
                const size_t at = size_t(v * width + h);
                if (inside)
                    insideUnpainted += after[at] == 0xFF0000;
                else
                    outsideChanged += after[at] != before[at];
            }
        EXPECT_EQ(insideUnpainted, 0);
        EXPECT_EQ(outsideChanged, 0) << "the default stops lie well inside the band";
        EXPECT_EQ(At(ruler.left + 3, ruler.top + 12), 0xFFFFFFu) << "a white band";
        EXPECT_EQ(At(ruler.left + 3, ruler.bottom - 1), 0u) << "its black base line";
        EXPECT_EQ(At(ruler.left + 20, ruler.bottom - 4), 0u) << "a 4-pixel tick every 10 pixels";
        EXPECT_EQ(At(ruler.left + 20, ruler.bottom - 6), 0xFFFFFFu);
        EXPECT_EQ(At(ruler.left + 50, ruler.bottom - 6), 0u) << "a 6-pixel tick every 50";
        EXPECT_EQ(At(ruler.left, ruler.top), 0u) << "a full line every 100";
    }
}

TEST_F(TabRuler, EachStopShowsTheMarkerOfItsKindAtItsPosition) {
    // Positions chosen so that neither a stem nor the columns 2 and 3 beside it fall on a scale tick.
    UseStops({{2, 0}, {0, 44}, {2, 126}, {1, 255}});
    // A left margin leaves room for the first marker's overhang.
    SetPref(gThePreferences, kPrefTextMargins, Rect{0, 20, 0, 0});
    CloseScrollWindow();
    OpenAt(Rect{100, 100, 400, 700});
    std::vector<UInt32> before, after;
    DrawOverFill(before, after);
    const Rect ruler = gTabBarRect;
    ASSERT_GE(ruler.left, 6);
    const UInt32 white = 0xFFFFFF, mark = At(ruler.left + 44, ruler.top + 10);
    EXPECT_NE(mark, white);
    EXPECT_NE(mark, 0xFF0000u);
    struct Stop {
        const char* name;
        SInt32 position;
        bool footLeft, footRight;
    };
    const Stop stops[] = {
        {"left", 44, false, true}, {"right", 126, true, false}, {"centre", 255, true, true}};
    const SInt32 stem = ruler.top + 10, foot = ruler.top + 13;
    for (const Stop& s : stops) {
        SCOPED_TRACE(s.name);
        const SInt32 x = ruler.left + s.position;
        EXPECT_EQ(At(x, stem), mark);
        EXPECT_EQ(At(x - 2, stem), white);
        EXPECT_EQ(At(x + 2, stem), white);
        EXPECT_EQ(At(x - 3, foot), s.footLeft ? mark : white);
        EXPECT_EQ(At(x + 3, foot), s.footRight ? mark : white);
    }
    // A stop at the ruler's left edge: its marker reaches 5 pixels past the edge.
    EXPECT_EQ(At(ruler.left, stem), mark);
    EXPECT_EQ(At(ruler.left - 3, foot), mark);
    EXPECT_EQ(At(ruler.left - 7, foot), before[size_t(foot * width + ruler.left - 7)]);
}

TEST_F(TabRuler, MarkersLoadInKindOrderUntilOneIsMissing) {
    const fs::path installed = Installed();
    const TempDir folder;
    const fs::path partial = folder.path();
    // The second kind's picture is missing; the third is there but is never reached.
    for (const char* name : {"Left Tab.mapf", "Left Tab.rlem", "Right Tab.mapf", "Right Tab.rlem"})
        fs::copy_file(installed / name, partial / name);
    struct Case {
        const char* name;
        fs::path folder;
        int loaded;
    };
    const Case cases[] = {{"the installed markers", installed, 4}, {"the centre marker missing", partial, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gOVPaths[kInstructionsSlot] = c.folder.string() + "/";
        LoadTabPics();
        int loaded = 0;
        for (Handle picture : gTabPics)
            loaded += picture != nullptr;
        EXPECT_EQ(loaded, c.loaded);
        EXPECT_NE(gTabPics[0], nullptr);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

} // namespace
