// Printing through the desktop's printing system: a session, the page format and print settings a program
// keeps between prints, the page-setup and print dialogs, and styled text printed as pages of whole lines.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

#include <functional>
#include <string>
#include <vector>

struct PrintSessionRecord;
using PrintSessionRef = PrintSessionRecord*;
struct PageFormatRecord;
using PageFormatRef = PageFormatRecord*;
struct PrintSettingsRecord;
using PrintSettingsRef = PrintSettingsRecord*;

// Results besides noErr: the user cancelled a dialog; the printing system failed in general, a record
// given was null or damaged, the output could not be opened, or a page could not be begun.
enum : OSStatus {
    kPrintCancelled = 128,
    kPrintGeneralError = -30870,
    kPrintInvalidSession = -30879,
    kPrintInvalidPageFormat = -30876,
    kPrintInvalidSettings = -30875,
    kPrintOutputFailed = -30880,
    kPrintPageFailed = -30881,
};

PrintSessionRef CreatePrintSession();
// Releases the session; null is ignored.
void ReleasePrintSession(PrintSessionRef session);
// The first error of the session's latest document (noErr when it printed).
OSStatus GetPrintSessionError(PrintSessionRef session);
// A sentence (Mac Roman) saying what went wrong with the latest document; empty when nothing did.
std::string GetPrintSessionErrorText(PrintSessionRef session);

// Page formats and print settings are created empty; filling one with the session's defaults or checking
// one kept from an earlier print makes it usable.
PageFormatRef CreatePageFormat();
void DisposePageFormat(PageFormatRef format);
OSStatus SetDefaultPageFormat(PrintSessionRef session, PageFormatRef format);
OSStatus ValidatePageFormat(PrintSessionRef session, PageFormatRef format);
PrintSettingsRef CreatePrintSettings();
void DisposePrintSettings(PrintSettingsRef settings);
OSStatus SetDefaultPrintSettings(PrintSessionRef session, PrintSettingsRef settings);
OSStatus ValidatePrintSettings(PrintSessionRef session, PrintSettingsRef settings);

// The pages the print dialog offers (first to last, 1-based) and, after it, the pages the user asked for.
OSStatus SetPrintPageRange(PrintSettingsRef settings, UInt32 first, UInt32 last);
OSStatus GetPrintPageRange(PrintSettingsRef settings, UInt32* first, UInt32* last);
// The printable area of the page in points (1/72 inch), its top left at 0,0.
OSStatus GetAdjustedPageRect(PageFormatRef format, Rect* pageRect);

// The desktop's dialogs, application-modal: noErr when the user accepted (the record then holds the
// choices), kPrintCancelled when cancelled (the record is unchanged), or an error.
OSStatus RunPageSetupDialog(PrintSessionRef session, PageFormatRef format);
OSStatus RunPrintDialog(PrintSessionRef session, PageFormatRef format, PrintSettingsRef settings);

// ---- Printing text ----

// A style run of the text: from start to the next run's start, in a font family number, face bits,
// pixel size (points on paper) and colour.
struct PrintTextRun {
    SInt32 start = 0;
    SInt16 font = 0;
    UInt8 face = 0;
    SInt16 size = 12;
    RGBColor color{0, 0, 0};
};

// Mac Roman text whose paragraphs end in returns, with its runs (none: the default font and size), laid
// out in the width of the page with the justification of the text engine (-2 left, -1 right, 0 the
// script's direction, 1 centred, 2 full).
struct PrintTextJob {
    const UInt8* text = nullptr;
    SInt32 length = 0;
    const PrintTextRun* runs = nullptr;
    SInt32 runCount = 0;
    SInt16 justification = 0;
};

// Where each page starts, as an index into a run of lines of the given heights: a page holds as many whole
// lines as fit its height (at least one, so a line taller than the page gets a page of its own). An empty
// text still makes one page.
std::vector<SInt32> PaginateLines(const std::vector<SInt32>& lineHeights, SInt32 pageHeight);

// Prints the text in pages of whole lines, from the first to the last page the settings ask for (the last
// is cut to the pages the text has). noErr, or the first error: an error before the document begins
// prints nothing, an error at a page ends the document after the pages already printed. pagesPrinted (when
// given) receives the number of pages printed.
OSStatus PrintTextPages(PrintSessionRef session, PageFormatRef format, PrintSettingsRef settings,
                        const PrintTextJob& job, SInt32* pagesPrinted);

// ---- Tests and headless runs ----

enum class PrintDialogKind : UInt8 { PageSetup, Print };

// What the dialogs show and let the user change: paper in points, orientation and margins of the page
// format; the page range, copies and output file (empty: the printer) of the settings.
struct PrintChoices {
    double paperWidth = 0;
    double paperHeight = 0;
    bool landscape = false;
    double marginLeft = 0;
    double marginTop = 0;
    double marginRight = 0;
    double marginBottom = 0;
    UInt32 firstPage = 1;
    UInt32 lastPage = 1;
    SInt16 copies = 1;
    std::string outputFile;
};

// While a responder is set the dialogs are not shown: the responder gets the choices the dialog would
// show, may change them, and answers noErr to accept, kPrintCancelled or an error. An empty function
// shows the dialogs again.
using PrintDialogResponder = std::function<OSStatus(PrintDialogKind, PrintChoices*)>;
void SetPrintDialogResponder(PrintDialogResponder responder);
