// A script's text merge entries through a save and an open: an ordinary save brings them back as a merge
// list, a word-swapped save brings them back asking for the word swap, and an empty list writes nothing.
#include "program_fixture.h"

#include "platform/pstring.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "support/prompter_text.h"
#include "texttools/text_tools.h"

#include <array>
#include <string>
#include <vector>

namespace {

using Entry = std::array<std::string, 3>;

class TextMergeDocument : public ProgramTest {
  protected:
    static void MakeList(const std::vector<Entry>& entries) {
        for (const Entry& entry : entries) {
            const SInt32 n = gNumTextMerge;
            ASSERT_TRUE(AddTextMergeText());
            for (SInt16 field = 0; field < 3; ++field) {
                Str255 s;
                SetPString(s, entry[size_t(field)]);
                ASSERT_TRUE(SetTextMergeText(n, field, s));
            }
        }
    }
    static std::vector<Entry> List() {
        std::vector<Entry> out;
        for (SInt16 n = 0; n < gNumTextMerge; ++n) {
            Str255 k, r, p;
            EXPECT_TRUE(GetTextMergeText(n, k, r, p));
            out.push_back(
                {std::string(PStringView(k)), std::string(PStringView(r)), std::string(PStringView(p))});
        }
        return out;
    }
    // File menu item 5 or 6 with shift held: saved at once where the script came from.
    static void SaveInstantly(SInt16 item) {
        curEvent.modifiers = shiftKey;
        ConsistifyMenus();
        ASSERT_TRUE(IsMenuItemEnabled(GetMenuHandle(kFileMenuID), MenuItemIndex(item)));
        DoCommand(MakeMenuCommand(kFileMenuID, item));
        curEvent.modifiers = 0;
    }
};

TEST_F(TextMergeDocument, EntriesComeBackAsSavedAndAWordSwappedSaveAsksForTheSwap) {
    Start();
    home.WriteFile("Letter.txt", "Dear NAME, see you in CITY.\n");
    const std::string path = home.path() + "/Letter.txt";
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    const std::vector<Entry> kEntries = {{"NAME", "", "Who is it for?"}, {"CITY", "", "Where?"}};
    MakeList(kEntries);

    SaveInstantly(kSaveItem);
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    EXPECT_EQ(List(), kEntries);
    EXPECT_FALSE(gFlagDoWordSwap);

    SaveInstantly(kSaveSwappedItem);
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    EXPECT_EQ(List(), kEntries);
    EXPECT_TRUE(gFlagDoWordSwap) << "the document asks for the word swap";
    gFlagDoWordSwap = false;

    // The request is for one save only, and a list emptied by the user is not brought back.
    SaveInstantly(kSaveItem);
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    EXPECT_FALSE(gFlagDoWordSwap);
    while (gNumTextMerge > 0)
        ASSERT_TRUE(RemoveTextMergeText(0));
    SaveInstantly(kSaveItem);
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    EXPECT_EQ(gNumTextMerge, 0);
    EXPECT_EQ(PrompterText(), "Dear NAME, see you in CITY.\r");
}

} // namespace
