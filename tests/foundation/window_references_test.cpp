// Window references and the saved-port stack.
#include "foundation/error_dialog.h"
#include "foundation/window_references.h"
#include "macros/macro_windows.h"
#include "scroll/scroll_windows.h"
#include "shell/shell_globals.h"
#include "texttools/text_tool_windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class WindowReferences : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        gPortCount = 0;
        for (int i = 0; i < kSavedPortDepth; ++i) {
            gWindowSaver[i] = nullptr;
            gPortSaver[i] = nullptr;
            gDeviceSaver[i] = nullptr;
        }
        Rect r{0, 0, 20, 20};
        for (GWorldPtr& w : foreign)
            ASSERT_EQ(NewGWorld(&w, 32, &r, nullptr, nullptr, 0), noErr);
        ASSERT_EQ(NewGWorld(&home, 32, &r, nullptr, nullptr, 0), noErr);
        SetGWorld(home, nullptr);
    }
    void TearDown() override {
        SetGWorld(home, nullptr);
        for (GWorldPtr w : foreign)
            DisposeGWorld(w);
        DisposeGWorld(home);
        if (myScrollWindow) DisposeWindow(myScrollWindow);
        myScrollWindow = nullptr;
        gOffscreenScrollWindow = nullptr;
        gPortCount = 0;
        SetErrorMessageRecording(false);
    }
    std::vector<std::string> Messages() { return RecordedErrorMessages(); }

    GWorldPtr foreign[11] = {};
    GWorldPtr home = nullptr;
};

