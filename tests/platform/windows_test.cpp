// Windows: the front-to-back order and activation, bounds and the events that report them, the port
// following the content's size, updates, full screen, screens, and windows made from 'WIND' templates.
#include "platform/bytes.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/screens.h"
#include "platform/windows.h"
#include "support/event_log.h"
#include "support/pascal_name.h"
#include "support/port_pixels.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Makes windows that go away with the test, and records what the application handler is given.
class Windows : public ::testing::Test {
  protected:
    void SetUp() override { appHandler = InstallApplicationEventHandler(&EventLog::Record, &log); }
    void TearDown() override {
        RemoveEventHandler(appHandler);
        for (WindowPtr w : made)
            DisposeWindow(w);
        ProcessPendingEvents();
    }

    WindowPtr Make(WindowClass windowClass, Rect bounds = MakeRect(100, 100, 300, 250), bool visible = true) {
        WindowPtr w = NewWindowOfClass(windowClass, &bounds, PName("test"), 0);
        made.push_back(w);
        if (visible) ShowWindow(w);
        return w;
    }
    // Disposes a window early; TearDown skips it.
    void Dispose(WindowPtr w) {
        std::erase(made, w);
        DisposeWindow(w);
    }

    std::vector<WindowPtr> Order() {
        std::vector<WindowPtr> order;
        for (WindowPtr w = GetNextWindow(nullptr); w; w = GetNextWindow(w))
            order.push_back(w);
        return order;
    }
    std::vector<PlatformEvent> EventsOf(WindowPtr w, EventKind kind) {
        std::vector<PlatformEvent> found;
        for (const PlatformEvent& e : log.OfKind(kind))
            if (e.window == w) found.push_back(e);
        return found;
    }

    EventLog log;
    EventHandlerRef appHandler = nullptr;
    std::vector<WindowPtr> made;
};

Rect Bounds(WindowPtr w, WindowRegionCode region = kWindowContentRgn) {
    Rect r{};
    EXPECT_EQ(GetWindowBounds(w, region, &r), noErr);
    return r;
}

TEST_F(Windows, LayersKeepModalAboveFloatingAboveDocuments) {
    WindowPtr docA = Make(kDocumentWindowClass);
    WindowPtr floater = Make(kFloatingWindowClass);
    WindowPtr docB = Make(kDocumentWindowClass); // in front of its class, still below the floater
    WindowPtr hidden = Make(kDocumentWindowClass, MakeRect(0, 0, 50, 50), false);
    EXPECT_EQ(Order(), (std::vector{floater, hidden, docB, docA}));
    EXPECT_EQ(FrontWindow(), floater);
    EXPECT_EQ(FrontNonFloatingWindow(), docB); // the hidden one does not count

    WindowPtr dialog = Make(kModalWindowClass);
    EXPECT_EQ(Order(), (std::vector{dialog, floater, hidden, docB, docA}));
    EXPECT_EQ(FrontWindow(), dialog);
    EXPECT_EQ(FrontNonFloatingWindow(), dialog);
}

TEST_F(Windows, SelectSendBehindAndBringToFrontMoveWithinTheClass) {
    WindowPtr a = Make(kDocumentWindowClass);
    WindowPtr b = Make(kDocumentWindowClass);
    WindowPtr c = Make(kDocumentWindowClass);
    WindowPtr floater = Make(kFloatingWindowClass);
    EXPECT_EQ(Order(), (std::vector{floater, c, b, a}));

    SelectWindow(a);
    EXPECT_EQ(Order(), (std::vector{floater, a, c, b}));
    SendBehind(a, nullptr); // to the back of its class
    EXPECT_EQ(Order(), (std::vector{floater, c, b, a}));
    SendBehind(c, b);
    EXPECT_EQ(Order(), (std::vector{floater, b, c, a}));
    BringToFront(a);
    EXPECT_EQ(Order(), (std::vector{floater, a, b, c}));
    // Selecting a document never puts it above a floating window, nor a floating one below.
    SendBehind(floater, c);
    EXPECT_EQ(Order().front(), floater);
    EXPECT_EQ(FrontNonFloatingWindow(), a);

    Dispose(a);
    EXPECT_EQ(Order(), (std::vector{floater, b, c}));
    EXPECT_EQ(FrontNonFloatingWindow(), b);
}

