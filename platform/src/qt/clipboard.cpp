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

void SetClipboardTextWithRtf(const std::string& macRoman, const std::string& rtf) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    auto* data = new QMimeData;
    data->setText(QStringFromMacRoman(macRoman));
    data->setData("text/rtf", QByteArray(rtf.data(), qsizetype(rtf.size())));
    clipboard->setMimeData(data);
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
