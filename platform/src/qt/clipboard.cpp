// The clipboard through the toolkit's, converted to and from Mac Roman.
#include "platform/clipboard.h"

#include "platform/text_encoding.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void SetClipboardText(const std::string& macRoman) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdU16String(MacRomanToUtf16(macRoman)));
}

bool GetClipboardText(std::string* macRoman) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText()) return false;
    if (macRoman) *macRoman = Utf16ToMacRoman(data->text().toStdU16String());
    return true;
}

void ClearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}
