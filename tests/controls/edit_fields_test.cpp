// Edit fields: text and numbers in and out, Tab between fields, and numeric entries accepted or refused
// when a field is committed.
#include "controls/edit_fields.h"

#include "controls/control_drawing.h"
#include "controls/control_focus.h"
#include "controls/control_values.h"
#include "controls/scroll_controls.h"
#include "controls/window_callbacks.h"
#include "ebook/ebook_windows.h"
#include "tool_window_items.h"

namespace {

enum : SInt16 { kSpeed = 1, kName = 2, kApply = 3 };

int gCommits = 0;
void CountCommit(MyDialogHandle, SInt16) {
    ++gCommits;
}

class EditFields : public ToolWindowFixture {
  protected:
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFormatPalWindow, 14,
              {ItemListBytes({Item(16, {20, 20, 40, 200}, "50"), Item(16, {50, 20, 70, 200}, "Title"),
                              Item(4, {80, 20, 100, 100}, "Apply")})});
        SetMyControlEditText(reference, dialog, kSpeed, "50", 2, kMyEditText);
        SetMyControlEditText(reference, dialog, kName, "Title", 5, kMyEditText);
        SetMyControlEditRange(reference, dialog, kSpeed, 1, 100);
        SetMyWindowCallbacks(14, MyWindowCallbacks{nullptr, CountCommit, nullptr, nullptr});
        gCommits = 0;
    }
    void TearDown() override {
        ClearMyWindowCallbacks(14);
        ToolWindowFixture::TearDown();
    }
    std::string Text(SInt16 item) {
        char buffer[256];
        SInt32 length = sizeof buffer, total = 0;
        if (GetMyControlEditText(reference, dialog, item, 0, 0x7FFFFFFF, buffer, &length, &total) != noErr)
            return "<none>";
        return std::string(buffer, size_t(length));
    }
    SInt32 Number(SInt16 item) {
        SInt32 n = -1;
        GetMyControlEditNum(reference, dialog, item, 0, 0x7FFFFFFF, &n);
        return n;
    }
};

TEST_F(EditFields, ANumericEntryIsAcceptedInRangeAndRefusedOtherwise) {
    struct Case {
        const char* entry;
        bool accepted;
        SInt32 number;       // what the field holds after
        const char* message; // part of the one message of a refusal
    } cases[] = {
        {"75", true, 75, nullptr},
        {" 42 ", true, 42, nullptr},
        {"100", true, 100, nullptr},
        {"1", true, 1, nullptr},
        {"12.7", true, 12, nullptr},
        {"150", false, 12, "150 is out of range: enter a whole number from 1 to 100"},
        {"0", false, 12, "0 is out of range"},
        {"-5", false, 12, "-5 is out of range"},
        {"", false, 12, "The field is empty: enter a whole number from 1 to 100"},
        {"abc", false, 12, "\"abc\" is not a number"},
        {"12abc", false, 12, "\"12abc\" is not a number"},
        {"99999999999999999999", false, 12, "99999999999999999999 is out of range"},
    };
    for (const Case& c : cases) {
        ClearRecordedErrorMessages();
        gCommits = 0;
        SetMyControlKeyFocus(reference, dialog, kSpeed);
        SetMyControlEditText(reference, dialog, kSpeed, c.entry, SInt32(strlen(c.entry)), kMyEditText);
        SetMyControlKeyFocus(reference, dialog, kApply); // the field loses the focus: committed
        EXPECT_EQ(gCommits, c.accepted ? 1 : 0) << c.entry;
        EXPECT_EQ(Number(kSpeed), c.number) << c.entry;
        if (c.accepted) {
            EXPECT_TRUE(RecordedErrorMessages().empty()) << c.entry;
        } else {
            ASSERT_EQ(RecordedErrorMessages().size(), 1u) << c.entry;
            EXPECT_NE(RecordedErrorMessages()[0].find(c.message), std::string::npos)
                << c.entry << ": " << RecordedErrorMessages()[0];
            EXPECT_EQ(Text(kSpeed), "12") << "the last accepted number is put back";
        }
    }
}

TEST_F(EditFields, TypedEntriesAreCommittedByReturnAndTheFieldKeepsTheFocus) {
    SetMyControlKeyFocus(reference, dialog, kSpeed);
    bool handled = false;
    KeyInMyDialogControls(reference, dialog, 'a', cmdKey, &handled);
    EXPECT_TRUE(handled);
    for (UInt8 key : {'7', '5'})
        KeyInMyDialogControls(reference, dialog, key, 0, &handled);
    EXPECT_EQ(Text(kSpeed), "75");
    KeyInMyDialogControls(reference, dialog, kReturnCharCode, 0, &handled);
    EXPECT_EQ(gCommits, 1);
    EXPECT_EQ(GetMyControlKeyFocus(dialog), kSpeed);
    SInt32 start = -1, end = -1;
    GetMyControlEditPosition(reference, dialog, kSpeed, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2) << "the entry is selected for the next one";
    EXPECT_EQ(gLastFormatPalFocusID, kSpeed);
}

