// The fields of a script queue that opening a file reads and fills: the element count, the indices and
// each element's file; every access is checked against the handle's size.
#include "media/media_services.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "shell/file_opening.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <cstring>

namespace {

constexpr Size kQueueHeaderSize = 780;
constexpr Size kQueueElementSize = 1060;
constexpr Size kQueueFolderAt = 512, kQueueCountAt = 768, kQueueCurrentAt = 772, kQueueOpeningAt = 776;
constexpr Size kElementNameAt = 256, kElementFolderAt = 512, kElementIsTextAt = 1042, kElementIsDosAt = 1044;
constexpr Size kElementPauseAtEndAt = 1048, kElementContinuesAt = 1052;

template <typename T> T ReadField(Handle h, Size at) {
    T value;
    std::memcpy(&value, *h + at, sizeof value);
    return value;
}
template <typename T> void WriteField(Handle h, Size at, T value) {
    std::memcpy(*h + at, &value, sizeof value);
}

bool HasElement(Handle queue, SInt32 index) {
    return index >= 0 && index < GetQueueElementCount(queue);
}

Size ElementAt(SInt32 index) {
    return kQueueHeaderSize + Size(index) * kQueueElementSize;
}

void StorePString(Handle h, Size at, const std::string& utf8) {
    Str255 text;
    SetPString(text, Utf8ToMacRoman(utf8));
    std::memcpy(*h + at, text, size_t(text[0]) + 1);
}

std::string ReadPString(Handle h, Size at) {
    return MacRomanToUtf8(PStringView(reinterpret_cast<ConstStringPtr>(*h + at)));
}

} // namespace

SInt32 GetQueueElementCount(Handle queue) {
    if (!queue || GetHandleSize(queue) < kQueueHeaderSize) return 0;
    const UInt32 count = ReadField<UInt32>(queue, kQueueCountAt);
    const Size room = (GetHandleSize(queue) - kQueueHeaderSize) / kQueueElementSize;
    // Compared unsigned: a damaged count of 2^31 or more must not turn into a negative element count.
    return count <= UInt32(room) ? SInt32(count) : 0;
}

std::string GetQueueFolder(Handle queue) {
    if (!queue || GetHandleSize(queue) < kQueueHeaderSize) return {};
    return ReadPString(queue, kQueueFolderAt);
}

void SetQueueElementFile(Handle queue, SInt32 index, const std::string& name, const std::string& folder) {
    if (!HasElement(queue, index)) return;
    StorePString(queue, ElementAt(index) + kElementNameAt, name);
    StorePString(queue, ElementAt(index) + kElementFolderAt, folder);
}

SInt32 GetQueueOpeningIndex(Handle queue) {
    if (!queue || GetHandleSize(queue) < kQueueHeaderSize) return -1;
    return ReadField<SInt32>(queue, kQueueOpeningAt);
}

void SetQueueOpeningIndex(Handle queue, SInt32 index) {
    if (queue && GetHandleSize(queue) >= kQueueHeaderSize) WriteField<SInt32>(queue, kQueueOpeningAt, index);
}

bool SetDocumentFromQueueElement(SInt32 index) {
    if (!HasElement(gQueue, index)) return false;
    WriteField<SInt32>(gQueue, kQueueCurrentAt, index);
    WriteField<SInt32>(gQueue, kQueueOpeningAt, index);
    const Size element = ElementAt(index);
    gFileName = gOutName = ReadPString(gQueue, element + kElementNameAt);
    gInPath = gOutPath = ReadPString(gQueue, element + kElementFolderAt);
    gIsTextFile = ReadField<SInt16>(gQueue, element + kElementIsTextAt);
    gIsDos = ReadField<SInt16>(gQueue, element + kElementIsDosAt);
    return true;
}

std::string GetQueueElementName(Handle queue, SInt32 index) {
    return HasElement(queue, index) ? ReadPString(queue, ElementAt(index) + kElementNameAt) : std::string();
}

std::string GetQueueElementFolder(Handle queue, SInt32 index) {
    return HasElement(queue, index) ? ReadPString(queue, ElementAt(index) + kElementFolderAt) : std::string();
}

SInt16 GetQueueElementPauseAtEnd(Handle queue, SInt32 index) {
    return HasElement(queue, index) ? ReadField<SInt16>(queue, ElementAt(index) + kElementPauseAtEndAt) : 0;
}

bool GetQueueElementContinues(Handle queue, SInt32 index) {
    return HasElement(queue, index) && ReadField<SInt16>(queue, ElementAt(index) + kElementContinuesAt) != 0;
}

SInt32 GetQueueCurrentIndex(Handle queue) {
    if (!queue || GetHandleSize(queue) < kQueueHeaderSize) return -1;
    return ReadField<SInt32>(queue, kQueueCurrentAt);
}
