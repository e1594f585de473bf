// The named fields of the main preference record, by byte offset. Every field is checked against the
// record's type map when it is compiled (prefs_record.h); reserved bytes have no field.
#pragma once

#include "prefs/prefs_record.h"

// Record version: 2, or 1 for the older layout that is upgraded when it is read.
inline constexpr PrefLong kPrefVersion = LongAt(0);
inline constexpr PrefShort kPrefScrollSpeed = ShortAt(4);    // pixels per second, pacing mode 0
inline constexpr PrefLong kPrefScrollSmoothness = LongAt(8); // 0-15: steps between scroll ticks

inline constexpr PrefFormat kPrefPrompterFormat = FormatAt(12, kFormatOrderA);
inline constexpr PrefFormat kPrefEditFormat = FormatAt(34, kFormatOrderA);
inline constexpr PrefFormat kPrefNonverbalFormat = FormatAt(56, kFormatOrderA);

// Cue marker.
inline constexpr PrefShort kPrefBookmarkWindowOpen = ShortAt(78); // open at start-up
inline constexpr PrefShort kPrefCueMarkerShown = ShortAt(80);
inline constexpr PrefShort kPrefCueMarkerIconID = ShortAt(82); // 'cicn' resource
inline constexpr PrefShort kPrefCuePositionKind = ShortAt(84); // 0-7; 7 placed by hand
inline constexpr PrefRect kPrefCueRect = RectAt(86);
inline constexpr PrefShort kPrefCueMarkerType = ShortAt(94);
inline constexpr PrefPoint kPrefCueHotSpot = PointAt(96);
inline constexpr PrefShort kPrefCueMarkerMasked = ShortAt(100);
inline constexpr PrefLongs kPrefCueMarkerMask = LongsAt(104, 128);

// Windows and modes.
inline constexpr PrefShort kPrefToolbarOpen = ShortAt(616); // open at start-up
inline constexpr PrefShort kPrefMirror = ShortAt(618);      // prompter output left to right
inline constexpr PrefShort kPrefFlip = ShortAt(620);        // prompter output top to bottom
inline constexpr PrefShort kPrefStartScrolling = ShortAt(624);
inline constexpr PrefShort kPrefScrollDirection = ShortAt(626); // +1 towards the end, -1 back
inline constexpr PrefShort kPrefFullScreen = ShortAt(628);
inline constexpr PrefShort kPrefStartupAction = ShortAt(630); // 2-6; stored 0 and 1 read as 4 and 5
inline constexpr PrefShort kPrefPositionsFromCue = ShortAt(634);
inline constexpr PrefShort kPrefScrollInCapitals = ShortAt(636);
inline constexpr PrefShort kPrefHideBackground = ShortAt(638);
inline constexpr PrefShort kPrefSeparateEditWindow = ShortAt(640);

// Pacing.
inline constexpr PrefShort kPrefPacingMode = ShortAt(642);
inline constexpr PrefShort kPrefCharactersPerSecond = ShortAt(644);
inline constexpr PrefShort kPrefFinishMinutes = ShortAt(646);
inline constexpr PrefShort kPrefFinishSeconds = ShortAt(648);
inline constexpr PrefShort kPrefLoopingText = ShortAt(650);
inline constexpr PrefShort kPrefDelayedStart = ShortAt(652);
inline constexpr PrefShort kPrefEditFollowsPrompterLines = ShortAt(654);
inline constexpr PrefShort kPrefPrompterFollowsEdit = ShortAt(656);
inline constexpr PrefShort kPrefTextFlowsInShape = ShortAt(658);

// Information strip and background.
inline constexpr PrefShort kPrefShowInformation = ShortAt(662); // 0 none, 1 fields, 2 bar, 3 diagonal
inline constexpr PrefShort kPrefInfoShowsTimes = ShortAt(664);
inline constexpr PrefShort kPrefMusicLoops = ShortAt(666);
inline constexpr PrefShort kPrefBackgroundKind = ShortAt(668); // what stands behind the text
inline constexpr PrefShort kPrefPictureFillsArea = ShortAt(670);
inline constexpr PrefShort kPrefPicturePosition = ShortAt(672); // -1 the picture rectangle, 0-8
inline constexpr PrefRect kPrefTextBoxRect = RectAt(674);
inline constexpr PrefRect kPrefPictureRect = RectAt(682);

