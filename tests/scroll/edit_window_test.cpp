// The edit window and the scroll monitor as the prompter lays the script out: the returns the edit
// window adds where the prompter wraps, the script given back without them, and the monitor following
// the prompter's reading position line for line.
#include "prompter_fixture.h"

#include "platform/dialogs.h"
#include "scroll/edit_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"

#include <string>

namespace {

class EditWindow : public PrompterFixture {
  protected:
    void TearDown() override {
        CloseScrollMonitorWindow(0);
        CloseEditWindow(0);
        PrompterFixture::TearDown();
    }
    // Long paragraphs the prompter wraps, with real returns between them; far past 32,767 characters.
    static std::string LongWrappedScript() {
        std::string script;
        for (int paragraph = 0; script.size() < 50'000; ++paragraph) {
            for (int sentence = 0; sentence < 12; ++sentence)
                script += "Paragraph " + std::to_string(paragraph) + " goes on and on, sentence " +
                          std::to_string(sentence) + ". ";
            script += "\r";
        }
        return script;
    }
    static std::string Text(WEReference we) {
        return std::string(*WEGetText(we), size_t(WEGetTextLength(we)));
    }
    static std::string Script() {
        return myTextResource ? std::string(*myTextResource, size_t(GetHandleSize(myTextResource))) : "";
    }
};

TEST_F(EditWindow, BreaksWhereThePrompterWrapsAndMapsEveryOffset) {
    UsePlainOutput();
    SetPref(gThePreferences, kPrefEditFollowsPrompterLines, 1);
    OpenAt(Rect{60, 60, 460, 460});
    const std::string script = LongWrappedScript();
    SetScript(script);
    OpenTextEditWindow();
    ASSERT_NE(EditWEHandle, nullptr);
    ASSERT_TRUE(PutEditTextInBox());

    // One added return for every prompter line that does not start after a real return.
    SInt32 wrapped = 0;
    for (SInt32 line = 1; line < WECountLines(ScrollWEHandle); ++line)
        if (script[size_t(WELineToOffset(line, ScrollWEHandle) - 1)] != '\r') ++wrapped;
    ASSERT_GT(wrapped, 100);
    EXPECT_EQ(SInt32(gEditView.fakes.size()), wrapped);
    EXPECT_EQ(WECountLines(EditWEHandle), WECountLines(ScrollWEHandle));

    // Every script character, near the start and far past 32,767, stands at its mapped place.
    const std::string edit = Text(EditWEHandle);
    for (SInt32 d : {0, 5, 1'000, 32'766, 32'767, 32'768, 40'000, SInt32(script.size()) - 1}) {
        const SInt32 e = SetRealEditPosition(d);
        ASSERT_LT(size_t(e), edit.size());
        EXPECT_EQ(edit[size_t(e)], script[size_t(d)]) << d;
        EXPECT_EQ(GetRealEditPosition(e), d) << d;
    }

    // Taken back from the edit window, the script is the one put in.
    gTextHasChanged = true;
    GetNewText(0);
    EXPECT_EQ(Script(), script);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(EditWindow, WithoutPrompterBreaksTheTextIsTheScript) {
    UsePlainOutput();
    SetPref(gThePreferences, kPrefEditFollowsPrompterLines, 0);
    OpenAt(Rect{60, 60, 460, 460});
    SetScript(LongWrappedScript());
    OpenTextEditWindow();
    ASSERT_TRUE(PutEditTextInBox());
    EXPECT_TRUE(gEditView.fakes.empty());
    EXPECT_EQ(Text(EditWEHandle), Script());
    CloseEditWindow(0);
    EXPECT_EQ(myEditWindow, nullptr);
    EXPECT_EQ(EditWEHandle, nullptr);
}

// The position save around a dialog: the window goes to the start with drawing off and comes back to the
// same top character far into the script, its clip as before; an unmatched save or restore changes nothing.
TEST_F(EditWindow, ThePositionSaveComesBackToTheSameCharacterOnceOnly) {
    UsePlainOutput();
    OpenAt(Rect{60, 60, 460, 460});
    SetScript(LongWrappedScript());
    OpenTextEditWindow();
    ASSERT_TRUE(PutEditTextInBox());
    EditScrollThisMuch(-60'000);
    const SInt32 top = GetEditZeroPositionCharacter();
    ASSERT_GT(top, 1'000);
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myEditWindow));
    RgnHandle before = NewRgn(), during = NewRgn(), after = NewRgn();
    GetClip(before);

    SaveEditPositionandReset();
    EXPECT_EQ(gEditView.currentPos, 0);
    EXPECT_EQ(GetEditZeroPositionCharacter(), 0);
    GetClip(during);
    EXPECT_TRUE(EmptyRgn(during));
    SaveEditPositionandReset(); // refused: the first save stays
    EditScrollThisMuch(-700);
    RestoreEditPosition();
    EXPECT_EQ(GetEditZeroPositionCharacter(), top);
    GetClip(after);
    EXPECT_TRUE(EqualRgn(before, after));
    EditScrollThisMuch(700);
    const SInt32 moved = gEditView.currentPos;
    RestoreEditPosition(); // refused: nothing saved
    EXPECT_EQ(gEditView.currentPos, moved);
    DisposeRgn(before);
    DisposeRgn(during);
    DisposeRgn(after);
    SetPort(saved);
}

// A text laid out past the reach of window positions is reported with a notice whose first item closes it.
TEST_F(EditWindow, TheTextTooTallNoticeOpensWithItsClosingButton) {
    DialogPtr notice = GetNewDialog(135, nullptr, kFirstWindowOfClass);
    ASSERT_NE(notice, nullptr);
    EXPECT_GE(CountDITL(notice), 2);
    EXPECT_EQ(GetDialogItemKind(notice, 1) & ~itemDisable, ctrlItem + btnCtrl);
    Str255 text;
    GetDialogItemText(notice, 3, text);
    EXPECT_GT(text[0], 20);
    DisposeDialog(notice);
}

TEST_F(EditWindow, TheMonitorFollowsThePrompterLineForLine) {
    UsePlainOutput();
    SetPref(gThePreferences, kPrefUseScrollMonitor, 1);
    OpenAt(Rect{60, 60, 460, 460});
    SetScript(LongWrappedScript());
    OpenScrollMonitorWindow();
    ASSERT_TRUE(PutScrollMonitorTextInBox());
    EXPECT_EQ(WECountLines(ScrollMonitorWEHandle), WECountLines(ScrollWEHandle));

    for (SInt32 pixels : {-3'000, -40'000, 25'000}) {
        ScrollScrollThisMuch(pixels, 0);
        SyncScrollMonitorToScroll();
        const SInt32 prompterTop = GetScrollZeroPositionCharacter();
        const SInt32 monitorTop = TextWindowZeroPositionCharacter(gScrollMonitorView);
        EXPECT_EQ(WEOffsetToLine(monitorTop, ScrollMonitorWEHandle),
                  WEOffsetToLine(prompterTop, ScrollWEHandle))
            << pixels;
    }
    CloseScrollMonitorWindow(0);
    EXPECT_EQ(myScrollMonitorWindow, nullptr);
    // Closed, the monitor no longer follows and nothing breaks.
    ScrollScrollThisMuch(-500, 0);
    SyncScrollMonitorToScroll();
}

} // namespace
