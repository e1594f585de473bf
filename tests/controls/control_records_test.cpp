// Building a tool window's item records from its item lists, damaged lists, free-standing items, the
// text-object registry and disposal.
#include "controls/control_records.h"

#include "controls/control_values.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

class ControlRecords : public ToolWindowFixture {};

TEST_F(ControlRecords, ItemsOfSeveralListsAreNumberedOnAcrossAMissingList) {
    Build(&myFindReplaceWindow, 11, ToolWindowLists());
    ASSERT_EQ(CountMyControls(dialog), kToolWindowItems);
    struct Case {
        SInt16 item;
        UInt16 kind;
        Rect rect;
        const char* title;
    } cases[] = {
        {kOK, kMyButton, {10, 10, 30, 90}, "OK"},
        {kMirror, kMyCheckBox, {40, 10, 56, 150}, "Mirror"},
        {kRight, kMyRadioButton, {80, 10, 96, 120}, "Right"},
        {kSpeedLabel, kMyStaticText, {100, 10, 116, 200}, "Speed"},
        {kOptions, kMyUserItem, {170, 10, 260, 300}, "Options"},
        {kLoop, kMyCheckBox, {190, 20, 206, 200}, "Loop"},
        {kPad, kMyCheckBox, {210, 20, 226, 200}, "Pad"}, // after an odd title: read past its pad byte
    };
    for (const Case& c : cases) {
        const MyControlItem* r = At(c.item);
        ASSERT_NE(r, nullptr) << c.item;
        EXPECT_EQ(r->itemNumber, c.item);
        EXPECT_EQ(GetMyControlKind(reference, dialog, c.item), c.kind) << c.item;
        EXPECT_EQ(r->rect, c.rect) << c.item;
        EXPECT_EQ(r->collapseRect, c.rect) << c.item;
        EXPECT_EQ(PStringView(r->title), c.title) << c.item;
        EXPECT_EQ(r->itemAbove, -1);
        EXPECT_EQ(r->flags, 0u);
        EXPECT_EQ(r->window, window);
    }
    // Buttons start with the colour indices of their fill, frame and pressed fill.
    EXPECT_EQ(At(kOK)->value, 0);
    EXPECT_EQ(At(kOK)->maximum, 1);
    EXPECT_EQ(At(kOK)->minimum, 2);
    EXPECT_EQ(At(kMirror)->maximum, 0);
    // The disabled bit stays in the kind word; the kind is still the type.
    EXPECT_TRUE(At(kPad)->kind & kMyKindDisabled);
    EXPECT_EQ(PStringView(At(kNote)->title), kLongNote.substr(0, 63));
    EXPECT_EQ(ControlFromItemNum(dialog, kToolWindowItems + 1), nullptr);
    EXPECT_EQ(ControlFromItemNum(dialog, 0), nullptr);
    EXPECT_EQ(dialog->lockCount, 0);
    EXPECT_EQ(dialog->bounds, (Rect{0, 0, 300, 400}));
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

// The most items a tool window holds: well inside the 16-bit item numbers, so loops over them end.
constexpr int kMaxItems = 2048;

TEST_F(ControlRecords, ADamagedListGivesOneMessageAndTheWindowOpensWithoutTheBadItems) {
    const std::vector<UInt8> good =
        ItemListBytes({Item(4, {10, 10, 30, 90}, "A"), Item(5, {40, 10, 56, 90}, "B")});
    const std::vector<UInt8> after = ItemListBytes({Item(8, {60, 10, 76, 90}, "After")});
    auto claimsMore = good;
    claimsMore[1] = 4; // five items claimed, two held
    auto cutInText = good;
    cutInText.resize(cutInText.size() - 2); // the second item's text runs past the end
    auto huge = good;
    huge[0] = huge[1] = 0xFF; // 65536 items claimed
    struct Case {
        const char* name;
        std::vector<UInt8> list;
        int goodItems;
        int slots; // records made for the list, the missing ones hidden and inactive
    } cases[] = {
        {"claims more items", claimsMore, 2, 5},
        {"text runs past the end", cutInText, 1, 2},
        {"only a count byte", {0x00}, 0, 0},
        {"claims 65536 items", huge, 2, kMaxItems - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearRecordedErrorMessages();
        Build(&myFindReplaceWindow, 11, {c.list, after});
        EXPECT_EQ(RecordedErrorMessages().size(), c.list.size() >= 2 ? 1u : 0u);
        ASSERT_EQ(CountMyControls(dialog), std::min(c.slots + 1, kMaxItems));
        for (SInt16 n = 1; n <= c.goodItems; ++n)
            EXPECT_FALSE(At(n)->kind & kMyKindHidden) << n;
        for (SInt16 n = SInt16(c.goodItems + 1); n <= c.slots && n < kMaxItems; ++n) {
            EXPECT_TRUE(At(n)->kind & kMyKindHidden) << n;
            EXPECT_TRUE(At(n)->flags & kMyFlagInactive) << n;
        }
        // The items of the next list keep their numbers, unless the window is already full.
        if (c.slots < kMaxItems - 1) {
            EXPECT_EQ(PStringView(At(SInt16(c.slots + 1))->title), "After");
        }
        Close();
    }
}

TEST_F(ControlRecords, AFreeStandingItemComesFromOneListByIndex) {
    Build(&myHelpWindow, 13, ToolWindowLists());
    MyControlItem* radio = CreateWidgetFromDITL(0, window, kFirstListID, 3);
    EXPECT_EQ(radio->itemNumber, 4);
    EXPECT_EQ(PStringView(radio->title), "Right");
    EXPECT_EQ(radio->rect, (Rect{80, 10, 96, 120}));
    DisposeMyWidget(radio);
    EXPECT_TRUE(RecordedErrorMessages().empty());

    MyControlItem* past = CreateWidgetFromDITL(0, window, kFirstListID, 7);
    EXPECT_EQ(past->itemNumber, 0);
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
    DisposeMyWidget(past);
}

TEST_F(ControlRecords, TheRegistryHoldsAHundredTextObjects) {
    for (UInt32 key = 1; key <= 100; ++key)
        RegisterMyTextObject(key, 14, nullptr, key);
    EXPECT_TRUE(RecordedErrorMessages().empty());
    RegisterMyTextObject(101, 14, nullptr, 101);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "Need more text reg objects");
    EXPECT_EQ(FindMyTextObject(101), -1);
    EXPECT_EQ(FindMyTextObject(57), 56);
    DeleteMyTextObjectRegistration(57);
    EXPECT_EQ(FindMyTextObject(57), -1);
    RegisterMyTextObject(101, 14, nullptr, 101);
    EXPECT_EQ(FindMyTextObject(101), 56); // the freed entry is taken again
}

TEST_F(ControlRecords, DisposingAWindowWithTheFocusLeavesNoFocusNorRegistration) {
    Build(&myFindReplaceWindow, 11, {ItemListBytes({Item(16, {10, 10, 30, 200}, "field")})});
    const UInt32 key = UInt32(11) << 16 | 1;
    RegisterMyTextObject(key, 11, dialog, 1);
    gHasfocus = At(1);
    gHasfocusDialog = dialog;
    DisposeMyDialogControls(dialog);
    dialog = nullptr;
    EXPECT_EQ(gHasfocus, nullptr);
    EXPECT_EQ(gHasfocusDialog, nullptr);
    EXPECT_EQ(FindMyTextObject(key), -1);
}

} // namespace