// Documents and bookmarks.
inline constexpr PrefShort kPrefStyledText = ShortAt(690);
inline constexpr PrefShort kPrefChime = ShortAt(692);
inline constexpr PrefShort kPrefChimeSound = ShortAt(694);
inline constexpr PrefShort kPrefSavePrefsAtQuit = ShortAt(696);
inline constexpr PrefShort kPrefPrompterHidesEdit = ShortAt(698);
inline constexpr PrefShort kPrefSavePositionsAtQuit = ShortAt(700);
inline constexpr PrefShort kPrefBookmarkMarkChar = ShortAt(702);
inline constexpr PrefShort kPrefSaveBookmarks = ShortAt(704);
inline constexpr PrefShort kPrefBookmarkStorage = ShortAt(706); // 1 marks in the text, 2 resources

inline constexpr PrefString kPrefPictureFileName = StringAt(708, 256);
inline constexpr PrefString kPrefPictureFolder = StringAt(964, 256);
inline constexpr PrefString kPrefMovieFileName = StringAt(1220, 256);
inline constexpr PrefString kPrefMovieFolder = StringAt(1476, 256);

inline constexpr PrefFormat kPrefBookmarkFormat = FormatAt(1988, kFormatOrderB);
inline constexpr PrefFormat kPrefScrollMonitorFormat = FormatAt(2010, kFormatOrderB);
inline constexpr PrefFormat kPrefMacroEditorFormat = FormatAt(2032, kFormatOrderB);
inline constexpr PrefFormat kPrefOtherWindowsFormat = FormatAt(2054, kFormatOrderB);
inline constexpr PrefRect kPrefTextMargins = RectAt(2076);

// Recording.
inline constexpr PrefShort kPrefRecordShowCueLight = ShortAt(2084);
inline constexpr PrefShort kPrefRecordVideo = ShortAt(2086);
inline constexpr PrefShort kPrefRecordAudio = ShortAt(2088);
inline constexpr PrefShort kPrefRecordSyncWithText = ShortAt(2090);
inline constexpr PrefShort kPrefRecordPauseWithScroll = ShortAt(2092);
inline constexpr PrefShort kPrefTabBarColor = ShortAt(2094); // program colour number
inline constexpr PrefShort kPrefPlainFontMenus = ShortAt(2096);
inline constexpr PrefShort kPrefAllowTextMerge = ShortAt(2098);
inline constexpr PrefShort kPrefRecordWithoutHogging = ShortAt(2100);
inline constexpr PrefShort kPrefRecordUntilMouseClick = ShortAt(2102);
inline constexpr PrefColor kPrefCueLightColor = ColorAt(2106);
inline constexpr PrefShort kPrefRecordSize = ShortAt(2112);
inline constexpr PrefShort kPrefMicVolume = ShortAt(2114);
inline constexpr PrefShort kPrefSpeakerVolume = ShortAt(2116);
inline constexpr PrefShort kPrefCueLightPosition = ShortAt(2118);
inline constexpr PrefShort kPrefLightThreshold = ShortAt(2120);

// Key-equivalents and command windows.
inline constexpr PrefShort kPrefKeyEquivScrollDir = ShortAt(2122);
inline constexpr PrefColor kPrefKeyEquivListColor = ColorAt(2124);
inline constexpr PrefColor kPrefKeyEquivTitleColor = ColorAt(2130);
inline constexpr PrefColor kPrefKeyEquivBackColor = ColorAt(2136);
inline constexpr PrefShort kPrefCommandWindowAutoDismiss = ShortAt(2142);
inline constexpr PrefShort kPrefCommandWindowShowFunctions = ShortAt(2144);
inline constexpr PrefShort kPrefTypeCommandsSorted = ShortAt(2146);

