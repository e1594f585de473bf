// Printing styled text to PDF files: whole lines dealt out to pages, the page range, styles and Mac Roman
// text reaching the paper, colours too light for paper, and damaged or missing records refused.
#include "platform/printing.h"
#include "support/pdf_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(PaginateLines, APageHoldsTheWholeLinesThatFitAndATallLineGetsItsOwnPage) {
    const struct {
        std::vector<SInt32> heights;
        SInt32 pageHeight;
        std::vector<SInt32> starts;
    } cases[] = {
        {{}, 100, {0}},                                  // an empty text still has a page
        {{30, 30, 30}, 100, {0}},                        // shorter than one page
        {{25, 25, 25, 25, 25, 25, 25, 25}, 100, {0, 4}}, // exactly two page heights: two pages, not three
        {{40, 40, 40, 40, 40}, 100, {0, 2, 4}},          // a line that would cross the bottom starts a page
        {{30, 250, 30}, 100, {0, 1, 2}},                 // taller than the page: alone on its page
        {{100, 1, 99}, 100, {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.heights));
        EXPECT_EQ(PaginateLines(c.heights, c.pageHeight), c.starts);
    }
}

// A session whose dialogs are answered with a page 600 x 150 points with 25-point margins: a printable
// area 100 points high holds one line of 62-point text, so each short paragraph is a page of its own.
class PrintingText : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPrintDialogResponder([this](PrintDialogKind kind, PrintChoices* c) {
            if (kind == PrintDialogKind::PageSetup) {
                c->paperWidth = 600;
                c->paperHeight = 150;
                c->landscape = false;
                c->marginLeft = c->marginTop = c->marginRight = c->marginBottom = 25;
            } else {
                c->outputFile = output;
                c->firstPage = first;
                c->lastPage = last;
            }
            return OSStatus(noErr);
        });
        session = CreatePrintSession();
        format = CreatePageFormat();
        settings = CreatePrintSettings();
        ASSERT_EQ(SetDefaultPageFormat(session, format), noErr);
        ASSERT_EQ(SetDefaultPrintSettings(session, settings), noErr);
        ASSERT_EQ(RunPageSetupDialog(session, format), noErr);
    }
    void TearDown() override {
        DisposePrintSettings(settings);
        DisposePageFormat(format);
        ReleasePrintSession(session);
        SetPrintDialogResponder({});
    }

    OSStatus Print(const std::string& text, const std::vector<PrintTextRun>& runs, SInt32* pages = nullptr) {
        EXPECT_EQ(SetPrintPageRange(settings, 1, 9999), noErr);
        EXPECT_EQ(RunPrintDialog(session, format, settings), noErr);
        PrintTextJob job;
        job.text = reinterpret_cast<const UInt8*>(text.data());
        job.length = SInt32(text.size());
        job.runs = runs.data();
        job.runCount = SInt32(runs.size());
        return PrintTextPages(session, format, settings, job, pages);
    }

    TempDir folder;
    std::string output = folder.File("out.pdf");
    UInt32 first = 1;
    UInt32 last = 9999;
    PrintSessionRef session = nullptr;
    PageFormatRef format = nullptr;
    PrintSettingsRef settings = nullptr;
};

const std::vector<PrintTextRun> kLarge = {{0, 0, 0, 62, {0, 0, 0}}};

TEST_F(PrintingText, ThePagesAskedForArePrintedAndTheRangeIsCutToTheText) {
    const struct {
        UInt32 first, last;
        std::vector<std::string> pages;
    } cases[] = {
        {1, 9999, {"One", "Two", "Three"}},
        {2, 3, {"Two", "Three"}},
        {3, 3, {"Three"}},
        {4, 9, {}}, // past the text: nothing printed, no file
    };
    Rect page;
    ASSERT_EQ(GetAdjustedPageRect(format, &page), noErr);
    EXPECT_EQ(page.bottom - page.top, 100);
    EXPECT_EQ(page.right - page.left, 550);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << "-" << c.last);
        std::filesystem::remove(output);
        first = c.first;
        last = c.last;
        SInt32 printed = -1;
        ASSERT_EQ(Print("One\rTwo\rThree", kLarge, &printed), noErr);
        EXPECT_EQ(printed, SInt32(c.pages.size()));
        if (c.pages.empty()) {
            EXPECT_FALSE(std::filesystem::exists(output));
            continue;
        }
        EXPECT_EQ(PdfPageTexts(output), c.pages);
    }
}

TEST_F(PrintingText, StylesAndMacRomanCharactersReachThePaper) {
    // "Caf\x8E" is "Café" and \xD2 \xD3 are curly quotes in Mac Roman.
    const std::string text = "Plain Bold Italic Caf\x8E \xD2quoted\xD3";
    const std::vector<PrintTextRun> runs = {{0, 0, 0, 14, {0, 0, 0}},
                                            {6, 0, 1, 14, {0, 0, 0}},
                                            {11, 0, 2, 14, {0, 0, 0}},
                                            {18, 0, 0, 14, {0, 0, 0}}};
    ASSERT_EQ(Print(text, runs), noErr);
    EXPECT_EQ(PdfPageTexts(output), (std::vector<std::string>{"Plain Bold Italic Café “quoted”"}));
    auto fonts = CommandOutput("pdffonts " + QuotedPath(output));
    ASSERT_TRUE(fonts);
    // Two header lines, then one line per font embedded: regular, bold and italic.
    EXPECT_GE(std::count(fonts->begin(), fonts->end(), '\n'), 5) << *fonts;
}