TEST_F(EditFields, TabGoesFromFieldToFieldAndWraps) {
    SetMyControlKeyFocus(reference, dialog, kSpeed);
    struct Step {
        UInt16 modifiers;
        SInt16 want;
    } steps[] = {{0, kName}, {0, kSpeed}, {shiftKey, kName}, {shiftKey, kSpeed}};
    for (const Step& s : steps) {
        EXPECT_TRUE(KeyInMyEditField(reference, dialog, kTabCharCode, s.modifiers));
        EXPECT_EQ(GetMyControlKeyFocus(dialog), s.want);
        SInt32 start = -1, end = -1;
        GetMyControlEditPosition(reference, dialog, s.want, &start, &end);
        EXPECT_EQ(end - start, SInt32(Text(s.want).size())) << "the whole text is selected";
    }
    // Each field left by Tab was committed.
    EXPECT_EQ(gCommits, 4);
}

TEST_F(EditFields, TextsAndNumbersInAndOut) {
    struct Case {
        double number;
        const char* text;
    } doubles[] = {{2.5, "2.5"}, {3.0, "3"}, {1.23456, "1.235"}, {-0.0001, "0"}, {-12.25, "-12.25"}};
    for (const Case& c : doubles) {
        SetMyControlEditDouble(reference, dialog, kName, c.number, kMyEditText);
        EXPECT_EQ(Text(kName), c.text) << c.number;
    }
    SetMyControlEditText(reference, dialog, kName, "12.9", 4, kMyEditText);
    EXPECT_EQ(Number(kName), 12);
    SetMyControlEditText(reference, dialog, kName, "ab", 2, kMyEditText);
    OSType key = 0;
    GetMyControlEditKey(reference, dialog, kName, 0, 0x7FFFFFFF, &key);
    EXPECT_EQ(key, OSType('a') << 24 | OSType('b') << 16 | OSType(' ') << 8 | OSType(' '));
    ReplaceMyControlEditText(reference, dialog, kName, "XYZ", 3, 1, 0, kMyEditText);
    EXPECT_EQ(Text(kName), "aXYZb");
    // A missing item has no text; an inactive one takes none.
    char buffer[8];
    SInt32 length = 8, total = 0;
    EXPECT_EQ(GetMyControlEditText(reference, dialog, 9, 0, 5, buffer, &length, &total), paramErr);
    SetMyControlInactive(reference, dialog, kName, true);
    SetMyControlEditText(reference, dialog, kName, "new", 3, kMyEditText);
    EXPECT_EQ(Text(kName), "aXYZb");
}

TEST_F(EditFields, FixedNumbersAndTheWholeTextAsAHandle) {
    struct Case {
        Fixed number;
        const char* text;
    } fixed[] = {{0x00028000, "2.5"}, {0x00010000, "1.0"}, {-0x00018000, "-1.5"}, {0x00014000, "1.25"}};
    for (const Case& c : fixed) {
        SetMyControlEditFixed(reference, dialog, kName, c.number, kMyEditText);
        EXPECT_EQ(Text(kName), c.text);
        Fixed back = 0;
        GetMyControlEditFixed(reference, dialog, kName, 0, 0x7FFFFFFF, &back);
        EXPECT_EQ(back, c.number) << c.text;
    }

    // Longer than any first guess at its size: the whole text comes out, the old handle is gone.
    const std::string longText(9000, 'w');
    SetMyControlEditText(reference, dialog, kName, longText.data(), SInt32(longText.size()), kMyEditText);
    Handle old = NewHandle(10);
    Handle text = GetNewTextHandleFromEditControl(old, reference, dialog, kName);
    ASSERT_NE(text, old);
    ASSERT_EQ(GetHandleSize(text), Size(longText.size()));
    EXPECT_EQ(std::string(*text, longText.size()), longText);
    // No such field: the handle given comes back as it was.
    EXPECT_EQ(GetNewTextHandleFromEditControl(text, reference, dialog, 9), text);
    DisposeHandle(text);
}

class ScrollingEditField : public ToolWindowFixture {};

TEST_F(ScrollingEditField, ItsBarFollowsItsText) {
    Build(&myFormatPalWindow, 14, {ItemListBytes({Item(0, {20, 20, 60, 200})})});
    SetMyControlKind(reference, dialog, 1, kMyScrollingEditText, 0);
    MyControlItem* field = ControlFromItemNum(dialog, 1);
    ASSERT_NE(field, nullptr);
    ASSERT_NE(field->scrollBar, nullptr);
    EXPECT_EQ(field->scrollBar->maximum, 0.0) << "an empty text does not scroll";
    std::string lines;
    for (int i = 0; i < 30; ++i)
        lines += "line " + std::to_string(i) + "\r";
    SetMyControlEditText(reference, dialog, 1, lines.data(), SInt32(lines.size()), kMyScrollingEditText);
    EXPECT_GT(field->scrollBar->maximum, 100.0) << "thirty lines in a 40-pixel field";
    EXPECT_EQ(field->scrollBar->value, 0.0);
    // A key not registered changes nothing.
    const double before = field->scrollBar->maximum;
    MyTXNScrollInfoProc(5, 10, 0, 0xDEAD0001u);
    EXPECT_EQ(field->scrollBar->maximum, before);
}

TEST_F(EditFields, AReadOnlyFieldTakesNeitherFocusNorTyping) {
    SetMyControlEditReadOnly(reference, dialog, kName, true);
    SetMyControlKeyFocus(reference, dialog, kName);
    EXPECT_EQ(GetMyControlKeyFocus(dialog), 0);
    SetMyControlKeyFocus(reference, dialog, kSpeed);
    EXPECT_TRUE(KeyInMyEditField(reference, dialog, kTabCharCode, 0));
    EXPECT_EQ(GetMyControlKeyFocus(dialog), kSpeed) << "the only field that takes the focus keeps it";
}

} // namespace
