// The filters of modal dialogs: the standard keys, a dialog's own key table read from its bytes, a
// damaged table ignored with one message, and a modal loop ended by a key while timers go on.
#include "dialog_fixture.h"
#include "foundation/dialog_filters.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

namespace {

constexpr SInt16 kTable = DialogFixture::kTestDialogID;

std::vector<FixtureItem> FilterItems(bool cancelEnabled = true) {
    return {
        {ctrlItem + btnCtrl, {200, 300, 220, 380}, "OK"},
        {UInt8(ctrlItem + btnCtrl + (cancelEnabled ? 0 : itemDisable)), {200, 200, 220, 280}, "Cancel"},
        {editText, {10, 10, 30, 120}, ""},
        {ctrlItem + btnCtrl, {200, 100, 220, 180}, "Other"},
        {ctrlItem + btnCtrl + itemDisable, {200, 10, 220, 90}, "Off"},
    };
}

// Command-O and command-K press item 4 (K through two entries, 1 then 4), command-D the disabled item 5,
// and the Mac Roman character 0x8A without modifiers item 4.
std::vector<UInt8> KeyTable() {
    return Words(
        {0x01, 0x01, 'o', 4, 0x01, 0x01, 'd', 5, 0x01, 0x01, 'k', 1, 0x01, 0x01, 'k', 4, 0, 0, 0xFF8A, 4});
}

EventRecord Key(UInt8 ch, UInt16 modifiers = 0, UInt16 what = keyDown) {
    EventRecord e;
    e.what = what;
    e.message = ch;
    e.modifiers = modifiers;
    return e;
}

TEST(CommandKeyTables, AreReadFromBigEndianEntriesAndRefusedWhenCut) {
    std::vector<CommandKeyEntry> table;
    ASSERT_TRUE(ParseCommandKeyTable(Words({0x01, 0x03, 0xFF8A, 0x0102}), table));
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].modifiers, 0x01);
    EXPECT_EQ(table[0].mask, 0x03);
    EXPECT_EQ(table[0].character, -118);
    EXPECT_EQ(table[0].item, 0x0102);
    const std::vector<UInt8> damaged[] = {{}, {0, 1, 0, 1, 0, 'x'}, Words({1, 1, 'a', 2, 1, 1})};
    for (const auto& bytes : damaged) {
        EXPECT_FALSE(ParseCommandKeyTable(bytes, table)) << bytes.size() << " bytes";
        EXPECT_TRUE(table.empty());
    }
}

class DialogFilters : public DialogFixture {};

