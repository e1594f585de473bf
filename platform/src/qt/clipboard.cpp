// The clipboard through the toolkit's, converted to and from Mac Roman.
#include "platform/clipboard.h"
#include "qt_text.h"

#include "platform/text_encoding.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void SetClipboardText(const std::string& macRoman) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QStringFromMacRoman(macRoman));
}

bool GetClipboardText(std::string* macRoman) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText()) return false;
    if (macRoman) *macRoman = MacRomanFromQString(data->text());
    return true;
}

void ClearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}