TEST_F(WindowReferences, TenNestedForeignSavesThenTheStackIsFull) {
    for (int i = 0; i < 10; ++i) {
        SetGWorld(foreign[i], nullptr);
        EXPECT_EQ(GetPortReference(), 33 + i);
    }
    EXPECT_EQ(gPortCount, 10);
    SetGWorld(foreign[10], nullptr);
    EXPECT_EQ(GetPortReference(), 0);
    EXPECT_EQ(gPortCount, 10);
    // Setting 0 leaves the port alone; unwinding in order restores each saved port.
    SetPortByReference(0);
    CGrafPtr port;
    GDHandle device;
    GetGWorld(&port, &device);
    EXPECT_EQ(port, foreign[10]);
    for (int i = 9; i >= 0; --i) {
        SetPortByReference(WindowReference(33 + i));
        GetGWorld(&port, &device);
        EXPECT_EQ(port, foreign[i]);
        EXPECT_EQ(gPortCount, i);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(WindowReferences, OutOfOrderRestoreSetsThePortButDoesNotPop) {
    SetGWorld(foreign[0], nullptr);
    EXPECT_EQ(GetPortReference(), 33);
    SetGWorld(foreign[1], nullptr);
    EXPECT_EQ(GetPortReference(), 34);
    SetPortByReference(33);
    CGrafPtr port;
    GetGWorld(&port, nullptr);
    EXPECT_EQ(port, foreign[0]);
    EXPECT_EQ(gPortCount, 2);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Port Count error"});
}

TEST_F(WindowReferences, ProgramWindowsAndWorldsHaveFixedReferences) {
    Rect bounds{100, 100, 200, 300};
    myScrollWindow = NewCWindow(nullptr, &bounds, nullptr, false, 0, nullptr, false, 0);
    ASSERT_NE(myScrollWindow, nullptr);
    SetGWorld(GetWindowPort(myScrollWindow), nullptr);
    EXPECT_EQ(GetPortReference(), 1);
    EXPECT_EQ(gPortCount, 0);
    EXPECT_EQ(GetWindowByReference(1, false), myScrollWindow);
    EXPECT_EQ(GetPortByReference(1), GetWindowPort(myScrollWindow));

    gOffscreenScrollWindow = foreign[3];
    SetGWorld(foreign[3], nullptr);
    EXPECT_EQ(GetPortReference(), 28);
    SetGWorld(home, nullptr);
    SetPortByReference(28);
    CGrafPtr port;
    GetGWorld(&port, nullptr);
    EXPECT_EQ(port, foreign[3]);
    EXPECT_EQ(GetPortByReference(28), foreign[3]);

    // A window that is none of the program's leaves the stack as it was.
    GetPortRefandSetPort(foreign[5]);
    EXPECT_EQ(gPortCount, 0);
    GetGWorld(&port, nullptr);
    EXPECT_EQ(port, foreign[5]);

    Rect normalized;
    EXPECT_EQ(GetWindowBoundsNormalized(myScrollWindow, kWindowContentRgn, &normalized), noErr);
    EXPECT_EQ(normalized, (Rect{0, 0, 100, 200}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(WindowReferences, LookupsByReferenceAndTheirMessages) {
    struct Case {
        WindowReference reference;
        bool quiet;
        const char* message; // null: none
    } cases[] = {
        {0, false, nullptr},
        {22, false, nullptr},
        {28, true, nullptr},
        {28, false, "Need a window for gOffscreenScrollWindow"},
        {32, false, "Need a window for gOffscreenBlankWindow"},
        {33, false, "This gworld needs a window"},
        {42, false, "This gworld needs a window"},
        {42, true, nullptr},
        {43, false, nullptr},
        {-1, false, nullptr},
    };
    for (const Case& c : cases) {
        ClearRecordedErrorMessages();
        EXPECT_EQ(GetWindowByReference(c.reference, c.quiet), nullptr) << c.reference;
        std::vector<std::string> expected;
        if (c.message) expected.push_back(c.message);
        EXPECT_EQ(Messages(), expected) << c.reference;
    }
    EXPECT_EQ(GetPortByReference(43), nullptr);
    EXPECT_EQ(GetPortByReference(-5), nullptr);
}

TEST_F(WindowReferences, EmptyStackEntryRefusesToRestore) {
    SetPortByReference(35);
    EXPECT_EQ(Messages(), std::vector<std::string>{"This reference value has no port or window"});
    EXPECT_EQ(gPortCount, 0);
    // A pointer that is none of the prompter's is taken for a dialog; a world is not one, so the entry it
    // leaves has neither port nor window.
    ClearRecordedErrorMessages();
    GetAliasRefandSetPort(foreign[0]);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Unknown window or grafport in GetAliasRefandSetPort",
                                                    "This reference value has no port or window"}));
}

TEST_F(WindowReferences, ForeignPointerMisusesDoNotLeakStackEntries) {
    // One proper save stays underneath; every misuse must pop exactly what it pushed and leave the port
    // alone.
    SetGWorld(foreign[0], nullptr);
    ASSERT_EQ(GetPortReference(), 33);
    SetGWorld(home, nullptr);
    CGrafPtr port;
    for (int i = 0; i < 12; ++i) {
        ClearRecordedErrorMessages();
        std::vector<std::string> expected;
        if (i % 2) {
            GetAliasRefandSetPort(foreign[1 + i % 10]);
            expected.push_back("Unknown window or grafport in GetAliasRefandSetPort");
        } else {
            GetDialogRefandSetPort(reinterpret_cast<DialogPtr>(foreign[1 + i % 10]));
        }
        expected.push_back("This reference value has no port or window");
        EXPECT_EQ(Messages(), expected) << i;
        EXPECT_EQ(gPortCount, 1) << i;
        GetGWorld(&port, nullptr);
        EXPECT_EQ(port, home) << i;
    }
    ClearRecordedErrorMessages();
    // The saves underneath and above still work and restore the right ports.
    SetGWorld(foreign[2], nullptr);
    EXPECT_EQ(GetPortReference(), 34);
    SetGWorld(home, nullptr);
    SetPortByReference(34);
    GetGWorld(&port, nullptr);
    EXPECT_EQ(port, foreign[2]);
    SetPortByReference(33);
    GetGWorld(&port, nullptr);
    EXPECT_EQ(port, foreign[0]);
    EXPECT_EQ(gPortCount, 0);
    EXPECT_TRUE(Messages().empty());
}

} // namespace
