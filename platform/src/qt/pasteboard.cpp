// The pasteboard of items and flavours over the toolkit's one-item clipboard: our items travel whole in a
// private type, with their text beside it as Unicode plain text (and RTF) for other programs.
#include "pasteboard_items.h"
#include "platform/clipboard.h"
#include "qt_text.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr const char* kPrivateType = "application/x-orvalis-pasteboard";
constexpr const char* kRtfTypes[] = {"text/rtf", "application/rtf"};

void AppendCount(QByteArray* out, size_t value) {
    const auto v = std::uint32_t(value);
    out->append(reinterpret_cast<const char*>(&v), sizeof v);
}

void AppendBytes(QByteArray* out, const std::string& bytes) {
    AppendCount(out, bytes.size());
    out->append(bytes.data(), qsizetype(bytes.size()));
}

QByteArray EncodeItems(const std::vector<PasteboardItem>& items) {
    QByteArray out;
    AppendCount(&out, items.size());
    for (const PasteboardItem& item : items) {
        AppendCount(&out, item.size());
        for (const auto& [flavor, bytes] : item) {
            AppendBytes(&out, flavor);
            AppendBytes(&out, bytes);
        }
    }
    return out;
}

// Reads what EncodeItems wrote. Another program may offer data under our private type, so every count
// and length is checked against what is left.
class ItemDecoder {
  public:
    explicit ItemDecoder(const QByteArray& data) : p_(data.constData()), left_(size_t(data.size())) {}

    bool Decode(std::vector<PasteboardItem>* items) {
        std::uint32_t itemCount = 0;
        if (!ReadCount(&itemCount)) return false;
        for (std::uint32_t i = 0; i < itemCount; i++) {
            std::uint32_t flavorCount = 0;
            if (!ReadCount(&flavorCount)) return false;
            PasteboardItem item;
            for (std::uint32_t f = 0; f < flavorCount; f++) {
                std::string flavor, bytes;
                if (!ReadBytes(&flavor) || !ReadBytes(&bytes)) return false;
                item.emplace_back(std::move(flavor), std::move(bytes));
            }
            items->push_back(std::move(item));
        }
        return left_ == 0;
    }

  private:
    bool ReadCount(std::uint32_t* value) {
        if (left_ < sizeof *value) return false;
        std::memcpy(value, p_, sizeof *value);
        p_ += sizeof *value;
        left_ -= sizeof *value;
        return true;
    }
    bool ReadBytes(std::string* bytes) {
        std::uint32_t length = 0;
        if (!ReadCount(&length) || length > left_) return false;
        bytes->assign(p_, length);
        p_ += length;
        left_ -= length;
        return true;
    }

    const char* p_;
    size_t left_;
};

const std::string* FindFlavor(const PasteboardItem& item, const std::string& flavor) {
    for (const auto& [name, bytes] : item)
        if (name == flavor) return &bytes;
    return nullptr;
}

// What another program put: its text in both Unicode forms and its RTF, as one item.
std::vector<PasteboardItem> ForeignItems(const QMimeData& data) {
    PasteboardItem item;
    if (data.hasText()) {
        const QString text = data.text();
        item.emplace_back(kFlavorUtf16Text,
                          std::string(reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2));
        const QByteArray utf8 = text.toUtf8();
        item.emplace_back(kFlavorUtf8Text, std::string(utf8.constData(), size_t(utf8.size())));
    }
    for (const char* type : kRtfTypes) {
        if (!data.hasFormat(type)) continue;
        const QByteArray rtf = data.data(type);
        item.emplace_back(kFlavorRtf, std::string(rtf.constData(), size_t(rtf.size())));
        break;
    }
    if (item.empty()) return {};
    return {std::move(item)};
}

// The text other programs see for an item: its Mac Roman text, else its Unicode text.
QString ItemText(const PasteboardItem& item) {
    if (const std::string* text = FindFlavor(item, kFlavorMacRomanText)) return QStringFromMacRoman(*text);
    if (const std::string* text = FindFlavor(item, kFlavorUtf16Text))
        return QString(reinterpret_cast<const QChar*>(text->data()), qsizetype(text->size() / 2));
    if (const std::string* text = FindFlavor(item, kFlavorUtf8Text))
        return QString::fromUtf8(text->data(), qsizetype(text->size()));
    return {};
}

} // namespace

std::vector<PasteboardItem> ItemsOfMimeData(const QMimeData& data) {
    if (data.hasFormat(kPrivateType)) {
        std::vector<PasteboardItem> items;
        if (ItemDecoder(data.data(kPrivateType)).Decode(&items)) return items;
    }
    return ForeignItems(data);
}

QMimeData* NewMimeDataOfItems(const std::vector<PasteboardItem>& items) {
    auto* data = new QMimeData;
    data->setData(kPrivateType, EncodeItems(items));
    // Several items reach other programs as their texts one per line.
    QStringList texts;
    bool hasText = false;
    for (const PasteboardItem& item : items) {
        texts.append(ItemText(item));
        hasText = hasText || !texts.back().isEmpty();
    }
    if (hasText) data->setText(texts.join(u'\n'));
    for (const PasteboardItem& item : items) {
        if (const std::string* rtf = FindFlavor(item, kFlavorRtf)) {
            data->setData(kRtfTypes[0], QByteArray(rtf->data(), qsizetype(rtf->size())));
            break;
        }
    }
    return data;
}

namespace {

std::vector<PasteboardItem> ReadItems() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data) return {};
    return ItemsOfMimeData(*data);
}

void WriteItems(const std::vector<PasteboardItem>& items) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    clipboard->setMimeData(NewMimeDataOfItems(items));
}

} // namespace

void ClearPasteboard() {
    ClearClipboard();
}

bool PutPasteboardFlavor(int item, const std::string& flavor, const std::string& bytes) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* current = clipboard ? clipboard->mimeData() : nullptr;
    // Items are added to our own pasteboard only; what another program left is replaced.
    std::vector<PasteboardItem> items;
    if (current && current->hasFormat(kPrivateType)) items = ReadItems();
    if (item < 1 || item > int(items.size()) + 1) return false;
    if (item == int(items.size()) + 1) items.emplace_back();
    PasteboardItem& target = items[size_t(item - 1)];
    bool replaced = false;
    for (auto& [name, data] : target)
        if (name == flavor) {
            data = bytes;
            replaced = true;
        }
    if (!replaced) target.emplace_back(flavor, bytes);
    WriteItems(items);
    return true;
}

int CountPasteboardItems() {
    return int(ReadItems().size());
}

std::vector<std::string> GetPasteboardItemFlavors(int item) {
    std::vector<PasteboardItem> items = ReadItems();
    std::vector<std::string> names;
    if (item < 1 || item > int(items.size())) return names;
    for (const auto& flavor : items[size_t(item - 1)])
        names.push_back(flavor.first);
    return names;
}

bool CopyPasteboardFlavorData(int item, const std::string& flavor, std::string* bytes) {
    std::vector<PasteboardItem> items = ReadItems();
    if (item < 1 || item > int(items.size())) return false;
    const std::string* found = FindFlavor(items[size_t(item - 1)], flavor);
    if (!found) return false;
    if (bytes) *bytes = *found;
    return true;
}
