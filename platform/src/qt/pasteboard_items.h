// Items of named flavours as mime data, shared by the clipboard and drags. Private to platform/src/qt.
#pragma once

#include <string>
#include <utility>
#include <vector>

class QMimeData;

using PasteboardItem = std::vector<std::pair<std::string, std::string>>;

// Our own items when the data carries them whole, else another program's text and RTF as one item.
std::vector<PasteboardItem> ItemsOfMimeData(const QMimeData& data);
// New mime data carrying the items whole, their text as plain text and the first RTF found.
QMimeData* NewMimeDataOfItems(const std::vector<PasteboardItem>& items);
