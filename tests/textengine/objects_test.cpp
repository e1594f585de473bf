// Embedded objects: handler tables on a record and for the whole program, objects made, freed, clicked
// and copied through them, and the framed box a type without handlers draws as.
#include "engine_fixture.h"
#include "layout_fixture.h"

#include "textengine/objects.h"

#include <cstring>

namespace {

int gFreed = 0;

OSErr NewWide(Point* size, WEObjectReference) {
    *size = Point{10, 40};
    return noErr;
}
OSErr NewFails(Point*, WEObjectReference) {
    return -108;
}
OSErr FreeCounted(WEObjectReference) {
    gFreed++;
    return -36;
}
Boolean ClickHandled(Point, UInt16, UInt32, WEObjectReference) {
    return Boolean(0x101); // only the low byte answers
}
OSErr StreamText(SInt16, OSType* type, Handle data, WEObjectReference) {
    *type = FourCC("TEXT");
    SetHandleSize(data, 3);
    std::memcpy(*data, "abc", 3);
    return noErr;
}
OSErr StreamNothing(SInt16, OSType*, Handle, WEObjectReference) {
    return weNotHandledErr;
}

template <typename Proc> WEHookProc AsHook(Proc proc) {
    return reinterpret_cast<WEHookProc>(proc);
}

class ObjectsTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        gFreed = 0;
    }
    void TearDown() override {
        if (_weGlobalObjectHandlerTable) DisposeHandle(_weGlobalObjectHandlerTable);
        _weGlobalObjectHandlerTable = nullptr;
        EngineTest::TearDown();
    }
    WEObjectReference Make(OSType type, const char* bytes = "data") {
        Handle data = NewHandle(Size(std::strlen(bytes)));
        std::memcpy(*data, bytes, std::strlen(bytes));
        WEObjectReference object = nullptr;
        EXPECT_EQ(_WENewObject(type, data, we, &object), noErr);
        return object;
    }
};

TEST_F(ObjectsTest, HandlersAreFoundInTheRecordsTableFirstThenTheProgramWideOne) {
    ASSERT_EQ(WEInstallObjectHandler(FourCC("PICT"), FourCC("new "), AsHook(&NewWide), we), noErr);
    ASSERT_EQ(WEInstallObjectHandler(FourCC("PICT"), FourCC("refc"), reinterpret_cast<WEHookProc>(7), we),
              noErr);
    ASSERT_EQ(WEInstallObjectHandler(FourCC("PICT"), FourCC("new "), AsHook(&NewFails), nullptr), noErr);
    ASSERT_EQ(WEInstallObjectHandler(FourCC("MooV"), FourCC("free"), AsHook(&FreeCounted), nullptr), noErr);
    EXPECT_EQ(WEInstallObjectHandler(FourCC("MooV"), FourCC("zzzz"), nullptr, nullptr), paramErr);

    WEHookProc handler = nullptr;
    EXPECT_EQ(WEGetObjectHandler(FourCC("PICT"), FourCC("new "), &handler, we), noErr);
    EXPECT_EQ(handler, AsHook(&NewWide));
    EXPECT_EQ(WEGetObjectHandler(FourCC("MooV"), FourCC("free"), &handler, nullptr), noErr);
    EXPECT_EQ(handler, AsHook(&FreeCounted));
    EXPECT_EQ(WEGetObjectHandler(FourCC("MooV"), FourCC("free"), &handler, we), weUnknownObjectTypeErr);
    EXPECT_EQ(WEGetObjectHandler(FourCC("PICT"), FourCC("nope"), &handler, we), paramErr);

    OSType type = 0;
    const std::pair<SInt32, OSType> order[] = {{0, FourCC("PICT")}, {1, FourCC("PICT")}, {2, FourCC("MooV")}};
    for (const auto& [index, expected] : order) {
        ASSERT_EQ(_WEGetIndObjectType(index, &type, we), noErr);
        EXPECT_EQ(type, expected) << index;
    }
    EXPECT_EQ(_WEGetIndObjectType(3, &type, we), weUnknownObjectTypeErr);
    EXPECT_EQ(_WEGetIndObjectType(-1, &type, we), weUnknownObjectTypeErr);

    // The record's 'new ' handler sizes its objects and the type's reference value comes along.
    WEObjectReference pict = Make(FourCC("PICT"));
    ASSERT_NE(pict, nullptr);
    EXPECT_EQ(WEGetObjectSize(pict).h, 40);
    EXPECT_EQ(WEGetObjectSize(pict).v, 10);
    EXPECT_EQ(WEGetObjectRefCon(pict), 7);
    EXPECT_EQ(WEGetObjectOwner(pict), we);
    EXPECT_EQ(WEGetObjectType(pict), FourCC("PICT"));
    WESetObjectRefCon(pict, 9);
    EXPECT_EQ(WEGetObjectRefCon(pict), 9);
    EXPECT_EQ(_WEFreeObject(pict), noErr);

    // Without a record the program-wide 'new ' handler answers, and its error leaves no object.
    WEObjectReference object = reinterpret_cast<WEObjectReference>(1);
    Handle data = NewHandle(1);
    EXPECT_EQ(_WENewObject(FourCC("PICT"), data, nullptr, &object), -108);
    EXPECT_EQ(object, nullptr);
    DisposeHandle(data);

    // 'free' is called once and its answer passed on; a type nobody knows is 32 x 32.
    WEObjectReference movie = Make(FourCC("MooV"));
    EXPECT_EQ(WEGetObjectSize(movie).h, 32);
    EXPECT_EQ(WEGetObjectSize(movie).v, 32);
    EXPECT_EQ(_WEFreeObject(movie), -36);
    EXPECT_EQ(gFreed, 1);
    EXPECT_EQ(_WEFreeObject(nullptr), nilHandleErr);
}

