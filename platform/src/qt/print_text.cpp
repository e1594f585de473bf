// Styled text printed as pages of whole lines: each paragraph laid out in the width of the page, the lines
// dealt out to pages, and the pages asked for drawn through the session's printer.
#include "font_registry.h"
#include "print_records.h"
#include "qt_text.h"

#include <QList>
#include <QPainter>
#include <QTextCharFormat>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

namespace {

// A colour this light would vanish on white paper (a prompter script is often light text on dark), so it
// prints in black.
QColor PaperColor(const RGBColor& c) {
    const double lightness = (0.299 * c.red + 0.587 * c.green + 0.114 * c.blue) / 65535.0;
    if (lightness > 0.85) return Qt::black;
    return QColor::fromRgba64(c.red, c.green, c.blue);
}

Qt::Alignment AlignmentOf(SInt16 justification) {
    switch (justification) {
    case -2:
        return Qt::AlignLeft;
    case -1:
        return Qt::AlignRight;
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeading;
    }
}

struct PrintLine {
    QTextLayout* layout;
    int line;
    SInt32 height;
};

// The run in force at offset: the last one starting at or before it (the first run covers any gap).
const PrintTextRun* RunAt(const PrintTextJob& job, SInt32 offset) {
    if (job.runCount <= 0 || !job.runs) return nullptr;
    const PrintTextRun* begin = job.runs;
    const PrintTextRun* end = job.runs + job.runCount;
    const PrintTextRun* after =
        std::upper_bound(begin, end, offset, [](SInt32 o, const PrintTextRun& r) { return o < r.start; });
    return after == begin ? begin : after - 1;
}

QFont FontOf(const PrintTextRun* run) {
    return run ? MakeFont(run->font, run->face, run->size) : MakeFont(0, 0, 12);
}

QTextCharFormat FormatOf(const PrintTextRun& run) {
    QTextCharFormat format;
    format.setFont(FontOf(&run));
    format.setForeground(PaperColor(run.color));
    return format;
}

// Lays out the paragraph text[start, end) in the width; its lines go to lines.
std::unique_ptr<QTextLayout> LayOutParagraph(const QString& text, const PrintTextJob& job, SInt32 start,
                                             SInt32 end, double width, std::vector<PrintLine>* lines) {
    auto layout = std::make_unique<QTextLayout>(text.mid(start, end - start), FontOf(RunAt(job, start)));
    QList<QTextLayout::FormatRange> ranges;
    for (SInt32 i = 0; i < job.runCount; ++i) {
        const SInt32 runStart = std::max(job.runs[i].start, start);
        const SInt32 runEnd = std::min(i + 1 < job.runCount ? job.runs[i + 1].start : end, end);
        if (runStart < runEnd) ranges.append({runStart - start, runEnd - runStart, FormatOf(job.runs[i])});
    }
    layout->setFormats(ranges);
    QTextOption option(AlignmentOf(job.justification));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));
    }
    layout->endLayout();
    for (int i = 0; i < layout->lineCount(); ++i)
        lines->push_back({layout.get(), i, SInt32(std::ceil(layout->lineAt(i).height()))});
    return layout;
}

} // namespace

std::vector<SInt32> PaginateLines(const std::vector<SInt32>& lineHeights, SInt32 pageHeight) {
    std::vector<SInt32> starts{0};
    SInt64 used = 0;
    for (size_t i = 0; i < lineHeights.size(); ++i) {
        if (used > 0 && used + lineHeights[i] > pageHeight) {
            starts.push_back(SInt32(i));
            used = 0;
        }
        used += std::max<SInt32>(lineHeights[i], 0);
    }
    return starts;
}

OSStatus PrintTextPages(PrintSessionRef session, PageFormatRef format, PrintSettingsRef settings,
                        const PrintTextJob& job, SInt32* pagesPrinted) {
    if (pagesPrinted) *pagesPrinted = 0;
    if (!session) return kPrintInvalidSession;
    SetPrintSessionError(*session, noErr, "");
    Rect page;
    OSStatus err = GetAdjustedPageRect(format, &page);
    if (err == noErr) err = ValidatePrintSettings(session, settings);
    if (err == noErr && (job.length < 0 || (job.length > 0 && !job.text))) err = paramErr;
    if (err != noErr) {
        SetPrintSessionError(*session, err, "The page format or print settings are not usable.");
        return err;
    }

    // Runs are by byte; each Mac Roman byte is one UTF-16 unit, so offsets carry over unchanged.
    const QString text = QStringFromMacRoman(std::string_view(
        reinterpret_cast<const char*>(job.text ? job.text : reinterpret_cast<const UInt8*>("")),
        size_t(job.length)));
    PrintTextJob styled = job;
    if (text.size() != job.length) styled.runCount = 0;

    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    std::vector<PrintLine> lines;
    const double width = page.right - page.left;
    SInt32 start = 0;
    for (SInt32 i = 0; i <= SInt32(text.size()); ++i) {
        if (i == SInt32(text.size()) || text[i] == QChar('\r') || text[i] == QChar('\n')) {
            paragraphs.push_back(LayOutParagraph(text, styled, start, i, width, &lines));
            start = i + 1;
        }
    }
    std::vector<SInt32> heights;
    heights.reserve(lines.size());
    for (const PrintLine& line : lines)
        heights.push_back(line.height);
    const std::vector<SInt32> starts = PaginateLines(heights, page.bottom - page.top);

    UInt32 first = 1;
    UInt32 last = 1;
    GetPrintPageRange(settings, &first, &last);
    last = std::min<UInt32>(last, UInt32(starts.size()));
    if (first > last) return noErr;

    QPrinter& printer = SessionPrinter(*session, format, settings);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFormat() == QPrinter::PdfFormat
                                  ? QStringLiteral("the file \"%1\"").arg(printer.outputFileName())
                                  : QStringLiteral("the printer \"%1\"").arg(printer.printerName());
        SetPrintSessionError(
            *session, kPrintOutputFailed,
            MacRomanFromQString(QStringLiteral("Nothing was printed: %1 could not be opened.").arg(where)));
        return kPrintOutputFailed;
    }
    // Drawing is in points from the top left of the printable area.
    const double scale = printer.resolution() / 72.0;
    for (UInt32 p = first; p <= last; ++p) {
        if (p > first && !printer.newPage()) {
            SetPrintSessionError(*session, kPrintPageFailed,
                                 "Printing stopped after " + std::to_string(p - first) +
                                     " pages: a new page could not be begun.");
            break;
        }
        painter.resetTransform();
        painter.scale(scale, scale);
        const size_t from = size_t(starts[p - 1]);
        const size_t to = p < starts.size() ? size_t(starts[p]) : lines.size();
        double y = 0;
        for (size_t i = from; i < to; ++i) {
            lines[i].layout->lineAt(lines[i].line).draw(&painter, QPointF(0, y));
            y += lines[i].height;
        }
        if (pagesPrinted) ++*pagesPrinted;
    }
    painter.end();
    if (session->error == noErr && printer.printerState() == QPrinter::Error)
        SetPrintSessionError(*session, kPrintGeneralError, "The printing system reported an error.");
    return session->error;
}
