// Saving and restoring the drawing environment, nested.
#include "foundation/drawing_environment.h"

#include "foundation/error_dialog.h"
#include "port_fixture.h"

#include <string>

namespace {

class DrawingEnvironment : public PortTest {
  protected:
    void SetUp() override {
        PortTest::SetUp();
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        const Rect bounds{0, 0, 10, 10};
        ASSERT_EQ(NewGWorld(&foreign, 32, &bounds, nullptr, nullptr, 0), noErr);
    }
    void TearDown() override {
        SetErrorMessageRecording(false);
        SetGWorld(world, nullptr);
        DisposeGWorld(foreign);
        PortTest::TearDown();
    }
    GrafPtr Current() {
        GrafPtr p;
        GetPort(&p);
        return p;
    }
    GWorldPtr foreign = nullptr;
};

TEST_F(DrawingEnvironment, TwoSavesAndTwoRestoresRestoreOnceAtTheEnd) {
    const SInt16 size = GetPortTextSize(foreign);
    SaveRestoreQDEnvironment(foreign, true, true);
    EXPECT_EQ(Current(), foreign);
    EXPECT_EQ(GetPortTextMode(foreign), srcOr);
    TextFont(kFontTimes);
    TextSize(30);
    const RGBColor red{0xFFFF, 0, 0};
    RGBForeColor(&red);
    PenSize(5, 5);

    SaveRestoreQDEnvironment(world, true, true); // nested: records nothing, changes nothing
    EXPECT_EQ(Current(), foreign);
    SaveRestoreQDEnvironment(nullptr, true, false);
    EXPECT_EQ(Current(), foreign) << "the first restore only counts down";
    EXPECT_EQ(GetPortTextSize(foreign), 30);

    SaveRestoreQDEnvironment(nullptr, true, false);
    EXPECT_EQ(Current(), world);
    EXPECT_EQ(GetPortTextSize(foreign), size) << "the foreign port's settings are put back";
    PenState pen;
    SetGWorld(foreign, nullptr);
    GetPenState(&pen);
    EXPECT_EQ(pen.pnSize.h, 1);
    RGBColor fore;
    GetForeColor(&fore);
    EXPECT_EQ(fore, (RGBColor{0, 0, 0}));
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(DrawingEnvironment, ARestoreWithoutASaveIsReported) {
    SaveRestoreQDEnvironment(nullptr, false, false);
    EXPECT_EQ(RecordedErrorMessages(),
              std::vector<std::string>{"Trying to restore environment but none saved"});
    EXPECT_EQ(Current(), world);
}

} // namespace
