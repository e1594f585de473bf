// Dialogs from resources: items, values, the modal loop and its filter.
#include "platform/bytes.h"
#include "platform/dialogs.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/timers.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::string ItemText(DialogPtr d, SInt16 item) {
    Str255 s;
    GetDialogItemText(d, item, s);
    return std::string(PStringView(s));
}

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        app = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(app, 0);
    }
    void TearDown() override { CloseResFile(app); }
    ResFileRefNum app = 0;
};

TEST_F(Dialogs, ItemsComeFromTheItemList) {
    DialogPtr d = GetNewDialog(154, nullptr, kFirstWindowOfClass);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(CountDITL(d), 4);
    EXPECT_EQ(GetDialogItemKind(d, 1), ctrlItem + btnCtrl);
    EXPECT_EQ(GetDialogItemKind(d, 3), statText | itemDisable);
    EXPECT_EQ(GetDialogItemKind(d, 4), ctrlItem + chkCtrl);
    EXPECT_EQ(GetDialogItemRect(d, 1), (Rect{112, 322, 132, 402}));
    EXPECT_EQ(ItemText(d, 1), "OK");
    EXPECT_EQ(GetDialogItemKind(d, 5), 0); // out of range
    EXPECT_EQ(GetDialogFromWindow(GetDialogWindow(d)), d);
    EXPECT_EQ(GetDialogPort(d), GetWindowPort(GetDialogWindow(d)));

    Str255 text;
    SetPString(text, "Message");
    SetDialogItemText(d, 3, text);
    EXPECT_EQ(ItemText(d, 3), "Message");
    SetDialogItemValue(d, 4, 5); // pinned to the maximum
    EXPECT_EQ(GetDialogItemValue(d, 4), 1);
    HideDialogItem(d, 4);
    EXPECT_FALSE(IsDialogItemVisible(d, 4));
    ShowDialogItem(d, 4);
    EXPECT_TRUE(IsDialogItemVisible(d, 4));
    DisposeDialog(d);
}

TEST_F(Dialogs, PictureItemsDrawIntoTheDialogWhateverPortIsCurrent) {
    DialogPtr d = GetNewDialog(403, nullptr, kFirstWindowOfClass); // the save question: a picture at item 5
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(GetDialogItemKind(d, 5) & ~itemDisable, picItem);
    const Rect bounds = {0, 0, 64, 64};
    GWorldPtr other = nullptr;
    ASSERT_EQ(NewGWorld(&other, 32, &bounds, nullptr, nullptr, 0), noErr);
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(other, nullptr);
    DrawDialog(d);
    int otherMarked = 0, dialogMarked = 0;
    const Rect item = GetDialogItemRect(d, 5);
    for (SInt16 v = item.top; v < item.bottom; ++v)
        for (SInt16 h = item.left; h < item.right; ++h) {
            otherMarked += GetPortPixel(other, h, v) != 0xFFFFFFFF;
            dialogMarked += GetPortPixel(GetDialogPort(d), h, v) != GetPortPixel(GetDialogPort(d), 1, 1);
        }
    EXPECT_EQ(otherMarked, 0) << "the current port is left alone";
    EXPECT_GT(dialogMarked, 0) << "the picture is in the dialog";
    CGrafPtr current;
    GDHandle device;
    GetGWorld(&current, &device);
    EXPECT_EQ(current, other);
    SetGWorld(savedPort, savedDevice);
    DisposeGWorld(other);
    DisposeDialog(d);
}

TEST_F(Dialogs, MissingOrDamagedResourcesGiveNull) {
    EXPECT_EQ(GetNewDialog(31000, nullptr, nullptr), nullptr);
    // An item list that claims more items than it holds.
    TempDir dir;
    std::string path = dir.File("bad.rsrc");
    CreateResFile(path);
    ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
    ByteWriter dlog;
    for (SInt16 v : {0, 0, 100, 200, 1})
        dlog.s16(v);
    dlog.u16(0x0100);
    dlog.u16(0);
    dlog.s32(0);
    dlog.s16(500);
    dlog.pstring("Bad");
    ByteWriter ditl;
    ditl.s16(5); // six items
    ditl.u32(0);
    for (SInt16 v : {0, 0, 20, 80})
        ditl.s16(v);
    ditl.u8(4);
    ditl.u8(40); // a text longer than the bytes that follow
    ditl.bytes("OK", 2);
    for (auto* w : {&dlog, &ditl}) {
        Handle h = nullptr;
        PtrToHand(w->data().data(), &h, Size(w->size()));
        AddResource(h, w == &dlog ? FourCC("DLOG") : FourCC("DITL"), 500, nullptr);
    }
    EXPECT_EQ(GetNewDialog(500, nullptr, nullptr), nullptr);
    CloseResFile(f);
}

