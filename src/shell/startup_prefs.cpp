// The preference steps of start-up: the records read over their defaults, the loaded copy kept, and the
// settings handed to the globals of the services that keep their own copies.
#include "shell/startup.h"

#include "effects/shapes.h"
#include "macros/key_equivalents.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/bookmarks.h"
#include "scroll/pacing.h"
#include "scroll/scroll_engine.h"
#include "scroll/text_sorting.h"
#include "shell/shell_globals.h"
#include "textengine/text_effect_globals.h"

#include <cstring>

namespace {

constexpr ResType kToolbarListType = FourCC("DfTl");
constexpr ResID kToolbarListID = 128;
constexpr SInt32 kDefaultRampRate = 6;
constexpr UInt8 kLongestDictionaryName = 31;
constexpr Fixed kDefaultShadowH = 0x00030000;
constexpr Fixed kDefaultShadowV = Fixed(0xFFFD0000);

// The resource's big-endian 16-bit values, detached from the file, in this machine's order.
Handle LoadToolbarButtonList() {
    Handle list = GetResource(kToolbarListType, kToolbarListID);
    if (!list) return NewHandle(0);
    DetachResource(list);
    UInt8* bytes = reinterpret_cast<UInt8*>(*list);
    const Size size = GetHandleSize(list) & ~Size(1);
    for (Size at = 0; at < size; at += 2) {
        const UInt16 value = UInt16((bytes[at] << 8) | bytes[at + 1]);
        std::memcpy(bytes + at, &value, sizeof value);
    }
    return list;
}

} // namespace

void CopyPrefsToServiceGlobals() {
    const PrefsRecord& p = gThePreferences;
    gRecordShowCueLight = GetPref(p, kPrefRecordShowCueLight);
    gDoRecordVideo = GetPref(p, kPrefRecordVideo);
    gDoRecordAudio = GetPref(p, kPrefRecordAudio);
    gRecordSyncWithText = GetPref(p, kPrefRecordSyncWithText);
    gRecordPauseWithScroll = GetPref(p, kPrefRecordPauseWithScroll);
    gRecordWithoutHogging = GetPref(p, kPrefRecordWithoutHogging);
    gRecordUntilMouseClick = GetPref(p, kPrefRecordUntilMouseClick);
    gRecordSize = GetPref(p, kPrefRecordSize);
    gMicVolume = GetPref(p, kPrefMicVolume);
    gSpeakerVolume = GetPref(p, kPrefSpeakerVolume);
    gCueLightPosition = GetPref(p, kPrefCueLightPosition);
    gLightThreshold = GetPref(p, kPrefLightThreshold);
    gKeyEquivScrollDir = GetPref(p, kPrefKeyEquivScrollDir);
    gKeyEquivListColor = GetPref(p, kPrefKeyEquivListColor);
    gKeyEquivTitleColor = GetPref(p, kPrefKeyEquivTitleColor);
    gKeyEquivBackColor = GetPref(p, kPrefKeyEquivBackColor);
    gCommandWindowAutoDismiss = GetPref(p, kPrefCommandWindowAutoDismiss);
    gCommandWindowShowFunctions = GetPref(p, kPrefCommandWindowShowFunctions);
    gTypeCommandsSorted = UInt8(GetPref(p, kPrefTypeCommandsSorted));
    gSaveStarBackColor = GetPref(p, kPrefStarBackColor);
    gSaveStarSpeed = GetPref(p, kPrefStarSpeed);
    // The mark character chosen in the mark character dialog; 0 (none chosen) keeps the built-in one.
    // One the text itself may hold (an older file's choice) would take that character out of the script.
    if (const SInt16 mark = GetPref(p, kPrefBookmarkMarkChar);
        mark > 0 && mark <= 0xFF && IsUsableMarkCharacter(UInt8(mark)))
        gBookmarkCharacter = UInt8(mark);
    // A stored choice out of its range (the unit is 0 in a new record) takes the first choice.
    auto choice = [&](PrefShort field, SInt16 last) {
        const SInt16 value = GetPref(p, field);
        return UInt16(value >= 1 && value <= last ? value : 1);
    };
    gSortSpec.unit = choice(kPrefSortUnit, kSortCharacters);
    gSortSpec.key = choice(kPrefSortKey, kSortKeyColor);
    gSortSpec.order = choice(kPrefSortOrder, kSortDescending);
    gSortSpec.removeDuplicates = GetPref(p, kPrefSortRemoveDuplicates) != 0 ? 1 : 0;
    // A dictionary name longer than its field can hold is damage, not a name.
    if (gThePreferences.bytes[kPrefDictionaryName.offset] > kLongestDictionaryName)
        gThePreferences.bytes[kPrefDictionaryName.offset] = 0;
}

namespace {

// The shape the text flows in is made now, for the rectangle the prompter will have while scrolling.
void LoadRecentShape() {
    std::memset(gRecentShape, 0, sizeof gRecentShape);
    gShapeName[0] = 0;
    DoGetPreferences(gRecentShape, kPrefsKindShape, gShapeName);
    if (!GetPref(gThePreferences, kPrefTextFlowsInShape)) return;
    Rect scrolling;
    GetWindowRectIfScrolling(&scrolling);
    specialshapeinfo = MakeShapeFromSpec(gRecentShape, &scrolling);
}

} // namespace

void SetTextEffectsFromPrefs() {
    PrefsRecord& p = gThePreferences;
    if (GetPref(p, kPrefDropShadowH) == 0 && GetPref(p, kPrefDropShadowV) == 0) {
        SetPref(p, kPrefDropShadowH, kDefaultShadowH);
        SetPref(p, kPrefDropShadowV, kDefaultShadowV);
    }
    gUnderlineCount = SInt16(GetPref(p, kPrefUnderlinesLessOne) + 1);
    gUnderlineColor = GetPref(p, kPrefUnderlineColor);
    gStrikeCount = SInt16(GetPref(p, kPrefStrikeLinesLessOne) + 1);
    gStrikeColor = GetPref(p, kPrefStrikeColor);
    gDropBlur = float(GetPref(p, kPrefDropShadowBlur));
    gDropColor = GetPref(p, kPrefDropShadowColor);
    gDropWidth = GetPref(p, kPrefDropShadowH);
    gDropHeight = GetPref(p, kPrefDropShadowV);
}

void LoadPreferenceRecords() {
    CopyPreferences(&gDefaultPreferences, &gThePreferences);
    DoGetPreferences(&gThePreferences, kPrefsKindMain, nullptr);
    CopyPreferences(&gThePreferences, &gSavePreferences);
    gRememberRectBackStyle = GetPref(gThePreferences, kPrefTextRectBackStyle);
    DoGetPreferences(&gRecentPreferences, kPrefsKindRecent, nullptr);
    DoGetPreferences(&gPositionPreferences, kPrefsKindPosition, nullptr);

    if (gToolbarButtonList) DisposeHandle(gToolbarButtonList);
    gToolbarButtonList = LoadToolbarButtonList();

    gPrefsChanged = false;
    gPositionPrefsChanged = false;
    gSaveScrollAmount = gWantScrollAmount = GetPref(gThePreferences, kPrefScrollSpeed);
    gSaveScrollDir = gWantScrollDir = GetPref(gThePreferences, kPrefScrollDirection);
    if (GetPref(gThePreferences, kPrefMomentumAmount) < 0)
        SetPref(gThePreferences, kPrefMomentumAmount, kDefaultRampRate);

    CopyPrefsToServiceGlobals();
    LoadRecentShape();
    SetTextEffectsFromPrefs();
}
