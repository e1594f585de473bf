// The print session, the page format and print settings kept between prints, and the desktop's
// page-setup and print dialogs (or the test responder that answers them).
#include "print_records.h"

#include <QMarginsF>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>

#include <algorithm>
#include <utility>

namespace {

PrintDialogResponder gResponder;

// Half an inch at least, however little the printer needs: a script is read from paper and written on.
constexpr double kDefaultMargin = 36; // points

bool UsableFormat(const PageFormatRecord* format) {
    return format && format->filled && format->layout.isValid();
}

bool UsableSettings(const PrintSettingsRecord* settings) {
    return settings && settings->filled && settings->minPage >= 1 && settings->minPage <= settings->maxPage &&
           settings->copies >= 1;
}

PrintChoices ChoicesOf(const PageFormatRecord& format, const PrintSettingsRecord* settings) {
    PrintChoices c;
    const QSizeF paper = format.layout.pageSize().size(QPageSize::Point);
    c.paperWidth = paper.width();
    c.paperHeight = paper.height();
    c.landscape = format.layout.orientation() == QPageLayout::Landscape;
    const QMarginsF m = format.layout.margins(QPageLayout::Point);
    c.marginLeft = m.left();
    c.marginTop = m.top();
    c.marginRight = m.right();
    c.marginBottom = m.bottom();
    if (settings) {
        c.firstPage = settings->firstPage;
        c.lastPage = settings->lastPage;
        c.copies = SInt16(settings->copies);
        c.outputFile = settings->outputFile.toStdString();
    }
    return c;
}

OSStatus TakeChoices(const PrintChoices& c, PageFormatRecord* format, PrintSettingsRecord* settings) {
    if (!(c.paperWidth > 0) || !(c.paperHeight > 0) || c.marginLeft < 0 || c.marginTop < 0 ||
        c.marginRight < 0 || c.marginBottom < 0)
        return kPrintInvalidPageFormat;
    QPageLayout layout(QPageSize(QSizeF(c.paperWidth, c.paperHeight), QPageSize::Point),
                       c.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(c.marginLeft, c.marginTop, c.marginRight, c.marginBottom),
                       QPageLayout::Point);
    if (!layout.isValid() || layout.paintRect(QPageLayout::Point).isEmpty()) return kPrintInvalidPageFormat;
    if (settings) {
        if (c.firstPage < 1 || c.firstPage > c.lastPage || c.copies < 1) return kPrintInvalidSettings;
        settings->firstPage = std::max(c.firstPage, settings->minPage);
        settings->lastPage = std::min(c.lastPage, settings->maxPage);
        settings->copies = c.copies;
        settings->outputFile = QString::fromStdString(c.outputFile);
    }
    format->layout = layout;
    return noErr;
}

void TakePrinterSettings(const QPrinter& printer, PrintSettingsRecord* settings) {
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        settings->firstPage = std::max(UInt32(printer.fromPage()), settings->minPage);
        settings->lastPage =
            std::min(UInt32(std::max(printer.toPage(), printer.fromPage())), settings->maxPage);
    } else {
        settings->firstPage = settings->minPage;
        settings->lastPage = settings->maxPage;
    }
    settings->copies = std::max(1, printer.copyCount());
    settings->printerName = printer.printerName();
    settings->outputFile =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

} // namespace

QPrinter& SessionPrinter(PrintSessionRecord& session, const PageFormatRecord* format,
                         const PrintSettingsRecord* settings) {
    if (!session.printer) session.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *session.printer;
    if (UsableFormat(format)) printer.setPageLayout(format->layout);
    if (settings && settings->filled) {
        if (!settings->outputFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(settings->outputFile);
        } else {
            printer.setOutputFileName(QString());
            printer.setOutputFormat(QPrinter::NativeFormat);
            if (!settings->printerName.isEmpty()) printer.setPrinterName(settings->printerName);
        }
        printer.setCopyCount(settings->copies);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(int(settings->firstPage), int(settings->lastPage));
    }
    return printer;
}

void SetPrintSessionError(PrintSessionRecord& session, OSStatus error, std::string text) {
    session.error = error;
    session.errorText = std::move(text);
}

PrintSessionRef CreatePrintSession() {
    return new PrintSessionRecord;
}

void ReleasePrintSession(PrintSessionRef session) {
    delete session;
}

OSStatus GetPrintSessionError(PrintSessionRef session) {
    return session ? session->error : kPrintInvalidSession;
}

std::string GetPrintSessionErrorText(PrintSessionRef session) {
    return session ? session->errorText : "";
}

PageFormatRef CreatePageFormat() {
    return new PageFormatRecord;
}

void DisposePageFormat(PageFormatRef format) {
    delete format;
}