TEST_F(Windows, ActivationFollowsTheFrontDocumentAndIsReported) {
    WindowPtr a = Make(kDocumentWindowClass);
    WindowPtr b = Make(kDocumentWindowClass);
    ProcessPendingEvents();
    EXPECT_TRUE(IsWindowActive(b));

    log.events.clear();
    SelectWindow(a);
    ProcessPendingEvents();
    EXPECT_TRUE(IsWindowActive(a));
    EXPECT_FALSE(IsWindowActive(b));
    EXPECT_EQ(EventsOf(a, EventKind::WindowActivated).size(), 1u);
    EXPECT_EQ(EventsOf(b, EventKind::WindowDeactivated).size(), 1u);

    // A window shown behind the front one leaves the order and the activation as they were.
    WindowPtr behind = Make(kDocumentWindowClass, MakeRect(0, 0, 80, 60), false);
    SendBehind(behind, nullptr);
    ShowWindow(behind);
    ProcessPendingEvents();
    EXPECT_EQ(FrontNonFloatingWindow(), a);
    EXPECT_TRUE(IsWindowActive(a));
    EXPECT_EQ(Order().back(), behind);
    EXPECT_TRUE(EventsOf(behind, EventKind::WindowActivated).empty());

    // Hiding the active window hands the activation to the next document.
    HideWindow(a);
    ProcessPendingEvents();
    EXPECT_EQ(FrontNonFloatingWindow(), b);
    EXPECT_TRUE(IsWindowActive(b));
}

TEST_F(Windows, ContentAndStructureBoundsAreGlobal) {
    WindowPtr w = Make(kDocumentWindowClass, MakeRect(120, 90, 420, 290));
    Rect content = Bounds(w);
    EXPECT_EQ(content, MakeRect(120, 90, 420, 290));
    Rect structure = Bounds(w, kWindowStructureRgn);
    Rect inside;
    EXPECT_TRUE(SectRect(&structure, &content, &inside));
    EXPECT_EQ(inside, content); // the frame surrounds the content
    const int frameWidth = RectWidth(structure) - RectWidth(content);

    // Setting the structure places the frame there, with the content inside it.
    Rect frame = MakeRect(50, 40, 350, 260);
    EXPECT_EQ(SetWindowBounds(w, kWindowStructureRgn, &frame), noErr);
    EXPECT_EQ(Bounds(w, kWindowStructureRgn), frame);
    EXPECT_EQ(RectWidth(frame) - RectWidth(Bounds(w)), frameWidth);

    Rect out;
    EXPECT_EQ(GetWindowBounds(w, WindowRegionCode(7), &out), paramErr);
    EXPECT_EQ(GetWindowBounds(nullptr, kWindowContentRgn, &out), paramErr);
    Rect empty = MakeRect(10, 10, 10, 40);
    EXPECT_EQ(SetWindowBounds(w, kWindowContentRgn, &empty), paramErr);
}

TEST_F(Windows, MovesAndResizesReportPreviousAndCurrentBounds) {
    WindowPtr w = Make(kDocumentWindowClass, MakeRect(100, 100, 300, 250));
    log.events.clear();

    MoveWindow(w, 140, 120, false);
    Rect grown = MakeRect(140, 120, 400, 300);
    SetWindowBounds(w, kWindowContentRgn, &grown);
    SizeWindow(w, 260, 180, false); // the size it already has: nothing to report

    std::vector<PlatformEvent> changes = EventsOf(w, EventKind::WindowBoundsChanged);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].previousBounds, MakeRect(100, 100, 300, 250));
    EXPECT_EQ(changes[0].currentBounds, MakeRect(140, 120, 340, 270));
    EXPECT_FALSE(changes[0].sizeChanged);
    EXPECT_EQ(changes[1].previousBounds, MakeRect(140, 120, 340, 270));
    EXPECT_EQ(changes[1].currentBounds, grown);
    EXPECT_TRUE(changes[1].sizeChanged);

    Rect port;
    GetPortBounds(GetWindowPort(w), &port);
    EXPECT_EQ(port, MakeRect(0, 0, 260, 180));
}

TEST_F(Windows, SizeWindowKeepsThePixelsThatStillFit) {
    WindowPtr w = Make(kDocumentWindowClass, MakeRect(100, 100, 300, 200));
    CGrafPtr port = GetWindowPort(w);
    SetPort(port);
    RGBColor red{0xFFFF, 0, 0};
    RGBColor blue{0, 0, 0xFFFF};
    SetCPixel(10, 10, &red);
    SetCPixel(150, 80, &blue); // outside the smaller size below

    SizeWindow(w, 100, 50, false);
    EXPECT_EQ(GetPortPixel(port, 10, 10), kRedPixel);
    SizeWindow(w, 300, 200, false);
    Rect bounds;
    GetPortBounds(port, &bounds);
    EXPECT_EQ(bounds, MakeRect(0, 0, 300, 200));
    EXPECT_EQ(GetPortPixel(port, 10, 10), kRedPixel);
    EXPECT_EQ(GetPortPixel(port, 150, 80), kWhitePixel); // cut off by the shrink, white when it came back
    EXPECT_EQ(GetPortPixel(port, 299, 199), kWhitePixel);
}