// Document preferences, background picture, search and spelling.
inline constexpr PrefShort kPrefSaveWithDocument = ShortAt(2148);
inline constexpr PrefShort kPrefPictureRotation = ShortAt(2150); // 0 none, 1 and 2
inline constexpr PrefShort kPrefPictureFlipH = ShortAt(2152);
inline constexpr PrefShort kPrefPictureFlipV = ShortAt(2154);
inline constexpr PrefShort kPrefLastHighlightKind = ShortAt(2156);
inline constexpr PrefShort kPrefStoredPrompterWidth = ShortAt(2158); // 0 none
inline constexpr PrefShort kPrefStoredPrompterHeight = ShortAt(2160);
inline constexpr PrefShort kPrefOverlaysOn = ShortAt(2162);
inline constexpr PrefShort kPrefSearchDictDictionariesOnly = ShortAt(2164);
inline constexpr PrefShort kPrefSpellCheckShowInContext = ShortAt(2168);
inline constexpr PrefShort kPrefSortUnit = ShortAt(2170);
inline constexpr PrefShort kPrefSortKey = ShortAt(2172);
inline constexpr PrefShort kPrefSortOrder = ShortAt(2174);
inline constexpr PrefShort kPrefSortRemoveDuplicates = ShortAt(2176);
inline constexpr PrefShorts kPrefMandalaColors = ShortsAt(2178, 5); // program colour numbers
inline constexpr PrefShort kPrefSearchDictColor = ShortAt(2188);
inline constexpr PrefShort kPrefFoundWordsColor = ShortAt(2190);
inline constexpr PrefShort kPrefOverlayColor = ShortAt(2192);
inline constexpr PrefShort kPrefSearchDictScoringChoice = ShortAt(2194);
inline constexpr PrefShort kPrefHoldOpensPopup = ShortAt(2196);
inline constexpr PrefShort kPrefSearchDictTextSize = ShortAt(2198); // 9-255
inline constexpr PrefShort kPrefSpeedReadingWords = ShortAt(2200);
inline constexpr PrefShort kPrefSpeedReadingFade = ShortAt(2202);

inline constexpr PrefString kPrefCueMarkerName = StringAt(2244, 32);
inline constexpr PrefString kPrefDictionaryName = StringAt(2276, 32);
inline constexpr PrefString kPrefChimeName = StringAt(2500, 256);
inline constexpr PrefString kPrefShapeName = StringAt(3012, 256);
inline constexpr PrefString kPrefMoviesFolder = StringAt(3268, 256);
inline constexpr PrefString kPrefPicturesFolder = StringAt(3524, 256);
inline constexpr PrefString kPrefMusicFolder = StringAt(3780, 256);

// Star field, falling characters and background movie.
inline constexpr PrefColor kPrefStarColor = ColorAt(4036);
inline constexpr PrefColor kPrefStarBackColor = ColorAt(4042);
inline constexpr PrefLong kPrefStarCount = LongAt(4048);
inline constexpr PrefLong kPrefFallingRate = LongAt(4052);
inline constexpr PrefLong kPrefFallingOption1 = LongAt(4056);
inline constexpr PrefLong kPrefFallingOption2 = LongAt(4060);
inline constexpr PrefLong kPrefMovieSound = LongAt(4064);
inline constexpr PrefLong kPrefMovieLoops = LongAt(4068);
inline constexpr PrefLong kPrefStarWarp = LongAt(4084);