TEST_F(DialogFilters, KeysChooseItemsThroughTheStandardKeysAndTheDialogsTable) {
    ASSERT_NE(OpenDialog(FilterItems(), {{FourCC("Cmd#"), kTable, KeyTable()}}), nullptr);
    struct Case {
        EventRecord event;
        bool handled;
        SInt16 item;
    };
    const Case cases[] = {
        {Key(kReturnCharCode), true, 1},
        {Key(kReturnCharCode, cmdKey), true, 1},
        {Key(kEnterCharCode), true, 1},
        {Key(kEscapeCharCode), true, 2},
        {Key('.', cmdKey), true, 2},
        {Key('o', cmdKey), true, 4},
        {Key('o', cmdKey, autoKey), true, 4},
        {Key('o', cmdKey | shiftKey), true, 4}, // the mask looks at the command bit only
        {Key('k', cmdKey), true, 4},            // every entry is handled; the last one wins
        {Key(0x8A), true, 4},
        {Key('d', cmdKey), false, 5}, // a disabled item is named but not chosen
        {Key('o'), false, 0},
        {Key('z', cmdKey), false, 0},
        {Key('o', cmdKey, keyUp), false, 0},
        {Key(kReturnCharCode, 0, mouseDown), false, 0},
    };
    for (const Case& c : cases) {
        EventRecord e = c.event;
        SInt16 item = 0;
        EXPECT_EQ(ProgramFilter(dialog, &e, &item), c.handled)
            << "char " << int(c.event.message) << " mods " << c.event.modifiers << " what " << c.event.what;
        EXPECT_EQ(item, c.item) << "char " << int(c.event.message) << " mods " << c.event.modifiers;
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(DialogFilters, ADamagedKeyTableIsIgnoredWithOneMessage) {
    for (const auto& bytes : {std::vector<UInt8>{0, 1, 0, 1, 0, 'o'}, Words({1, 1, 'o', 4, 1, 1})}) {
        ClearRecordedErrorMessages();
        ASSERT_NE(OpenDialog(FilterItems(false), {{FourCC("Cmd#"), kTable, bytes}}), nullptr);
        for (int i = 0; i < 3; ++i) {
            EventRecord e = Key('o', cmdKey);
            SInt16 item = 0;
            EXPECT_FALSE(ProgramFilter(dialog, &e, &item));
            EXPECT_EQ(item, 0);
        }
        EventRecord ret = Key(kReturnCharCode);
        SInt16 item = 0;
        EXPECT_TRUE(ProgramFilter(dialog, &ret, &item)) << "the standard keys still work";
        EXPECT_EQ(item, 1);
        EventRecord cancel = Key('.', cmdKey);
        item = 0;
        EXPECT_FALSE(ProgramFilter(dialog, &cancel, &item)) << "cancel is disabled here";
        EXPECT_EQ(item, 2);
        EXPECT_EQ(RecordedErrorMessages().size(), 1u) << bytes.size() << " bytes";
        DisposeDialog(dialog);
        dialog = nullptr;
        CloseResFile(testFile);
        testFile = -1;
        std::filesystem::remove(dir.File("dialog.rsrc"));
    }
}

TEST_F(DialogFilters, CopyNeverChoosesTheFieldAndSpendsTheKey) {
    ASSERT_NE(OpenDialog(FilterItems()), nullptr);
    ShowWindow(GetDialogWindow(dialog));
    SelectDialogItemText(dialog, 3, 0, 0);
    EventRecord copy = Key('c', cmdKey);
    SInt16 item = 9;
    EXPECT_FALSE(StandardFilter(dialog, &copy, &item));
    EXPECT_EQ(item, 0);
    EXPECT_EQ(copy.what, nullEvent);
}

struct LoopScript {
    DialogPtr dialog = nullptr;
    int ticks = 0;
};

void PressCommandO(EventLoopTimerRef, void* data) {
    auto* script = static_cast<LoopScript*>(data);
    if (++script->ticks == 3)
        PostKeyEvent(GetDialogWindow(script->dialog), EventKind::KeyDown, 'o', kKeyO, cmdKey);
}

TEST_F(DialogFilters, AModalLoopEndsOnATableKeyWhileTimersKeepRunning) {
    ASSERT_NE(OpenDialog(FilterItems(), {{FourCC("Cmd#"), kTable, KeyTable()}}), nullptr);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    LoopScript script{dialog};
    EventLoopTimerRef timer;
    InstallEventLoopTimer(0.02, 0.02, PressCommandO, &script, &timer);
    SInt16 item = 0;
    MovableDialog(nullptr, &item);
    RemoveEventLoopTimer(timer);
    EXPECT_EQ(item, 4);
    EXPECT_GE(script.ticks, 3);
    EXPECT_FALSE(gInMovableModal);
    EXPECT_EQ(stopEvent.what, keyDown);
}

} // namespace

namespace {

TEST_F(DialogFilters, TheProgramsKeyTablesAreWhole) {
    for (SInt16 id : {403, 404}) {
        Handle h = GetResource(FourCC("Cmd#"), id);
        ASSERT_NE(h, nullptr) << id;
        std::vector<CommandKeyEntry> table;
        EXPECT_TRUE(
            ParseCommandKeyTable({reinterpret_cast<const UInt8*>(*h), size_t(GetHandleSize(h))}, table));
        EXPECT_FALSE(table.empty());
    }
}

} // namespace