TEST_F(Windows, GrowingAsksForAnUpdateOfTheNewPartOnlyWhenTold) {
    WindowPtr w = Make(kDocumentWindowClass, MakeRect(100, 100, 200, 160));
    ProcessPendingEvents(); // the first showing's update
    log.events.clear();

    SizeWindow(w, 150, 80, false);
    ProcessPendingEvents();
    EXPECT_TRUE(EventsOf(w, EventKind::WindowUpdate).empty());

    SizeWindow(w, 150, 120, true);
    ProcessPendingEvents();
    std::vector<PlatformEvent> updates = EventsOf(w, EventKind::WindowUpdate);
    ASSERT_EQ(updates.size(), 1u);
    EXPECT_EQ(updates[0].updateRect, MakeRect(0, 80, 150, 120));
}

TEST_F(Windows, InvalidationsGatherIntoOneUpdateInLocalCoordinates) {
    WindowPtr w = Make(kDocumentWindowClass, MakeRect(100, 100, 300, 250));
    ProcessPendingEvents();
    log.events.clear();

    Rect a = MakeRect(10, 10, 20, 20);
    Rect b = MakeRect(50, 30, 60, 40);
    Rect gone = MakeRect(100, 100, 120, 120);
    InvalWindowRect(w, &a);
    InvalWindowRect(w, &b);
    InvalWindowRect(w, &gone);
    ValidWindowRect(w, &gone);
    ProcessPendingEvents();
    std::vector<PlatformEvent> updates = EventsOf(w, EventKind::WindowUpdate);
    ASSERT_EQ(updates.size(), 1u);
    EXPECT_EQ(updates[0].updateRect, MakeRect(10, 10, 60, 40));

    // The update's rectangle is in the port's local coordinates, which the origin moves.
    SetPort(GetWindowPort(w));
    SetOrigin(1000, 2000);
    Rect local = MakeRect(1005, 2005, 1010, 2010);
    InvalWindowRect(w, &local);
    ProcessPendingEvents();
    updates = EventsOf(w, EventKind::WindowUpdate);
    ASSERT_EQ(updates.size(), 2u);
    EXPECT_EQ(updates[1].updateRect, local);
    SetOrigin(0, 0);

    // A hidden window's update waits until it is shown.
    HideWindow(w);
    InvalWindowRect(w, &a);
    ProcessPendingEvents();
    EXPECT_EQ(EventsOf(w, EventKind::WindowUpdate).size(), 2u);
    ShowWindow(w);
    ProcessPendingEvents();
    EXPECT_EQ(EventsOf(w, EventKind::WindowUpdate).size(), 3u);
}

TEST_F(Windows, FullScreenCoversTheScreenAndComesBack) {
    Rect former = MakeRect(60, 70, 360, 270);
    WindowPtr w = Make(kPlainWindowClass, former);
    SetWindowFullScreen(w, true);
    ProcessPendingEvents();
    EXPECT_TRUE(IsWindowFullScreen(w));
    Rect screen = GetDeviceBounds(GetMaxDevice(&former));
    EXPECT_EQ(Bounds(w), screen);
    Rect port;
    GetPortBounds(GetWindowPort(w), &port);
    EXPECT_EQ(RectWidth(port), RectWidth(screen));
    EXPECT_EQ(RectHeight(port), RectHeight(screen));

    SetWindowFullScreen(w, false);
    ProcessPendingEvents();
    EXPECT_FALSE(IsWindowFullScreen(w));
    EXPECT_EQ(Bounds(w), former);
}

TEST_F(Windows, AttributesSurviveFlagChanges) {
    WindowPtr w = Make(kDocumentWindowClass, MakeRect(100, 120, 300, 260));
    SetWRefCon(w, -7);
    Str255 title;
    SetPString(title, "Caf\x8E"); // Mac Roman e-acute
    SetWTitle(w, title);
    EXPECT_EQ(SetWindowAlpha(w, 1.5f), noErr);
    EXPECT_EQ(GetWindowAlpha(w), 1.0f);
    EXPECT_EQ(SetWindowAlpha(w, 0.35f), noErr);

    // Staying above other programs remakes the native window: it must come back where and as it was.
    SetWindowFloatsAboveAll(w, true);
    ProcessPendingEvents();
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(Bounds(w), MakeRect(100, 120, 300, 260));
    EXPECT_EQ(GetWRefCon(w), -7);
    Str255 back;
    GetWTitle(w, back);
    EXPECT_TRUE(EqualPStrings(back, title));
    EXPECT_FLOAT_EQ(GetWindowAlpha(w), 0.35f);
    EXPECT_EQ(SetWindowAlpha(nullptr, 1.0f), paramErr);
}

