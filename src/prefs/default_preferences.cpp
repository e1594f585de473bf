// The built-in defaults: the record every start begins from, and the source of the fields that an
// upgraded or incomplete record takes over. Built at compile time, so it is in place before any code runs.
#include "prefs/prefs_fields.h"

namespace {

constexpr RGBColor kBlack{0, 0, 0};
constexpr RGBColor kWhite{65535, 65535, 65535};
constexpr RGBColor kRed{65535, 0, 0};
constexpr unsigned char kDefaultCueMarkerName[] = "\x07"
                                                  "Default";

constexpr PrefsRecord BuildDefaultPreferences() {
    PrefsRecord r{};
    SetPref(r, kPrefVersion, kPrefsCurrentVersion);
    SetPref(r, kPrefScrollSpeed, 60);
    SetPref(r, kPrefScrollSmoothness, 1);
    SetPref(r, kPrefPrompterFormat, TextFormatBlock{kJustifyLeft, 130, 21, kFaceBold, 62, kBlack, kWhite});
    SetPref(r, kPrefEditFormat, TextFormatBlock{kJustifyLeft, 110, 20, 0, 14, kBlack, kWhite});
    SetPref(r, kPrefNonverbalFormat, TextFormatBlock{kJustifyLeft, 130, 21, 0, 62, kBlack, kWhite});

    SetPref(r, kPrefCueMarkerIconID, 128);
    SetPref(r, kPrefCueHotSpot, Point{15, 8});
    for (size_t i = 0; i < kPrefCueMarkerMask.count; ++i)
        SetPref(r, kPrefCueMarkerMask, i, -1);

    SetPref(r, kPrefScrollDirection, 1);
    SetPref(r, kPrefFullScreen, 1);
    SetPref(r, kPrefStartupAction, 5);
    SetPref(r, kPrefCharactersPerSecond, 15);
    SetPref(r, kPrefFinishMinutes, 1);
    SetPref(r, kPrefInfoShowsTimes, 1);
    SetPref(r, kPrefPicturePosition, -1);
    SetPref(r, kPrefStyledText, 1);
    SetPref(r, kPrefSavePositionsAtQuit, 1);
    SetPref(r, kPrefSaveBookmarks, 1);
    SetPref(r, kPrefBookmarkStorage, 2);

    SetPref(r, kPrefBookmarkFormat, TextFormatBlock{kJustifyLeft, 100, 4, 0, 9, kBlack, kWhite});
    SetPref(r, kPrefScrollMonitorFormat, TextFormatBlock{kJustifyLeft, 100, 20, 0, 14, kBlack, kWhite});
    SetPref(r, kPrefMacroEditorFormat, TextFormatBlock{kJustifyLeft, 100, 20, 0, 14, kBlack, kWhite});
    SetPref(r, kPrefOtherWindowsFormat, TextFormatBlock{kJustifyLeft, 100, 21, 0, 14, kBlack, kWhite});

    SetPref(r, kPrefRecordVideo, 1);
    SetPref(r, kPrefRecordAudio, 1);
    SetPref(r, kPrefTabBarColor, 4);
    SetPref(r, kPrefAllowTextMerge, 1);
    SetPref(r, ShortAt(2104), 1); // reserved, but a version-2 record carries 1 here
    SetPref(r, kPrefCueLightColor, kRed);
    SetPref(r, kPrefMicVolume, 99);
    SetPref(r, kPrefSpeakerVolume, 99);
    SetPref(r, kPrefLightThreshold, 50);
    SetPref(r, kPrefKeyEquivScrollDir, 1);
    SetPref(r, kPrefKeyEquivListColor, kBlack);
    SetPref(r, kPrefKeyEquivTitleColor, RGBColor{0, 0, 65535});
    SetPref(r, kPrefKeyEquivBackColor, RGBColor{58000, 58000, 65535});

    SetPref(r, kPrefSortKey, 1);
    SetPref(r, kPrefSortOrder, 1);
    SetPref(r, kPrefSortRemoveDuplicates, 1);
    constexpr SInt16 kMandalaColors[] = {1, 376, 5, 3, 2};
    for (size_t i = 0; i < kPrefMandalaColors.count; ++i)
        SetPref(r, kPrefMandalaColors, i, kMandalaColors[i]);
    SetPref(r, kPrefSearchDictColor, 4);
    SetPref(r, kPrefFoundWordsColor, 2);
    SetPref(r, kPrefOverlayColor, 2);
    SetPref(r, kPrefHoldOpensPopup, 1);
    SetPref(r, kPrefSearchDictTextSize, 18);
    SetPref(r, kPrefSpeedReadingWords, 5);
    SetPref(r, kPrefSpeedReadingFade, 30);
    SetPrefString(r, kPrefCueMarkerName, kDefaultCueMarkerName);

    SetPref(r, kPrefStarColor, kWhite);
    SetPref(r, kPrefStarCount, 1000);
    SetPref(r, kPrefFallingRate, 1);
    SetPref(r, kPrefMovieSound, 1);
    SetPref(r, kPrefTextColorStyle, 1);
    SetPref(r, kPrefAllowHandTool, 1);
    SetPref(r, kPrefAllowTurbo, 1);
    SetPref(r, kPrefLinesPerMinute, 60);
    SetPref(r, kPrefSyllablesPerMinute, 160);
    SetPref(r, kPrefHighlightColor, kRed);
    SetPref(r, kPrefScrollingOpacity, 100);
    SetPref(r, kPrefBackgroundFade, 50);
    SetPref(r, kPrefTextFade, 50);
    SetPref(r, kPrefScreenSaverDelay, 3600);
    SetPref(r, kPrefStarSpeed, 0x00010000);
    SetPref(r, kPrefMomentumAmount, 60);
    SetPref(r, kPrefIdleMacroRounds, 116000);
    SetPref(r, kPrefDropShadowH, 0x00030000);
    SetPref(r, kPrefDropShadowV, 0x00030000);
    return r;
}

constexpr PrefsRecord kBuiltInDefaults = BuildDefaultPreferences();

} // namespace

constinit const PrefsRecord gDefaultPreferences = kBuiltInDefaults;
constinit PrefsRecord gThePreferences = kBuiltInDefaults;
