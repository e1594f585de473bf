// Taking the script back from the prompter's text box: the typed text with its styles in the script's own
// form, and never a capitals copy made for scrolling.
#include "prompter_fixture.h"

#include "scroll/scroll_engine.h"

#include <cstring>

namespace {

class ScriptFromPrompter : public PrompterFixture {
  protected:
    static std::string Script() {
        return myTextResource ? std::string(*myTextResource, size_t(GetHandleSize(myTextResource))) : "";
    }
};

TEST_F(ScriptFromPrompter, TypedTextBecomesTheScriptWithItsStyles) {
    UsePlainOutput();
    OpenAt(Rect{60, 60, 400, 600});
    SetScript("Hello world");
    WESetSelection(5, 5, 0, ScrollWEHandle);
    WEInsert(", dear", 6, nullptr, nullptr, ScrollWEHandle, 0);
    ASSERT_EQ(BoxText(), "Hello, dear world");

    GetNewText(0);
    EXPECT_EQ(Script(), "Hello, dear world");
    ASSERT_NE(myStyle, nullptr);
    ASSERT_GE(GetHandleSize(myStyle), 4);
    UInt16 format = 0;
    std::memcpy(&format, *myStyle + 2, 2);
    EXPECT_EQ(format, 3) << "the script's own form of the style runs";
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ScriptFromPrompter, ACapitalsCopyOrNoTextBoxLeavesTheScriptAlone) {
    UsePlainOutput();
    OpenAt(Rect{60, 60, 400, 600});
    SetScript("Quiet words");
    WESetSelection(0, 0, 0, ScrollWEHandle);
    WEInsert("LOUD ", 5, nullptr, nullptr, ScrollWEHandle, 0);
    gScrollingInAllCAPS = true;
    GetNewText(0);
    EXPECT_EQ(Script(), "Quiet words");

    gScrollingInAllCAPS = false;
    CloseScrollWindow();
    ASSERT_EQ(ScrollWEHandle, nullptr);
    GetNewText(0);
    EXPECT_EQ(Script(), "Quiet words");
}

} // namespace