TEST_F(Windows, ToolWindowsBelongToTheOwnerAndTheDesktopKeepsThemAboveIt) {
    WindowPtr owner = Make(kDocumentWindowClass);
    WindowPtr early = Make(kFloatingWindowClass);
    WindowPtr document = Make(kDocumentWindowClass, MakeRect(120, 130, 320, 330));
    EXPECT_EQ(GetWindowKeptAbove(early), nullptr) << "no owner yet";
    SetToolWindowOwner(owner);
    EXPECT_EQ(GetToolWindowOwner(), owner);
    WindowPtr late = Make(kFloatingWindowClass);
    EXPECT_EQ(GetWindowKeptAbove(early), owner);
    EXPECT_EQ(GetWindowKeptAbove(late), owner) << "tool windows made later belong too";
    EXPECT_EQ(GetWindowKeptAbove(document), nullptr);
    EXPECT_EQ(GetWindowKeptAbove(owner), nullptr);

    SetWindowKeptAboveOwner(document, true);
    EXPECT_EQ(GetWindowKeptAbove(document), owner);
    EXPECT_EQ(GetWindowClass(document), kDocumentWindowClass);
    EXPECT_TRUE(IsWindowVisible(document));
    EXPECT_EQ(Bounds(document), MakeRect(120, 130, 320, 330));

    // The owner's native window is made anew when it loses its frame and when it gets it back.
    SetWindowFrameless(owner, true);
    SetWindowFrameless(owner, false);
    EXPECT_EQ(GetWindowKeptAbove(early), owner);
    EXPECT_EQ(GetWindowKeptAbove(document), owner);
    SetWindowKeptAboveOwner(document, false);
    EXPECT_EQ(GetWindowKeptAbove(document), nullptr);

    Dispose(owner);
    EXPECT_EQ(GetToolWindowOwner(), nullptr);
    EXPECT_EQ(GetWindowKeptAbove(early), nullptr);
}

TEST_F(Windows, FramesAreTheDesktopsAroundFramedWindowsOnly) {
    const Rect frame{28, 2, 3, 4};
    UseFakeWindowFrames(frame);
    WindowPtr document = Make(kDocumentWindowClass);
    WindowPtr tool = Make(kFloatingWindowClass, MakeRect(100, 100, 300, 250), false);
    WindowPtr plain = Make(kPlainWindowClass);
    EXPECT_EQ(GetWindowFrameMargins(document), frame);
    EXPECT_EQ(GetWindowFrameMargins(tool), frame) << "known before the window is shown";
    EXPECT_EQ(GetWindowFrameMargins(plain), Rect{});
    SetWindowFrameless(document, true);
    EXPECT_EQ(GetWindowFrameMargins(document), Rect{});
    EndFakeScreens();
    EXPECT_EQ(GetWindowFrameMargins(nullptr), Rect{});
}

TEST_F(Windows, PortPointsConvertThroughTheContentAndTheOrigin) {
    WindowPtr w = Make(kDocumentWindowClass, MakeRect(200, 150, 400, 300));
    SetPort(GetWindowPort(w));
    Point p{5, 7}; // v, h
    LocalToGlobal(&p);
    EXPECT_EQ(p, (Point{155, 207}));
    SetOrigin(100, 50);
    Point q{50, 100}; // the content's top-left, in the moved coordinates
    LocalToGlobal(&q);
    EXPECT_EQ(q, (Point{150, 200}));
    GlobalToLocal(&q);
    EXPECT_EQ(q, (Point{50, 100}));
    SetOrigin(0, 0);
}

TEST_F(Windows, ScreensAreListedMainFirstAndChosenByOverlap) {
    GDHandle main = GetMainDevice();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(GetDeviceList(), main);
    Rect whole = GetDeviceBounds(main);
    Rect usable = GetAvailableBounds(main);
    Rect inside;
    SectRect(&whole, &usable, &inside);
    EXPECT_EQ(inside, usable);
    EXPECT_FALSE(EmptyRect(&usable));

    int count = 0;
    for (GDHandle d = GetDeviceList(); d; d = GetNextDevice(d))
        ++count;
    EXPECT_GE(count, 1);

    // Nowhere near a screen: the main one.
    Rect far = MakeRect(30000, 30000, 30100, 30100);
    EXPECT_EQ(GetMaxDevice(&far), main);
    Rect onMain = MakeRect(whole.left + 10, whole.top + 10, whole.left + 50, whole.top + 50);
    EXPECT_EQ(GetMaxDevice(&onMain), main);
}

