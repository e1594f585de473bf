// Putting handles on the clipboard pasteboard and reading its items back as Mac Roman text or style runs,
// with the flavour names tried in the order of the application's lists; whether anything is pasteable.
#include "textengine/pasteboard.h"
#include "textengine/rtf_reader.h"
#include "textengine/unicode_conversions.h"

#include "foundation/program_strings.h"
#include "platform/clipboard.h"
#include "platform/memory.h"
#include "platform/pstring.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

namespace {

constexpr SInt16 kTextFlavorList = 143;
constexpr SInt16 kStyleFlavorList = 144;
constexpr SInt16 kMostFlavorNames = 100;

bool SameFlavor(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

// The names of a flavour list from entry `first` up to its first empty entry. Without the list (no
// resource file open) the engine's own names stand in.
std::vector<std::string> FlavorNames(OSType type, SInt16 first) {
    const bool text = type == FourCC("TEXT");
    std::vector<std::string> names;
    Str255 name;
    for (SInt16 index = first; index < first + kMostFlavorNames; index++) {
        if (!GetOrvalisString(text ? kTextFlavorList : kStyleFlavorList, index, name)) break;
        names.emplace_back(PStringView(name));
    }
    if (names.empty() && first == 1) {
        if (text)
            names = {kFlavorMacRomanText, kFlavorUtf16Text, kFlavorUtf8Text, kFlavorRtf};
        else
            names = {kFlavorStyles};
    }
    return names;
}

OSErr SetHandleBytes(Handle h, const std::string& bytes) {
    SetHandleSize(h, Size(bytes.size()));
    if (MemError() != noErr) return MemError();
    if (!bytes.empty()) std::memcpy(*h, bytes.data(), bytes.size());
    return noErr;
}

// Text in a Unicode flavour becomes Mac Roman; when nothing converts the raw bytes stay.
void ConvertUnicode(Handle* h, bool utf16) {
    Handle converted = utf16 ? ChangeUTF16ToMacRoman(*h) : ChangeUTF8ToMacRoman(*h);
    if (!converted) return;
    if (GetHandleSize(converted) == 0) {
        DisposeHandle(converted);
        return;
    }
    DisposeHandle(*h);
    *h = converted;
}

OSErr ConvertRtf(Handle h, Handle* rtfStyles) {
    SInt32 length = SInt32(GetHandleSize(h));
    Handle styles = nullptr;
    HLock(h);
    ProcessRTF(*h, &length, &styles);
    HUnlock(h);
    SetHandleSize(h, std::max(length, SInt32(0)));
    if (rtfStyles)
        *rtfStyles = styles;
    else if (styles)
        DisposeHandle(styles);
    return MemError();
}

bool HasFlavor(const std::vector<std::string>& flavors, const char* name) {
    return std::any_of(flavors.begin(), flavors.end(),
                       [&](const std::string& f) { return SameFlavor(f, name); });
}

// Styled text that another program put: its RTF holds the formatting that its plain text has lost. True
// when the item's RTF gave text into *h (and its runs into *rtfStyles).
bool ReadForeignRtf(SInt32 item, const std::vector<std::string>& flavors, Handle* h, Handle* rtfStyles,
                    OSErr* err) {
    if (!rtfStyles || HasFlavor(flavors, kFlavorMacRomanText) || HasFlavor(flavors, kFlavorStyles) ||
        !HasFlavor(flavors, kFlavorRtf))
        return false;
    std::string bytes;
    if (!CopyPasteboardFlavorData(item, kFlavorRtf, &bytes) || SetHandleBytes(*h, bytes) != noErr)
        return false;
    _WEForgetHandle(rtfStyles);
    *err = ConvertRtf(*h, rtfStyles);
    if (*err == noErr && GetHandleSize(*h) > 0) return true;
    _WEForgetHandle(rtfStyles);
    *err = noErr;
    return false;
}

// Reads one item into *h by the first name of the list that it holds; empty when it holds none. When
// styles are wanted, another program's RTF comes first.
OSErr ReadItem(SInt32 item, OSType type, const std::vector<std::string>& names, Handle* h,
               Handle* rtfStyles) {
    const std::vector<std::string> flavors = GetPasteboardItemFlavors(item);
    OSErr rtfError = noErr;
    if (type == FourCC("TEXT") && ReadForeignRtf(item, flavors, h, rtfStyles, &rtfError)) return rtfError;
    for (const std::string& name : names) {
        for (const std::string& flavor : flavors) {
            std::string bytes;
            if (!SameFlavor(flavor, name.c_str()) || !CopyPasteboardFlavorData(item, flavor, &bytes))
                continue;
            OSErr err = SetHandleBytes(*h, bytes);
            if (err != noErr || type != FourCC("TEXT")) return err;
            if (SameFlavor(name, kFlavorUtf16Text)) ConvertUnicode(h, true);
            if (SameFlavor(name, kFlavorUtf8Text)) ConvertUnicode(h, false);
            if (SameFlavor(name, kFlavorRtf)) {
                if (rtfStyles) _WEForgetHandle(rtfStyles);
                return ConvertRtf(*h, rtfStyles);
            }
            return noErr;
        }
    }
    SetHandleSize(*h, 0);
    return noErr;
}

} // namespace

OSErr _WEPutScrapHandle(const std::string& flavor, SInt32 item, Handle h, Boolean clearFirst) {
    if (!h) return nilHandleErr;
    const SInt8 state = HGetState(h);
    HLock(h);
    const Size size = GetHandleSize(h);
    std::string bytes(*h, size_t(size));
    // A style scrap leaves the handle's 4-byte header for the 2-byte one of the exchanged layout.
    if (SameFlavor(flavor, kFlavorStyles) && size >= 4) bytes.erase(2, 2);
    HSetState(h, state);
    if (clearFirst) ClearPasteboard();
    return PutPasteboardFlavor(int(item), flavor, bytes) ? OSErr(noErr) : OSErr(weNoPasteboardItemErr);
}

OSErr _WEGetScrapHandle(OSType type, Handle* h, SInt32 item, Handle* rtfStyles, SInt16 flavorChoice) {
    *h = NewHandle(0);
    if (rtfStyles) *rtfStyles = nullptr;
    if (!*h) return memFullErr;
    const SInt32 count = CountPasteboardItems();
    OSErr err = item > count || item < 0 ? OSErr(weNoPasteboardItemErr) : OSErr(noErr);
    const std::vector<std::string> names = FlavorNames(type, flavorChoice > 0 ? flavorChoice : 1);
    for (SInt32 i = item == 0 ? 1 : item; err == noErr && i <= (item == 0 ? count : item); i++)
        err = ReadItem(i, type, names, h, rtfStyles);
    if (err != noErr) {
        _WEForgetHandle(h);
        if (rtfStyles) _WEForgetHandle(rtfStyles);
    }
    return err;
}

Boolean WECanPaste(WEReference we) {
    if (HasFeature(RecordOf(we), weFReadOnly)) return false;
    const int count = CountPasteboardItems();
    for (int item = 1; item <= count; item++)
        for (const std::string& flavor : GetPasteboardItemFlavors(item))
            if (SameFlavor(flavor, kFlavorUtf16Text) || SameFlavor(flavor, kFlavorMacRomanText) ||
                SameFlavor(flavor, kFlavorStyles))
                return true;
    return false;
}

Handle WEGetPasteText(SInt16 flags) {
    const SInt16 choice = SInt8(flags >> 8);
    Handle collected = nullptr;
    for (SInt32 item = 1;; item++) {
        Handle text = nullptr;
        if (_WEGetScrapHandle(FourCC("TEXT"), &text, item, nullptr, choice) != noErr) break;
        _WEFoldLineEnds(text, nullptr);
        const Size length = GetHandleSize(text);
        if (length > 0) {
            if (!collected) collected = NewHandle(0);
            HLock(text);
            OSErr err = collected ? PtrAndHand(*text, collected, length) : OSErr(memFullErr);
            if (err == noErr && (flags & 32)) err = PtrAndHand(" ", collected, 1);
            if (err != noErr) {
                DisposeHandle(text);
                break;
            }
        }
        DisposeHandle(text);
        if (flags & 64) break;
    }
    return collected;
}
