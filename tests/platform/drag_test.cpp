// Drags and input methods at the platform's edge: another program's mime data read as one item of text
// and RTF, our own items surviving the trip through mime data, and the toolkit's input-method events
// reaching the window as the program's event with Mac Roman text and marked ranges.
#include "platform/drag.h"

#include "platform/clipboard.h"
#include "platform/events.h"
#include "platform/windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::pair<std::string, std::string>> ItemOf(DragRef drag, int item) {
    std::vector<std::pair<std::string, std::string>> flavors;
    for (const std::string& flavor : GetDragItemFlavors(drag, item)) {
        std::string bytes;
        EXPECT_TRUE(GetDragItemFlavorData(drag, item, flavor, &bytes));
        flavors.emplace_back(flavor, bytes);
    }
    return flavors;
}

TEST(Drags, AnotherProgramsMimeDataIsOneItemOfItsTextAndRtf) {
    const std::string utf16("h\0\xE9\0", 4);
    struct Case {
        const char* name;
        std::vector<MimeFormat> formats;
        std::vector<std::pair<std::string, std::string>> item;
    } cases[] = {
        {"plain text",
         {{"text/plain", "h\xC3\xA9"}},
         {{kFlavorUtf16Text, utf16}, {kFlavorUtf8Text, "h\xC3\xA9"}}},
        {"text and RTF",
         {{"text/plain", "h\xC3\xA9"}, {"application/rtf", "{\\rtf1 x}"}},
         {{kFlavorUtf16Text, utf16}, {kFlavorUtf8Text, "h\xC3\xA9"}, {kFlavorRtf, "{\\rtf1 x}"}}},
        {"RTF alone", {{"text/rtf", "{\\rtf1 y}"}}, {{kFlavorRtf, "{\\rtf1 y}"}}},
        {"nothing readable", {{"image/png", "\x89PNG"}}, {}},
    };
    for (const Case& c : cases) {
        DragRef drag = NewDragFromMimeData(c.formats);
        EXPECT_EQ(CountDragItems(drag), c.item.empty() ? 0 : 1) << c.name;
        EXPECT_EQ(ItemOf(drag, 1), c.item) << c.name;
        DisposeDrag(drag);
    }
}

TEST(Drags, OurItemsComeBackWholeAndOtherProgramsSeeTheirText) {
    DragRef drag = NewDrag();
    ASSERT_TRUE(AddDragItemFlavor(drag, 1, kFlavorMacRomanText, "caf\x8E"));
    ASSERT_TRUE(AddDragItemFlavor(drag, 1, kFlavorStyles, std::string("\0\1runs", 6)));
    ASSERT_TRUE(AddDragItemFlavor(drag, 2, kFlavorMacRomanText, "two"));
    EXPECT_FALSE(AddDragItemFlavor(drag, 4, kFlavorMacRomanText, "gap"));
    const std::vector<MimeFormat> mime = MimeDataOfDrag(drag);
    std::string plain;
    for (const MimeFormat& f : mime)
        if (f.type == "text/plain") plain = f.bytes;
    EXPECT_EQ(plain, "caf\xC3\xA9\ntwo");
    DragRef back = NewDragFromMimeData(mime);
    ASSERT_EQ(CountDragItems(back), 2);
    EXPECT_EQ(ItemOf(back, 1), ItemOf(drag, 1));
    EXPECT_EQ(ItemOf(back, 2), ItemOf(drag, 2));
    DisposeDrag(back);
    DisposeDrag(drag);
}

struct InputLog {
    std::vector<InputMethodText> steps;
    static OSStatus Record(const PlatformEvent& event, void* data) {
        if (event.kind != EventKind::InputMethod || !event.inputMethod) return eventNotHandledErr;
        static_cast<InputLog*>(data)->steps.push_back(*event.inputMethod);
        return noErr;
    }
};

TEST(InputMethods, StepsReachTheWindowInMacRomanWithTheirMarking) {
    const Rect bounds{100, 100, 300, 300};
    WindowPtr window = NewWindowOfClass(kDocumentWindowClass, &bounds, nullptr, 0);
    ShowWindow(window);
    InputLog log;
    EventHandlerRef handler = InstallWindowEventHandler(window, &InputLog::Record, &log);
    PostInputMethodEvent(window, "", "ka", 1);
    PostInputMethodEvent(window, "\xC3\xA9", "", 0);
    ProcessPendingEvents();
    ASSERT_EQ(log.steps.size(), 2u);
    EXPECT_EQ(log.steps[0].commit, "");
    EXPECT_EQ(log.steps[0].preedit, "ka");
    EXPECT_EQ(log.steps[0].caret, 1);
    ASSERT_EQ(log.steps[0].ranges.size(), 1u);
    EXPECT_EQ(log.steps[0].ranges[0].start, 0);
    EXPECT_EQ(log.steps[0].ranges[0].length, 2);
    EXPECT_EQ(log.steps[0].ranges[0].style, 2);
    EXPECT_EQ(log.steps[1].commit, "\x8E");
    EXPECT_EQ(log.steps[1].preedit, "");
    EXPECT_TRUE(log.steps[1].ranges.empty());
    RemoveEventHandler(handler);
    DisposeWindow(window);
}

} // namespace