// The colour of the darkest pixels of the printed page, read back as a raw image.
struct Ink {
    int red = 255, green = 255, blue = 255;
};
Ink DarkestInk(const std::string& pdf, const std::string& folder) {
    const std::string stem = folder + "/page";
    if (!CommandOutput("pdftoppm -r 36 -singlefile " + QuotedPath(pdf) + " " + QuotedPath(stem))) return {};
    std::ifstream file(stem + ".ppm", std::ios::binary);
    const std::optional<std::string> image{std::string(std::istreambuf_iterator<char>(file), {})};
    // "P6\n<width> <height>\n255\n" and then RGB triples.
    size_t pos = 0;
    for (int fields = 0; fields < 4; ++fields)
        pos = image->find_first_of(" \n", pos) + 1;
    Ink ink;
    int darkest = 3 * 255 + 1;
    for (size_t i = pos; i + 2 < image->size(); i += 3) {
        const int r = UInt8((*image)[i]), g = UInt8((*image)[i + 1]), b = UInt8((*image)[i + 2]);
        if (r + g + b < darkest) {
            darkest = r + g + b;
            ink = Ink{r, g, b};
        }
    }
    return ink;
}

TEST_F(PrintingText, TextTooLightForPaperPrintsInBlackAndOtherColoursAsTheyAre) {
    const struct {
        RGBColor color;
        bool red; // the ink is clearly red rather than grey
    } cases[] = {
        {{0xFFFF, 0xFFFF, 0xFFFF}, false},
        {{0xF000, 0xF000, 0xE000}, false},
        {{0xFFFF, 0, 0}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.color.red << "," << c.color.green << "," << c.color.blue);
        ASSERT_EQ(Print("MMMM", {{0, 0, 1, 62, c.color}}), noErr);
        const Ink ink = DarkestInk(output, folder.path());
        if (c.red) {
            EXPECT_GT(ink.red, 150);
            EXPECT_LT(ink.green, 80);
        } else {
            EXPECT_LT(ink.red + ink.green + ink.blue, 150) << "the text must show on white paper";
        }
    }
}

TEST(PageFormat, AFreshFormatLeavesAtLeastHalfAnInchOfMarginAndIsKeptThroughAnAcceptedDialog) {
    PrintSessionRef session = CreatePrintSession();
    PageFormatRef format = CreatePageFormat();
    ASSERT_EQ(SetDefaultPageFormat(session, format), noErr);
    PrintChoices shown;
    SetPrintDialogResponder([&shown](PrintDialogKind, PrintChoices* c) {
        shown = *c;
        return OSStatus(noErr);
    });
    ASSERT_EQ(RunPageSetupDialog(session, format), noErr);
    for (double margin : {shown.marginLeft, shown.marginTop, shown.marginRight, shown.marginBottom})
        EXPECT_GE(margin, 36);
    Rect page;
    ASSERT_EQ(GetAdjustedPageRect(format, &page), noErr);
    const double width = shown.landscape ? shown.paperHeight : shown.paperWidth;
    EXPECT_NEAR(page.right - page.left, width - shown.marginLeft - shown.marginRight, 1);
    // A cancelled dialog leaves the format as it was; an accepted one with a change keeps the change.
    SetPrintDialogResponder([](PrintDialogKind, PrintChoices* c) {
        c->landscape = !c->landscape;
        return OSStatus(kPrintCancelled);
    });
    EXPECT_EQ(RunPageSetupDialog(session, format), kPrintCancelled);
    Rect same;
    ASSERT_EQ(GetAdjustedPageRect(format, &same), noErr);
    EXPECT_EQ(same.right, page.right);
    SetPrintDialogResponder([](PrintDialogKind, PrintChoices* c) {
        c->landscape = !c->landscape;
        return OSStatus(noErr);
    });
    EXPECT_EQ(RunPageSetupDialog(session, format), noErr);
    Rect turned;
    ASSERT_EQ(GetAdjustedPageRect(format, &turned), noErr);
    EXPECT_NEAR(
        turned.right - turned.left,
        (shown.landscape ? shown.paperWidth : shown.paperHeight) - shown.marginLeft - shown.marginRight, 1);
    SetPrintDialogResponder({});
    DisposePageFormat(format);
    ReleasePrintSession(session);
}

TEST_F(PrintingText, MissingOrEmptyRecordsAreRefusedBeforeAnythingIsPrinted) {
    PageFormatRef emptyFormat = CreatePageFormat();
    PrintSettingsRef emptySettings = CreatePrintSettings();
    const std::string text = "Text";
    PrintTextJob job;
    job.text = reinterpret_cast<const UInt8*>(text.data());
    job.length = SInt32(text.size());
    ASSERT_EQ(SetPrintPageRange(settings, 1, 9999), noErr);
    ASSERT_EQ(RunPrintDialog(session, format, settings), noErr);
    const struct {
        PrintSessionRef session;
        PageFormatRef format;
        PrintSettingsRef settings;
        OSStatus result;
    } cases[] = {
        {nullptr, format, settings, kPrintInvalidSession},
        {session, nullptr, settings, kPrintInvalidPageFormat},
        {session, emptyFormat, settings, kPrintInvalidPageFormat},
        {session, format, nullptr, kPrintInvalidSettings},
        {session, format, emptySettings, kPrintInvalidSettings},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrintTextPages(c.session, c.format, c.settings, job, nullptr), c.result);
        EXPECT_EQ(RunPrintDialog(c.session, c.format, c.settings), c.result);
    }
    EXPECT_FALSE(std::filesystem::exists(output));
    DisposePrintSettings(emptySettings);
    DisposePageFormat(emptyFormat);
}

} // namespace
