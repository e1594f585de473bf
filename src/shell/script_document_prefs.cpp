// The preferences and the text-flow shape that a document carries ('fPrf' and 'Shap'): which settings a
// document replaces when it is loaded, and what a save stores.
#include "effects/shapes.h"
#include "platform/bytes.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "shell/periodic_timer.h"
#include "shell/script_document_parts.h"
#include "shell/startup.h"

#include <cstring>
#include <utility>

namespace {

constexpr ResType kDocumentPrefsType = FourCC("fPrf");
constexpr ResID kDocumentPrefsID = 128;

// Byte ranges [first, last] of the record that a document's preferences replace; every other byte keeps
// the user's value.
constexpr std::pair<UInt16, UInt16> kDocumentPrefRanges[] = {
    {4, 5},       {8, 33},      {80, 101},    {104, 615},   {618, 623},   {634, 639},
    {642, 653},   {658, 665},   {668, 695},   {702, 703},   {2076, 2083}, {2098, 2099},
    {2150, 2155}, {2162, 2163}, {2200, 2203}, {4036, 4115}, {4132, 4157}, {4160, 4171},
    {4178, 4187}, {4192, 4199}, {4256, 4295}, {4300, 4303},
};
// Length-prefixed strings the document replaces, length byte and text.
constexpr UInt16 kDocumentPrefStrings[] = {708, 964, 1220, 1476, 1732, 2244, 2500, 3012};

bool OptionKeyHeld() {
    return (GetCurrentKeyModifiers() & optionKey) != 0;
}

void CopyDocumentFields(const PrefsRecord& document) {
    UInt8* live = gThePreferences.bytes;
    for (const auto& [first, last] : kDocumentPrefRanges)
        std::memcpy(live + first, document.bytes + first, size_t(last - first + 1));
    for (UInt16 at : kDocumentPrefStrings) {
        std::memcpy(live + at, document.bytes + at, size_t(document.bytes[at]) + 1);
    }
    std::memcpy(live + 666, document.bytes + 650, 2);
    SetPref(gThePreferences, kPrefSavePrefsAtQuit, 0);
    if (OptionKeyHeld()) {
        SetPref(gThePreferences, kPrefStoredPrompterWidth, 0);
        SetPref(gThePreferences, kPrefStoredPrompterHeight, 0);
    } else {
        std::memcpy(live + 2158, document.bytes + 2158, 4);
    }
    gSaveStarBackColor = GetPref(gThePreferences, kPrefStarBackColor);
    gRememberRectBackStyle = GetPref(gThePreferences, kPrefTextRectBackStyle);
    gSaveStarSpeed = GetPref(gThePreferences, kPrefStarSpeed);
}

// The document's shape, read without ever writing into the document.
void LoadDocumentShape() {
    Handle shape = Get1Resource(kShapePrefsType, 128);
    if (!shape) return;
    Str255 name = {0};
    ResID id = 0;
    ResType type = 0;
    GetResInfo(shape, &id, &type, name);
    SelectPrefsKind(kPrefsKindShape);
    UInt8 taken[kShapeRecordMaxSize];
    std::memcpy(taken, gRecentShape, sizeof taken);
    Boolean sizeBad = false;
    Boolean versionBad = false;
    if (TakeStoredPrefs(reinterpret_cast<const UInt8*>(*shape), GetHandleSize(shape), taken, &sizeBad,
                        &versionBad) == noErr) {
        std::memcpy(gRecentShape, taken, sizeof taken);
        CopyPString(name, gShapeName);
    }
    ReleaseResource(shape);
    SelectPrefsKind(kPrefsKindMain);
}

} // namespace

bool LoadDocumentPreferences(const std::string& documentName) {
    Handle stored = Get1Resource(kDocumentPrefsType, kDocumentPrefsID);
    if (!stored) return false;
    const Size size = GetHandleSize(stored);
    if (size == 0) {
        ReleaseResource(stored);
        return false;
    }
    if (size < kPrefsRecordSize) {
        ReleaseResource(stored);
        ReportDamagedSideResource(kDocumentPrefsType, documentName);
        gFlagTextPrefsLoaded = 15;
        return true;
    }
    PrefsRecord document;
    std::memcpy(document.bytes, *stored, sizeof document.bytes);
    ReleaseResource(stored);

    const SInt32 liveVersion = GetPref(gThePreferences, kPrefVersion);
    bool usable = GetPref(document, kPrefVersion) == liveVersion;
    if (!usable && SInt32(SwapBytes32(UInt32(GetPref(document, kPrefVersion)))) == liveVersion) {
        SwapPrefs(document.bytes, kMainPrefsType, kPrefsRecordSize);
        usable = true;
    }
    if (usable) {
        CopyDocumentFields(document);
        if (specialshapeinfo) {
            DisposeHandle(specialshapeinfo);
            specialshapeinfo = nullptr;
        }
        LoadDocumentShape();
        gShapeChanged = true;
        if (GetPref(gThePreferences, kPrefTextFlowsInShape)) {
            Rect scrolling;
            GetWindowRectIfScrolling(&scrolling);
            specialshapeinfo = MakeShapeFromSpec(gRecentShape, &scrolling);
        }
    }
    gFlagTextPrefsLoaded = 15;
    return true;
}

void AddDocumentPreferences() {
    if (OptionKeyHeld() && myScrollWindowAlias) {
        Rect bounds;
        GetPortBounds(myScrollWindowAlias, &bounds);
        SetPref(gThePreferences, kPrefStoredPrompterWidth, SInt16(bounds.right - bounds.left));
        SetPref(gThePreferences, kPrefStoredPrompterHeight, SInt16(bounds.bottom - bounds.top));
    } else {
        SetPref(gThePreferences, kPrefStoredPrompterWidth, 0);
        SetPref(gThePreferences, kPrefStoredPrompterHeight, 0);
    }
    Handle record = nullptr;
    if (PtrToHand(gThePreferences.bytes, &record, kPrefsRecordSize) != noErr) return;
    Str255 name;
    SetPString(name, "Preferences");
    AddResource(record, kDocumentPrefsType, kDocumentPrefsID, name);
    if (ResError() != noErr) {
        DisposeHandle(record);
        return;
    }
    WriteResource(record);

    SelectPrefsKind(kPrefsKindShape);
    const SInt16 savedID = gPrefResourceID;
    gPrefResourceID = 128;
    WriteThePrefs(CurResFile(), gRecentShape, gShapeName);
    gPrefResourceID = savedID;
    SelectPrefsKind(kPrefsKindMain);
}