// ---- Windows from 'WIND' templates ----

constexpr ResType kWind = FourCC("WIND");

std::vector<UInt8> WindTemplate(Rect bounds, SInt16 procID, bool visible, bool goAway, SInt32 refCon,
                                const std::string& title, bool withPositioning = true) {
    ByteWriter out;
    out.s16(bounds.top);
    out.s16(bounds.left);
    out.s16(bounds.bottom);
    out.s16(bounds.right);
    out.s16(procID);
    out.u8(visible);
    out.u8(0);
    out.u8(goAway);
    out.u8(0);
    out.s32(refCon);
    out.pstring(title);
    out.align(2);
    if (withPositioning) out.u16(0);
    return out.take();
}

class WindowTemplates : public Windows {
  protected:
    void SetUp() override {
        Windows::SetUp();
        path = dir.File("windows.rsrc");
        CreateResFile(path);
        file = OpenResFile(path, fsRdWrPerm);
        ASSERT_GT(file, 0);
    }
    void TearDown() override {
        CloseResFile(file);
        Windows::TearDown();
    }
    void Add(ResID id, const std::vector<UInt8>& bytes) {
        Handle h = nullptr;
        ASSERT_EQ(PtrToHand(bytes.data(), &h, Size(bytes.size())), noErr);
        AddResource(h, kWind, id, PName(""));
        ASSERT_EQ(ResError(), noErr);
    }
    WindowPtr Get(ResID id) {
        WindowPtr w = GetNewCWindow(id, nullptr, kFirstWindowOfClass);
        if (w) made.push_back(w);
        return w;
    }

    TempDir dir;
    std::string path;
    ResFileRefNum file = 0;
};

TEST_F(WindowTemplates, ATemplateGivesBoundsTitleReferenceAndVisibility) {
    Add(128, WindTemplate(MakeRect(40, 60, 440, 360), 0, false, true, 0x12345678, "Script"));
    Add(129,
        WindTemplate(MakeRect(10, 20, 110, 70), 0, true, false, -1, "Odd", false)); // no positioning word
    WindowPtr w = Get(128);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Bounds(w), MakeRect(40, 60, 440, 360));
    EXPECT_EQ(GetWRefCon(w), 0x12345678);
    EXPECT_FALSE(IsWindowVisible(w));
    Str255 title;
    GetWTitle(w, title);
    EXPECT_EQ(PStringView(title), "Script");

    WindowPtr older = Get(129);
    ASSERT_NE(older, nullptr);
    EXPECT_TRUE(IsWindowVisible(older));
    EXPECT_EQ(GetWRefCon(older), -1);
}

TEST_F(WindowTemplates, TheDefinitionIdChoosesTheClass) {
    struct Case {
        SInt16 procID;
        WindowClass expected;
    } cases[] = {
        {0, kDocumentWindowClass},    {4, kDocumentWindowClass},    {8, kDocumentWindowClass},
        {1, kModalWindowClass},       {5, kModalWindowClass},       {2, kPlainWindowClass},
        {1985, kFloatingWindowClass}, {1991, kFloatingWindowClass},
    };
    ResID id = 200;
    for (const Case& c : cases) {
        Add(id, WindTemplate(MakeRect(0, 0, 100, 100), c.procID, false, false, 0, "k"));
        WindowPtr w = Get(id++);
        ASSERT_NE(w, nullptr) << c.procID;
        EXPECT_EQ(GetWindowClass(w), c.expected) << c.procID;
    }
}

TEST_F(WindowTemplates, DamagedTemplatesMakeNoWindow) {
    std::vector<UInt8> good = WindTemplate(MakeRect(0, 0, 100, 100), 0, true, false, 0, "Title");
    // Cut inside the bounds, the flags, the reference constant and the title.
    const size_t cuts[] = {0, 3, 9, 13, 17, 18, 20};
    ResID id = 300;
    for (size_t cut : cuts) {
        Add(id, std::vector<UInt8>(good.begin(), good.begin() + std::ptrdiff_t(cut)));
        EXPECT_EQ(Get(id++), nullptr) << "cut at " << cut;
    }
    Add(id, WindTemplate(MakeRect(100, 0, 50, 100), 0, true, false, 0, "Inverted"));
    EXPECT_EQ(Get(id++), nullptr);
    EXPECT_EQ(Get(999), nullptr); // no such template
}

} // namespace