// A template's bytes with the given bounds, naming item list `items`.
std::vector<UInt8> TemplateBytes(Rect bounds, SInt16 items) {
    ByteWriter dlog;
    for (SInt16 v : {bounds.top, bounds.left, bounds.bottom, bounds.right, SInt16(1)})
        dlog.s16(v);
    dlog.u16(0x0100);
    dlog.u16(0);
    dlog.s32(0);
    dlog.s16(items);
    dlog.pstring("Odd");
    return dlog.take();
}

// An item list of `count` static texts, each whole.
std::vector<UInt8> ItemListOf(int count) {
    ByteWriter ditl;
    ditl.s16(SInt16(count - 1));
    for (int i = 0; i < count; ++i) {
        ditl.u32(0);
        for (SInt16 v : {0, 0, 16, 40})
            ditl.s16(v);
        ditl.u8(statText);
        ditl.pstring("ab");
    }
    return ditl.take();
}

TEST_F(Dialogs, TemplatesAndListsPastAnyRealDialogAreRefused) {
    const std::vector<UInt8> oneItem = ItemListOf(1);
    struct Case {
        const char* name;
        std::vector<UInt8> dlog, ditl;
    } cases[] = {
        // A window image of 10785 x 19813 pixels would take most of a gigabyte.
        {"ten thousand pixels wide", TemplateBytes({4, 17478, 19817, 28263}, 600), oneItem},
        {"bounds upside down", TemplateBytes({200, 0, 100, 300}, 600), oneItem},
        {"more items than any dialog", TemplateBytes({0, 0, 100, 300}, 600), ItemListOf(2049)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.File("odd.rsrc");
        CreateResFile(path);
        const ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
        ASSERT_GT(f, 0);
        for (const auto& [type, bytes] :
             {std::pair{FourCC("DLOG"), &c.dlog}, std::pair{FourCC("DITL"), &c.ditl}}) {
            Handle h = nullptr;
            PtrToHand(bytes->data(), &h, Size(bytes->size()));
            AddResource(h, type, 600, nullptr);
        }
        DialogPtr d = GetNewDialog(600, nullptr, nullptr);
        EXPECT_EQ(d, nullptr);
        if (d) DisposeDialog(d);
        CloseResFile(f);
    }
}

struct FilterLog {
    int keys = 0;
    int nulls = 0;
    int ticksOfOtherTimer = 0;
    DialogPtr dialog = nullptr;
};
FilterLog gLog;

bool CountingFilter(DialogPtr, EventRecord* event, SInt16* itemHit) {
    if (event->what == keyDown) ++gLog.keys;
    if (event->what == nullEvent) ++gLog.nulls;
    if (event->what == keyDown && (event->message & charCodeMask) == 'x') {
        *itemHit = 4; // the filter answers for the dialog
        return true;
    }
    return false;
}

void OtherTimer(EventLoopTimerRef, void*) {
    ++gLog.ticksOfOtherTimer;
}

void Typist(EventLoopTimerRef timer, void*) {
    static int step = 0;
    WindowPtr w = GetDialogWindow(gLog.dialog);
    if (gLog.ticksOfOtherTimer < 3) return; // let the other timer show that it runs inside the loop
    if (step == 0) PostKeyEvent(w, EventKind::KeyDown, 'a', 0, 0);
    if (step == 1) PostKeyEvent(w, EventKind::KeyDown, 'x', 0, 0);
    if (step == 2) PostKeyEvent(w, EventKind::KeyDown, kReturnCharCode, kKeyReturn, 0);
    ++step;
}

TEST_F(Dialogs, ModalLoopGivesEventsToTheFilterAndKeepsTimersRunning) {
    gLog = FilterLog{};
    gLog.dialog = GetNewDialog(154, nullptr, kFirstWindowOfClass);
    ASSERT_NE(gLog.dialog, nullptr);
    ShowWindow(GetDialogWindow(gLog.dialog));
    SelectWindow(GetDialogWindow(gLog.dialog));
    EventLoopTimerRef other, typist;
    InstallEventLoopTimer(0.01, 0.01, OtherTimer, nullptr, &other);
    InstallEventLoopTimer(0.03, 0.03, Typist, nullptr, &typist);

    SInt16 item = 0;
    ModalDialog(CountingFilter, &item);
    EXPECT_EQ(item, 4); // 'a' passed through, 'x' ended the loop through the filter
    EXPECT_EQ(gLog.keys, 2);
    EXPECT_GT(gLog.nulls, 0);
    EXPECT_GE(gLog.ticksOfOtherTimer, 3);

    ModalDialog(nullptr, &item); // Return presses the default item
    EXPECT_EQ(item, 1);
    RemoveEventLoopTimer(other);
    RemoveEventLoopTimer(typist);
    DisposeDialog(gLog.dialog);
}

} // namespace