// Text rectangle and editing.
inline constexpr PrefShort kPrefTextRectBackStyle = ShortAt(4100); // 0-6
inline constexpr PrefColor kPrefTextRectBackColor = ColorAt(4102);
inline constexpr PrefShort kPrefTextColorStyle = ShortAt(4108); // 0-7, 1 plain
inline constexpr PrefShort kPrefKeepScrollBar = ShortAt(4110);
inline constexpr PrefShort kPrefEditGroupMiddleChoice = ShortAt(4116);
inline constexpr PrefLong kPrefAutoSaveTimer = LongAt(4120);
inline constexpr PrefShort kPrefMakeBackups = ShortAt(4124);
inline constexpr PrefShort kPrefAllowHandTool = ShortAt(4126);
inline constexpr PrefShort kPrefAllowTurbo = ShortAt(4128);
inline constexpr PrefLong kPrefLinesPerMinute = LongAt(4132);
inline constexpr PrefLong kPrefSyllablesPerMinute = LongAt(4136);
inline constexpr PrefShort kPrefRotation = ShortAt(4140); // 0, or a quarter turn 1 or -1
inline constexpr PrefColor kPrefHideBackgroundColor = ColorAt(4142);
inline constexpr PrefShort kPrefPauseAtBookmarks = ShortAt(4148);
inline constexpr PrefShort kPrefHighlightKind = ShortAt(4150);
// What kPrefHighlightKind holds: how the words at the cue are marked.
inline constexpr SInt16 kHighlightNone = 0;
inline constexpr SInt16 kHighlightBall = 1;
inline constexpr SInt16 kHighlightWord = 2;
inline constexpr SInt16 kHighlightLine = 3;
inline constexpr SInt16 kHighlightSpeedReading = 4;
inline constexpr PrefColor kPrefHighlightColor = ColorAt(4152);
inline constexpr PrefShort kPrefCropPicture = ShortAt(4160);
inline constexpr PrefRect kPrefPictureCropRect = RectAt(4162);
inline constexpr PrefShort kPrefPictureKeepsProportions = ShortAt(4170);
inline constexpr PrefShort kPrefDisableScreenSaver = ShortAt(4172);
inline constexpr PrefShort kPrefOwnScreenSaver = ShortAt(4174);
inline constexpr PrefShort kPrefUseScrollMonitor = ShortAt(4176);
inline constexpr PrefShort kPrefScrollingOpacity = ShortAt(4178); // per cent
inline constexpr PrefShort kPrefMomentum = ShortAt(4180);
inline constexpr PrefShort kPrefBackgroundFade = ShortAt(4182); // per cent
inline constexpr PrefShort kPrefTextFade = ShortAt(4184);       // per cent
inline constexpr PrefShort kPrefNoSkippedTicks = ShortAt(4186);

// Screen, macros and text effects.
inline constexpr PrefLong kPrefScreenSaverDelay = LongAt(4188);
inline constexpr PrefLong kPrefStarSpeed = LongAt(4192); // 16.16 fixed point
inline constexpr PrefLong kPrefMomentumAmount = LongAt(4196);
inline constexpr PrefLong kPrefColorListLength = LongAt(4200); // 0 basic, 1 named, 2 full
inline constexpr PrefLong kPrefSetScreenSize = LongAt(4204);
inline constexpr PrefLong kPrefScreenWidth = LongAt(4208);
inline constexpr PrefLong kPrefScreenHeight = LongAt(4212);
inline constexpr PrefLong kPrefScreenDepth = LongAt(4216);
inline constexpr PrefLong kPrefScreenRefreshRate = LongAt(4220);
inline constexpr PrefLong kPrefDisplayOptions = LongAt(4224);
inline constexpr PrefLong kPrefIdleMacroRounds = LongAt(4228); // 0 never
inline constexpr PrefLong kPrefSkipStartupMacro34 = LongAt(4232);
inline constexpr PrefLong kPrefSkipTimerMacro35 = LongAt(4236);
inline constexpr PrefLong kPrefSkipStartupMacro36 = LongAt(4240);
inline constexpr PrefLong kPrefSkipIdleMacro37 = LongAt(4244);
inline constexpr PrefLong kPrefTimedMacrosOff = LongAt(4248);
inline constexpr PrefLong kPrefSkipStartupMacro39 = LongAt(4252);
inline constexpr PrefLong kPrefClassicText = LongAt(4256);
inline constexpr PrefColor kPrefDropShadowColor = ColorAt(4260);
inline constexpr PrefShort kPrefDropShadowBlur = ShortAt(4266);
inline constexpr PrefLong kPrefDropShadowH = LongAt(4268); // 16.16 fixed point
inline constexpr PrefLong kPrefDropShadowV = LongAt(4272); // 16.16 fixed point
inline constexpr PrefColor kPrefStrikeColor = ColorAt(4276);
inline constexpr PrefShort kPrefStrikeLinesLessOne = ShortAt(4282);
inline constexpr PrefColor kPrefUnderlineColor = ColorAt(4284);
inline constexpr PrefShort kPrefUnderlinesLessOne = ShortAt(4290);
inline constexpr PrefLong kPrefSpeakSelections = LongAt(4292);
inline constexpr PrefLong kPrefWheelControl = LongAt(4296);
inline constexpr PrefLong kPrefSecondsToPause = LongAt(4300);