TEST_F(ObjectsTest, ClicksAndCopiesGoThroughTheHandlersOrTheObjectsOwnData) {
    ASSERT_EQ(WEInstallObjectHandler(FourCC("clik"), FourCC("clik"), AsHook(&ClickHandled), we), noErr);
    ASSERT_EQ(WEInstallObjectHandler(FourCC("strm"), FourCC("strm"), AsHook(&StreamText), we), noErr);
    ASSERT_EQ(WEInstallObjectHandler(FourCC("pass"), FourCC("strm"), AsHook(&StreamNothing), we), noErr);
    struct Case {
        OSType type;
        OSType streamedType;
        std::string streamed;
        bool handled;
        Boolean clicked;
    } cases[] = {
        {FourCC("clik"), FourCC("clik"), "data", false, true},
        {FourCC("strm"), FourCC("TEXT"), "abc", true, false},
        {FourCC("pass"), FourCC("pass"), "data", false, false},
        {FourCC("none"), FourCC("none"), "data", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.streamed);
        WEObjectReference object = Make(c.type);
        EXPECT_EQ(_WEClickObject(Point{1, 1}, 0, 0, object), c.clicked);
        OSType type = 0;
        Handle data = nullptr;
        Boolean handled = true;
        ASSERT_EQ(_WEStreamObject(0, &type, &data, &handled, object), noErr);
        EXPECT_EQ(type, c.streamedType);
        EXPECT_EQ(handled, c.handled);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(std::string(*data, size_t(GetHandleSize(data))), c.streamed);
        if (handled) DisposeHandle(data);
        _WEFreeObject(object);
    }
}

class ObjectDrawing : public LayoutTest {
  protected:
    SInt32 XOf(SInt32 offset) {
        LongPoint point;
        SInt16 height = 0;
        WEGetPoint(offset, 0, &point, &height, we);
        return point.h;
    }
};

TEST_P(ObjectDrawing, AnObjectWithoutHandlersIsAFramedBoxOnTheBaselineAndTheTextGoesOnAfterIt) {
    if (!GetParam()) GTEST_SKIP() << "the Unicode layout draws objects as their own characters";
    SetText("ab");
    WESetSelection(1, 1, 0, we);
    ASSERT_EQ(WEInsertObject(FourCC("none"), NewHandle(0), Point{24, 30}, we), noErr);
    ASSERT_EQ(WECalText(we), noErr);
    const Rect all{0, 0, kViewHeight, kViewWidth};
    EraseRect(&all);
    WEUpdate(nullptr, we);
    const SInt32 left = XOf(1), right = XOf(2);
    EXPECT_EQ(right - left, 30);
    const SInt32 baseline = LinesOf(Rec())[0].origin + LinesOf(Rec())[0].ascent;
    EXPECT_EQ(PixelAt(left, baseline - 12), 0x000000u);      // left side
    EXPECT_EQ(PixelAt(right - 1, baseline - 12), 0x000000u); // right side
    EXPECT_EQ(PixelAt(left + 15, baseline - 1), 0x000000u);  // bottom, on the baseline
    EXPECT_EQ(PixelAt(left + 15, baseline - 24), 0x000000u); // top
    EXPECT_EQ(PixelAt(left + 15, baseline - 12), 0xFFFFFFu); // inside
    // The "b" after it is drawn to the right of the box, not over it.
    SInt32 ink = 0;
    for (SInt32 h = right; h < right + 15; h++)
        for (SInt32 v = baseline - 12; v < baseline; v++)
            ink += PixelAt(h, v) == 0x000000u;
    EXPECT_GT(ink, 5);
}

std::string ModeName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "Classic" : "Unicode";
}

INSTANTIATE_TEST_SUITE_P(Modes, ObjectDrawing, ::testing::Values(true, false), ModeName);

} // namespace
