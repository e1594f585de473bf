// The Print and Page Setup commands on the running program, printing to PDF files through the dialogs'
// test responder: the pages read back, the selection only, cancelling, kept page setup and output errors.
#include "program_fixture.h"

#include "platform/memory.h"
#include "platform/printing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "shell/commands.h"
#include "shell/printing.h"
#include "support/pdf_reader.h"
#include "support/temp_dir.h"
#include "textengine/text_engine.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The prompter's format prints lines between 62 and 99 points high, so a printable area 200 points high
// holds exactly two of them: six short paragraphs make three pages.
const std::string kScript = "Alpha one\rBravo two\rCharlie three\rDelta four\rEcho five\rFoxtrot six";
const std::vector<std::string> kScriptPages = {"Alpha one Bravo two", "Charlie three Delta four",
                                               "Echo five Foxtrot six"};

class Printing : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        UseScript(kScript);
        SetPrintDialogResponder([this](PrintDialogKind kind, PrintChoices* choices) {
            shown.push_back(kind);
            seen.push_back(*choices);
            if (kind == cancelAt) return OSStatus(kPrintCancelled);
            if (kind == PrintDialogKind::PageSetup) {
                // Paper 250 x 800 turned on its side: a printable area of 750 x 200 points.
                choices->paperWidth = 250;
                choices->paperHeight = 800;
                choices->landscape = true;
                choices->marginLeft = choices->marginTop = choices->marginRight = choices->marginBottom = 25;
            } else {
                choices->outputFile = output;
                choices->firstPage = firstPage;
                choices->lastPage = lastPage;
            }
            return OSStatus(noErr);
        });
    }
    void TearDown() override {
        SetPrintDialogResponder({});
        ProgramTest::TearDown();
    }

    static SInt32 Print() { return DoCommand(MakeMenuCommand(kFileMenuID, kPrintItem)); }

    std::vector<std::string> Pages() {
        auto pages = PdfPageTexts(output);
        EXPECT_TRUE(pages) << "pdftotext could not read " << output << " (is poppler-utils installed?)";
        return pages ? *pages : std::vector<std::string>{};
    }

    TempDir folder;
    std::string output = folder.File("script.pdf");
    std::vector<PrintDialogKind> shown;
    std::vector<PrintChoices> seen;
    PrintDialogKind cancelAt = PrintDialogKind(255);
    UInt32 firstPage = 1;
    UInt32 lastPage = 9999;
};

using Kinds = std::vector<PrintDialogKind>;

TEST_F(Printing, TheScriptPrintsAsPagesOfWholeLinesAndThePageSetupIsKeptForTheNextPrint) {
    ASSERT_EQ(Print(), 0);
    EXPECT_EQ(shown, (Kinds{PrintDialogKind::PageSetup, PrintDialogKind::Print}));
    EXPECT_EQ(seen.at(1).firstPage, 1u) << "the print dialog offers every page";
    EXPECT_EQ(seen.at(1).lastPage, 9999u);
    EXPECT_EQ(Pages(), kScriptPages);
    EXPECT_EQ(PdfInfoField(output, "Pages"), "3");
    EXPECT_EQ(PdfInfoField(output, "Page size"), "800 x 250 pts");
    EXPECT_TRUE(RecordedErrorMessages().empty());

    // The next print asks only the print dialog, which shows the page setup chosen before.
    std::filesystem::remove(output);
    shown.clear();
    seen.clear();
    firstPage = lastPage = 2;
    ASSERT_EQ(Print(), 0);
    ASSERT_EQ(shown, (Kinds{PrintDialogKind::Print}));
    EXPECT_TRUE(seen[0].landscape);
    EXPECT_EQ(seen[0].paperWidth, 250);
    EXPECT_EQ(seen[0].marginTop, 25);
    EXPECT_EQ(Pages(), (std::vector<std::string>{kScriptPages[1]})) << "pages 2 to 2";
    EXPECT_EQ(PdfInfoField(output, "Page size"), "800 x 250 pts");
}

TEST_F(Printing, PageSetupChosenFromTheMenuIsTheFormatOfTheFirstPrint) {
    EXPECT_EQ(DoCommand(MakeMenuCommand(kFileMenuID, kPageSetupItem)), 0);
    ASSERT_EQ(shown, (Kinds{PrintDialogKind::PageSetup}));
    ASSERT_EQ(Print(), 0);
    EXPECT_EQ(shown, (Kinds{PrintDialogKind::PageSetup, PrintDialogKind::Print}));
    EXPECT_EQ(PdfInfoField(output, "Pages"), "3");
    EXPECT_EQ(PdfInfoField(output, "Page size"), "800 x 250 pts");
}

TEST_F(Printing, OnlyASelectionPrintsWhenAskedAndOneIsThere) {
    const struct {
        bool selectionOnly;
        SInt32 start, end;
        std::vector<std::string> pages;
    } cases[] = {
        {true, 20, 44, {"Charlie three Delta four"}},
        {true, 25, 25, kScriptPages}, // nothing selected: the whole script
        {false, 20, 44, kScriptPages},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "selection only " << c.selectionOnly << ", " << c.start << "-" << c.end);
        std::filesystem::remove(output);
        gPrintSelectionOnly = c.selectionOnly;
        WESetSelection(c.start, c.end, 0, ScrollWEHandle);
        ASSERT_EQ(Print(), 0);
        EXPECT_EQ(Pages(), c.pages);
        // The script itself is untouched by printing a part of it.
        EXPECT_EQ(std::string(*myTextResource, size_t(GetHandleSize(myTextResource))), kScript);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(Printing, CancellingEitherDialogPrintsNothingAndSaysNothing) {
    const struct {
        PrintDialogKind cancelAt;
        Kinds shown;
    } cases[] = {
        {PrintDialogKind::PageSetup, {PrintDialogKind::PageSetup}},
        {PrintDialogKind::Print, {PrintDialogKind::PageSetup, PrintDialogKind::Print}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.cancelAt));
        Close_Printing();
        ASSERT_TRUE(Initialize_Printing());
        shown.clear();
        cancelAt = c.cancelAt;
        EXPECT_EQ(Print(), 0);
        EXPECT_EQ(shown, c.shown);
        EXPECT_FALSE(std::filesystem::exists(output));
    }
    // The dialogs themselves answer 128.
    shown.clear();
    cancelAt = PrintDialogKind::Print;
    ASSERT_NE(pageFormat, nullptr);
    EXPECT_EQ(DoPrintDialog(printSession, pageFormat, &printSettings), kPrintCancelled);
    cancelAt = PrintDialogKind::PageSetup;
    EXPECT_EQ(DoPageSetupDialog(printSession, &pageFormat), kPrintCancelled);
    EXPECT_EQ(shown, (Kinds{PrintDialogKind::Print, PrintDialogKind::PageSetup}));
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(Printing, AnOutputThatCannotBeWrittenIsReportedAndTheNextPrintWorks) {
    output = folder.File("no such folder/script.pdf");
    ASSERT_EQ(Print(), 0);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_NE(RecordedErrorMessages()[0].find("could not be opened"), std::string::npos)
        << RecordedErrorMessages()[0];
    EXPECT_FALSE(std::filesystem::exists(output));

    output = folder.File("script.pdf");
    ASSERT_EQ(Print(), 0);
    EXPECT_EQ(Pages(), kScriptPages);
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
}

} // namespace
