// The desktop clipboard: plain text, and a pasteboard of items with named flavours.
#pragma once

#include <string>
#include <vector>

// Mac Roman text in and out; characters Mac Roman cannot hold arrive as '?'.
void SetClipboardText(const std::string& macRoman);
// Text with its RTF beside it, as a word processor puts styled text.
void SetClipboardTextWithRtf(const std::string& macRoman, const std::string& rtf);
// False when the clipboard holds no text.
bool GetClipboardText(std::string* macRoman);
void ClearClipboard();

// The clipboard as a pasteboard: items numbered from 1, each holding data under named flavours. Text is
// put as Mac Roman under kFlavorMacRomanText; other programs see it as Unicode plain text, and our own
// flavours travel beside it in a private type. Text that another program put is offered as one item in
// UTF-16 (host order) and UTF-8, with its RTF when there is some.
inline constexpr const char* kFlavorMacRomanText = "TEXT";
inline constexpr const char* kFlavorUtf16Text = "public.utf16-plain-text";
inline constexpr const char* kFlavorUtf8Text = "public.utf8-plain-text";
inline constexpr const char* kFlavorRtf = "public.rtf";
inline constexpr const char* kFlavorStyles = "styl";
inline constexpr const char* kFlavorObjects = "SOUP";

void ClearPasteboard();
// Puts bytes under a flavour of an item, replacing what the item had under it; item count + 1 adds an
// item. False for any other item number.
bool PutPasteboardFlavor(int item, const std::string& flavor, const std::string& bytes);
int CountPasteboardItems();
// The flavour names of an item, in the order they were put; empty for an item that does not exist.
std::vector<std::string> GetPasteboardItemFlavors(int item);
// False when the item has no such flavour (names compare exactly).
bool CopyPasteboardFlavorData(int item, const std::string& flavor, std::string* bytes);
