// The records behind the printing handles: the session's printer and the page format and settings kept
// between prints. Private to platform/src/qt.
#pragma once

#include "platform/printing.h"

#include <QPageLayout>
#include <QPrinter>
#include <QString>

#include <memory>
#include <string>

struct PrintSessionRecord {
    std::unique_ptr<QPrinter> printer; // made on first use: asking the printing system for it takes time
    OSStatus error = noErr;
    std::string errorText;
};

struct PageFormatRecord {
    bool filled = false;
    QPageLayout layout;
};

struct PrintSettingsRecord {
    bool filled = false;
    UInt32 minPage = 1; // the range the print dialog offers
    UInt32 maxPage = 1;
    UInt32 firstPage = 1; // the pages asked for
    UInt32 lastPage = 1;
    int copies = 1;
    QString printerName;
    QString outputFile; // a PDF file instead of the printer when not empty
};

// The session's printer, set to the format and settings given (either may be null).
QPrinter& SessionPrinter(PrintSessionRecord& session, const PageFormatRecord* format,
                         const PrintSettingsRecord* settings);
void SetPrintSessionError(PrintSessionRecord& session, OSStatus error, std::string text);