OSStatus SetDefaultPageFormat(PrintSessionRef session, PageFormatRef format) {
    if (!session) return kPrintInvalidSession;
    if (!format) return kPrintInvalidPageFormat;
    QPageLayout layout = SessionPrinter(*session, nullptr, nullptr).pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF m = layout.margins();
    layout.setMargins(QMarginsF(std::max(m.left(), kDefaultMargin), std::max(m.top(), kDefaultMargin),
                                std::max(m.right(), kDefaultMargin), std::max(m.bottom(), kDefaultMargin)));
    format->layout = layout;
    format->filled = true;
    return noErr;
}

OSStatus ValidatePageFormat(PrintSessionRef session, PageFormatRef format) {
    if (!session) return kPrintInvalidSession;
    return UsableFormat(format) ? OSStatus(noErr) : OSStatus(kPrintInvalidPageFormat);
}

PrintSettingsRef CreatePrintSettings() {
    return new PrintSettingsRecord;
}

void DisposePrintSettings(PrintSettingsRef settings) {
    delete settings;
}

OSStatus SetDefaultPrintSettings(PrintSessionRef session, PrintSettingsRef settings) {
    if (!session) return kPrintInvalidSession;
    if (!settings) return kPrintInvalidSettings;
    *settings = PrintSettingsRecord{};
    settings->printerName = SessionPrinter(*session, nullptr, nullptr).printerName();
    settings->filled = true;
    return noErr;
}

OSStatus ValidatePrintSettings(PrintSessionRef session, PrintSettingsRef settings) {
    if (!session) return kPrintInvalidSession;
    return UsableSettings(settings) ? OSStatus(noErr) : OSStatus(kPrintInvalidSettings);
}

OSStatus SetPrintPageRange(PrintSettingsRef settings, UInt32 first, UInt32 last) {
    if (!settings || !settings->filled) return kPrintInvalidSettings;
    if (first < 1 || first > last) return paramErr;
    settings->minPage = settings->firstPage = first;
    settings->maxPage = settings->lastPage = last;
    return noErr;
}

OSStatus GetPrintPageRange(PrintSettingsRef settings, UInt32* first, UInt32* last) {
    if (!settings || !settings->filled) return kPrintInvalidSettings;
    if (first) *first = settings->firstPage;
    if (last) *last = settings->lastPage;
    return noErr;
}

OSStatus GetAdjustedPageRect(PageFormatRef format, Rect* pageRect) {
    if (!UsableFormat(format)) return kPrintInvalidPageFormat;
    const QRectF paint = format->layout.paintRect(QPageLayout::Point);
    // Coordinates are 16-bit; no paper comes near that many points.
    const auto clamp16 = [](double v) { return SInt16(std::clamp(v, 0.0, 32767.0)); };
    *pageRect = Rect{0, 0, clamp16(paint.height()), clamp16(paint.width())};
    return noErr;
}

OSStatus RunPageSetupDialog(PrintSessionRef session, PageFormatRef format) {
    if (!session) return kPrintInvalidSession;
    if (!UsableFormat(format)) return kPrintInvalidPageFormat;
    if (gResponder) {
        PrintChoices choices = ChoicesOf(*format, nullptr);
        const OSStatus answer = gResponder(PrintDialogKind::PageSetup, &choices);
        return answer == noErr ? TakeChoices(choices, format, nullptr) : answer;
    }
    QPrinter& printer = SessionPrinter(*session, format, nullptr);
    QPageSetupDialog dialog(&printer);
    if (dialog.exec() != QDialog::Accepted) return kPrintCancelled;
    format->layout = printer.pageLayout();
    format->layout.setUnits(QPageLayout::Point);
    return noErr;
}

OSStatus RunPrintDialog(PrintSessionRef session, PageFormatRef format, PrintSettingsRef settings) {
    if (!session) return kPrintInvalidSession;
    if (!UsableFormat(format)) return kPrintInvalidPageFormat;
    if (!UsableSettings(settings)) return kPrintInvalidSettings;
    if (gResponder) {
        PrintChoices choices = ChoicesOf(*format, settings);
        const OSStatus answer = gResponder(PrintDialogKind::Print, &choices);
        return answer == noErr ? TakeChoices(choices, format, settings) : answer;
    }
    QPrinter& printer = SessionPrinter(*session, format, settings);
    // The dialog shows every page until the user narrows it.
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(int(std::min<UInt32>(settings->minPage, 0x7FFFFFFF)),
                     int(std::min<UInt32>(settings->maxPage, 0x7FFFFFFF)));
    if (dialog.exec() != QDialog::Accepted) return kPrintCancelled;
    format->layout = printer.pageLayout();
    format->layout.setUnits(QPageLayout::Point);
    TakePrinterSettings(printer, settings);
    return noErr;
}

void SetPrintDialogResponder(PrintDialogResponder responder) {
    gResponder = std::move(responder);
}
