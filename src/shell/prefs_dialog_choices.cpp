// The preferences dialog's choices that reach beyond plain fields: the chime sounds and cue markers listed
// from the program's resources, the screen saver, the scrolling shape, the background kind with its file,
// the falling characters, the screen size while scrolling, the automatic file, the shape and folder dialogs.
#include "effects/shape_dialog.h"
#include "effects/shapes.h"
#include "foundation/app_paths.h"
#include "foundation/dialog_items.h"
#include "foundation/file_dialogs.h"
#include "foundation/folder_files.h"
#include "foundation/global_lists.h"
#include "foundation/program_strings.h"
#include "media/media_folders_dialog.h"
#include "media/media_services.h"
#include "platform/color_icons.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "resource_names.h"
#include "scroll/background_picture.h"
#include "scroll/display_modes.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/menus.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"

#include <cstring>
#include <vector>

namespace {

constexpr SInt16 kBackgroundPrompt = 3, kScriptPrompt = 6;
constexpr SInt16 kChoosePictureTitle = 39, kChooseMovieTitle = 40, kFitPictureTitle = 57, kFitMovieTitle = 58;
constexpr OSType kPictureType = 0x50494354; // 'PICT'
constexpr OSType kMovieType = 0x4D6F6F56;   // 'MooV'
constexpr SInt16 kOpenPrefsPicture = -1, kOpenAutoFile = -14;
constexpr SInt16 kScreenSaverCount = 4;

// The resource IDs behind the items of the sound and cue marker menus, in item order.
std::vector<SInt16> gChimeSoundIDs;
std::vector<SInt16> gCueIconIDs;
// The screen's display modes behind the items of the screen-size menu.
Handle gScreenSizeList = nullptr;
SInt16 gScreenSizeCount = 0;
// The automatic file being edited (the last-file entry of the recent-files record).
RecentPrefsRecord gRecentWorking{};
// The dialog switched the screen to the size chosen; it is put back unless the change is accepted.
RESETTABLE(bool, gDialogSwitchedScreen, false);
PicHandle gPreviewPicture = nullptr;
// The live video capture ran when the dialog opened; one the dialog started is stopped when it closes.
RESETTABLE(bool, gCaptureRanAtOpening, false);

// Appends one item per resource of the type, named as the resource, and keeps their IDs.
void FillFromResources(MenuRef menu, ResType type, std::vector<SInt16>& ids) {
    ids.clear();
    for (SInt16 index = 1; index <= CountResources(type); ++index) {
        Handle h = GetIndResource(type, index);
        if (!h) continue;
        ResID id = 0;
        ResType kind = 0;
        Str255 name = {0};
        GetResInfo(h, &id, &kind, name);
        if (name[0] == 0) NumToString(id, name);
        AppendMenuItemText(menu, name);
        ids.push_back(id);
    }
}

// The item naming the stored resource: by its name first, else by its ID.
SInt16 ItemOfResource(MenuRef menu, const std::vector<SInt16>& ids, ConstStr255Param name, SInt16 id) {
    if (!menu) return 0;
    if (name[0] > 0)
        if (const SInt16 byName = FindNameInMenu(menu, name)) return byName;
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == id) return SInt16(i + 1);
    return 0;
}

SInt16 Kind() {
    return GetPref(gPrefsWorking, kPrefBackgroundKind);
}

// The screen the prompter scrolls on.
GDHandle ScrollDevice() {
    return myScrollDevice ? myScrollDevice : GetMainDevice();
}

void WorkingScreenMode(SInt32* values) {
    const PrefLong fields[5] = {kPrefScreenWidth, kPrefScreenHeight, kPrefScreenDepth, kPrefScreenRefreshRate,
                                kPrefDisplayOptions};
    for (int i = 0; i < 5; ++i)
        values[i] = GetPref(gPrefsWorking, fields[i]);
}

void SwitchScreenToWorkingMode() {
    SInt32 values[5];
    WorkingScreenMode(values);
    if (values[0] <= 0 || values[1] <= 0) return;
    ChangeScreenResolution(ScrollDevice(), values, kModeSwitchAgain);
    gDialogSwitchedScreen = true;
}

void PutBackScreen() {
    if (gDialogSwitchedScreen && ScreenModeIsSet())
        ChangeScreenResolution(ScrollDevice(), nullptr, kModeRestore);
    gDialogSwitchedScreen = false;
}

// The file chooser for the background kind: a picture or a movie.
void AskForBackgroundFile() {
    Str255 prompt;
    GetOrvalisString(kProgramTexts, kBackgroundPrompt, prompt);
    const Str255 noName = {0};
    GetFileName(prompt, noName, Kind() == kPictureKindMovie ? kMovieType : kPictureType, kOpenPrefsPicture);
}

// The picture's own size, the movie's or the live video's; an empty rectangle when there is none.
Rect NaturalBounds() {
    Rect bounds{};
    if (Kind() == kPictureKindMovie) {
        Str255 name, folder;
        GetPrefString(gPrefsWorking, kPrefMovieFileName, name);
        GetPrefString(gPrefsWorking, kPrefMovieFolder, folder);
        if (Movie movie = GetTheMovie(name, folder, nullptr, false)) {
            bounds = GetMovieNaturalBounds(movie);
            CloseTheMovie(movie);
        }
    } else if (Kind() == kPictureKindLiveVideo) {
        if (gVideoChannel) bounds = GetVideoSourceBounds(gVideoChannel);
    } else if (gPreviewPicture) {
        QDGetPictureBounds(gPreviewPicture, &bounds);
    }
    return bounds;
}

// The picture rectangle takes the source's own size where it stands; the picture is then placed by it.
void FitPictureRectToSource(DialogPtr dialog) {
    const Rect natural = NaturalBounds();
    if (EmptyRect(&natural)) return;
    Rect r = GetPref(gPrefsWorking, kPrefPictureRect);
    r.bottom = SInt16(r.top + RectHeight(natural));
    r.right = SInt16(r.left + RectWidth(natural));
    SetPref(gPrefsWorking, kPrefPictureRect, r);
    SetPref(gPrefsWorking, kPrefPicturePosition, -1);
    SetPrefsControls(dialog);
}

// The kind-dependent check box: the stars' warp, the movie's sound, or the picture's crop.
struct KindCheck {
    const char* title;
    bool isLong;
    UInt16 offset;
};
KindCheck KindCheckOf(SInt16 kind) {
    if (kind == kPictureKindStars) return {"Warp the stars", true, kPrefStarWarp.offset};
    if (kind == kPictureKindMovie) return {"Play the movie's sound", true, kPrefMovieSound.offset};
    return {"Crop the picture", false, kPrefCropPicture.offset};
}
bool KindCheckValue(const KindCheck& c) {
    return c.isLong ? GetPref(gPrefsWorking, PrefLong{c.offset}) != 0
                    : GetPref(gPrefsWorking, PrefShort{c.offset}) != 0;
}

void ShowAutoFileName(DialogPtr dialog) {
    Str255 name;
    GetRecentFolder(gRecentWorking, kRecentCurrentFolderAt, name);
    if (name[0] == 0) SetPString(name, "No automatic file");
    SetDialogItemText(dialog, kAutoFileNameItem, name);
}

std::string PrefPath(PrefString field) {
    Str255 text;
    GetPrefString(gPrefsWorking, field, text);
    return MacRomanToUtf8(PStringView(text));
}

// A path the field can hold (Mac Roman, at most 255 bytes); false and nothing changed otherwise.
bool SetPrefPath(PrefString field, const std::string& utf8) {
    if (!FitsPString(utf8)) return false;
    Str255 text;
    SetPString(text, Utf8ToMacRoman(utf8));
    SetPrefString(gPrefsWorking, field, text);
    return true;
}

void SplitPath(const std::string& file, std::string* folder, std::string* name) {
    const size_t slash = file.find_last_of('/');
    *folder = slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
    *name = slash == std::string::npos ? file : file.substr(slash + 1);
}

void FreeChoiceState() {
    if (gPreviewPicture) DisposeHandle(reinterpret_cast<Handle>(gPreviewPicture));
    gPreviewPicture = nullptr;
    if (gScreenSizeList) DisposeHandle(gScreenSizeList);
    gScreenSizeList = nullptr;
    gScreenSizeCount = 0;
    gChimeSoundIDs.clear();
    gCueIconIDs.clear();
}

} // namespace

void OpenPrefsChoices() {
    std::memcpy(&gRecentWorking, &gRecentPreferences, sizeof gRecentWorking);
    gDialogSwitchedScreen = false;
    gCaptureRanAtOpening = gLiveCaptureRunning;
    RebuildPrefsPreview();
}

void ClosePrefsChoices(bool accepted) {
    if (accepted) {
        // The automatic file's entry and the dialog's two folder settings.
        for (UInt16 offset : {kRecentFolderSetting1At, kRecentFolderSetting2At})
            SetRecentShort(gRecentPreferences, offset, GetRecentShort(gRecentWorking, offset));
        for (UInt16 offset : {kRecentCurrentFolderAt, kRecentSecondFolderAt}) {
            Str255 text;
            GetRecentFolder(gRecentWorking, offset, text);
            SetRecentFolder(gRecentPreferences, offset, text);
        }
        gDialogSwitchedScreen = false;
    } else {
        PutBackScreen();
    }
    if (gLiveCaptureRunning && !gCaptureRanAtOpening) StopLiveCapture();
    FreeChoiceState();
}

void ResetPrefsChoices() {
    gDialogSwitchedScreen = false;
    gCaptureRanAtOpening = false;
    FreeChoiceState();
    std::memset(&gRecentWorking, 0, sizeof gRecentWorking);
}

void FillPrefsChoiceMenu(SInt16 menuID, MenuRef menu) {
    if (!menu || CountMenuItems(menu) > 0) return;
    if (menuID == 358) FillFromResources(menu, FourCC("snd "), gChimeSoundIDs);
    if (menuID == 360) FillFromResources(menu, FourCC("cicn"), gCueIconIDs);
    if (menuID == 377) {
        if (gScreenSizeList) DisposeHandle(gScreenSizeList);
        gScreenSizeList = AddScreenSizesToMenu(menu, ScrollDevice(), 0, nullptr, true, &gScreenSizeCount);
    }
}

std::optional<SInt16> PrefsChoiceShown(SInt16 item) {
    const PrefsRecord& p = gPrefsWorking;
    switch (item) {
    case kCueIconItem: {
        Str255 name;
        GetPrefString(p, kPrefCueMarkerName, name);
        return ItemOfResource(PrefsPopupMenu(item), gCueIconIDs, name, GetPref(p, kPrefCueMarkerIconID));
    }
    case kChimeItem: {
        Str255 name;
        GetPrefString(p, kPrefChimeName, name);
        return ItemOfResource(PrefsPopupMenu(item), gChimeSoundIDs, name, GetPref(p, kPrefChimeSound));
    }
    case kScreenSaverItem: {
        const SInt16 v = GetPref(p, kPrefOwnScreenSaver);
        return v >= 1 && v <= kScreenSaverCount ? v : SInt16(0);
    }
    case kShapeItem:
        return SInt16(GetPref(p, kPrefTextFlowsInShape) ? 2 : 1);
    case kBackgroundKindItem: {
        const SInt16 v = Kind();
        return v >= 0 && v <= kPictureKindMandala ? SInt16(v + 1) : SInt16(0);
    }
    case kFallingOption1Item:
        return SInt16(GetPref(p, kPrefFallingOption1) + 1);
    case kFallingOption2Item:
        return SInt16(GetPref(p, kPrefFallingOption2) + 1);
    case kScreenSizeItem: {
        SInt32 want[5];
        WorkingScreenMode(want);
        for (SInt16 i = 0; i < gScreenSizeCount; ++i) {
            SInt32 mode = 0, have[5] = {};
            if (!GetWidthHeightFromScreenSizeList(gScreenSizeList, i, &mode, &have[0], &have[1], &have[2],
                                                  &have[3], &have[4]))
                break;
            if (std::memcmp(want, have, sizeof want) == 0) return SInt16(i + 1);
        }
        return SInt16(0);
    }
    default:
        return std::nullopt;
    }
}

bool ChoosePrefsChoice(DialogPtr dialog, SInt16 item, SInt16 choice) {
    PrefsRecord& p = gPrefsWorking;
    MenuRef menu = PrefsPopupMenu(item);
    auto chosenName = [&](Str255 name) {
        name[0] = 0;
        if (menu) GetMenuItemText(menu, MenuItemIndex(choice), name);
    };
    switch (item) {
    case kCueIconItem: {
        if (choice < 1 || size_t(choice) > gCueIconIDs.size()) return true;
        Str255 name;
        chosenName(name);
        if (name[0] > 31) name[0] = 31;
        SetPref(p, kPrefCueMarkerIconID, gCueIconIDs[size_t(choice - 1)]);
        SetPrefString(p, kPrefCueMarkerName, name);
        RedrawPrefsItem(dialog, kCueSampleItem);
        return true;
    }
    case kChimeItem: {
        if (choice < 1 || size_t(choice) > gChimeSoundIDs.size()) return true;
        Str255 name;
        chosenName(name);
        const SInt16 id = gChimeSoundIDs[size_t(choice - 1)];
        SetPref(p, kPrefChimeSound, id);
        SetPrefString(p, kPrefChimeName, name);
        PlaySnd(id, 1);
        return true;
    }
    case kScreenSaverItem:
        if (choice >= 1 && choice <= kScreenSaverCount) SetPref(p, kPrefOwnScreenSaver, choice);
        return true;
    case kShapeItem:
        if (choice < 1 || choice > 2) return true;
        SetPref(p, kPrefTextFlowsInShape, SInt16(choice - 1));
        if (choice == 2) {
            // The shape is made again for the rectangle the text scrolls in.
            Rect box = GetPref(p, kPrefTextBoxRect);
            if (EmptyRect(&box)) box = gScrollTextRect;
            if (Handle made = MakeShapeFromSpec(gRecentShape, &box)) {
                if (specialshapeinfo) DisposeHandle(specialshapeinfo);
                specialshapeinfo = made;
            }
        }
        RedrawPrefsItem(dialog, kScreenSampleItem);
        return true;
    case kBackgroundKindItem:
        if (choice < 1 || choice > kPictureKindMandala + 1) return true;
        SetPref(p, kPrefBackgroundKind, SInt16(choice - 1));
        if (Kind() == kPictureKindFile || Kind() == kPictureKindMovie) AskForBackgroundFile();
        // Live video shows in the screen sample while the dialog is open; another kind ends a capture
        // the dialog started.
        if (Kind() == kPictureKindLiveVideo && !gLiveCaptureRunning)
            StartLiveCapture(0, 0);
        else if (Kind() != kPictureKindLiveVideo && gLiveCaptureRunning && !gCaptureRanAtOpening)
            StopLiveCapture();
        RebuildPrefsPreview();
        SetPrefsChoiceControls(dialog);
        ShowHidePrefControls(dialog);
        RedrawPrefsItem(dialog, kScreenSampleItem);
        return true;
    case kFallingOption1Item:
        if (choice >= 1) SetPref(p, kPrefFallingOption1, SInt32(choice - 1));
        return true;
    case kFallingOption2Item:
        if (choice >= 1) SetPref(p, kPrefFallingOption2, SInt32(choice - 1));
        return true;
    case kScreenSizeItem: {
        SInt32 mode = 0, values[5] = {};
        if (choice < 1 ||
            !GetWidthHeightFromScreenSizeList(gScreenSizeList, SInt16(choice - 1), &mode, &values[0],
                                              &values[1], &values[2], &values[3], &values[4]))
            return true;
        const PrefLong fields[5] = {kPrefScreenWidth, kPrefScreenHeight, kPrefScreenDepth,
                                    kPrefScreenRefreshRate, kPrefDisplayOptions};
        for (int i = 0; i < 5; ++i)
            SetPref(p, fields[i], values[i]);
        if (GetPref(p, kPrefSetScreenSize)) SwitchScreenToWorkingMode();
        return true;
    }
    default:
        return false;
    }
}

bool HandlePrefsChoiceItem(DialogPtr dialog, SInt16 item) {
    PrefsRecord& p = gPrefsWorking;
    switch (item) {
    case kKindCheckItem: {
        const KindCheck c = KindCheckOf(Kind());
        const bool on = !KindCheckValue(c);
        if (c.isLong)
            SetPref(p, PrefLong{c.offset}, on ? 1 : 0);
        else
            SetPref(p, PrefShort{c.offset}, SInt16(on ? 1 : 0));
        SetDialogItemValue(dialog, item, on ? 1 : 0);
        RedrawPrefsItem(dialog, kScreenSampleItem);
        return true;
    }
    case kChooseBackgroundItem:
        // With the option key the picture rectangle takes the source's own size; else another file, or
        // for live video the capture's settings.
        if (GetCurrentKeyModifiers() & optionKey)
            FitPictureRectToSource(dialog);
        else if (Kind() == kPictureKindFile || Kind() == kPictureKindMovie)
            AskForBackgroundFile();
        else if (Kind() == kPictureKindLiveVideo)
            GetLiveCaptureSettings();
        RedrawPrefsItem(dialog, kScreenSampleItem);
        return true;
    case kShapeDialogItem:
        DoShapeSelectDialog();
        RedrawPrefsItem(dialog, kScreenSampleItem);
        return true;
    case kFoldersDialogItem: {
        std::string music = PrefPath(kPrefMusicFolder), pictures = PrefPath(kPrefPicturesFolder),
                    movies = PrefPath(kPrefMoviesFolder);
        if (GetNewPathsDialog(music, pictures, movies)) {
            SetPrefPath(kPrefMusicFolder, music);
            SetPrefPath(kPrefPicturesFolder, pictures);
            SetPrefPath(kPrefMoviesFolder, movies);
        }
        return true;
    }
    case kChooseAutoFileItem: {
        Str255 prompt;
        GetOrvalisString(kProgramTexts, kScriptPrompt, prompt);
        const Str255 noName = {0};
        GetFileName(prompt, noName, 0, kOpenAutoFile);
        return true;
    }
    case kClearAutoFileItem: {
        const Str255 empty = {0};
        SetRecentFolder(gRecentWorking, kRecentCurrentFolderAt, empty);
        SetRecentFolder(gRecentWorking, kRecentSecondFolderAt, empty);
        SetRecentShort(gRecentWorking, kRecentFolderSetting1At, 0);
        SetRecentShort(gRecentWorking, kRecentFolderSetting2At, 0);
        ShowAutoFileName(dialog);
        return true;
    }
    case kSetScreenSizeItem: {
        // The screen takes the size at once, and gives it back when the setting is switched off.
        const bool on = GetPref(p, kPrefSetScreenSize) == 0;
        SetPref(p, kPrefSetScreenSize, on ? 1 : 0);
        SetDialogItemValue(dialog, item, on ? 1 : 0);
        if (on)
            SwitchScreenToWorkingMode();
        else
            PutBackScreen();
        return true;
    }
    default:
        return false;
    }
}

void SetPrefsChoiceControls(DialogPtr dialog) {
    const KindCheck c = KindCheckOf(Kind());
    Str255 title;
    SetPString(title, c.title);
    SetDialogItemText(dialog, kKindCheckItem, title);
    SetDialogItemValue(dialog, kKindCheckItem, KindCheckValue(c) ? 1 : 0);
    const bool movie = Kind() == kPictureKindMovie;
    const bool fit = (GetCurrentKeyModifiers() & optionKey) != 0;
    if (GetOrvalisString(kProgramTexts,
                         fit ? (movie ? kFitMovieTitle : kFitPictureTitle)
                             : (movie ? kChooseMovieTitle : kChoosePictureTitle),
                         title))
        SetDialogItemText(dialog, kChooseBackgroundItem, title);
    ShowAutoFileName(dialog);
}

PicHandle PrefsPreviewPicture() {
    return gPreviewPicture;
}

void RebuildPrefsPreview() {
    if (gPreviewPicture) DisposeHandle(reinterpret_cast<Handle>(gPreviewPicture));
    gPreviewPicture = nullptr;
    const PrefsRecord& p = gPrefsWorking;
    if (Kind() != kPictureKindFile) return;
    Str255 name, folder;
    GetPrefString(p, kPrefPictureFileName, name);
    GetPrefString(p, kPrefPictureFolder, folder);
    if (name[0] == 0) return;
    Boolean inAlternate = false;
    gPreviewPicture = GetThePicture(name, folder, nullptr, &inAlternate, GetPref(p, kPrefPictureRotation),
                                    GetPref(p, kPrefPictureFlipH), GetPref(p, kPrefPictureFlipV));
}

void DrawCueMarkSample(DialogPtr dialog, SInt16 item) {
    const Rect r = GetDialogItemRect(dialog, item);
    EraseRect(&r);
    CIconHandle icon = GetCIcon(GetPref(gPrefsWorking, kPrefCueMarkerIconID));
    if (!icon) return;
    Rect bounds{};
    GetCIconBounds(icon, &bounds);
    const SInt16 h = SInt16(r.left + (RectWidth(r) - RectWidth(bounds)) / 2);
    const SInt16 v = SInt16(r.top + (RectHeight(r) - RectHeight(bounds)) / 2);
    const Rect at{v, h, SInt16(v + RectHeight(bounds)), SInt16(h + RectWidth(bounds))};
    PlotCIcon(&at, icon);
    DisposeCIcon(icon);
}

// The open dialog's answer for the automatic file: its name and folder are kept until OK or Use.
OSErr CompleteGettingAutoFile(const std::string& file) {
    if (!gPrefsDialog) return paramErr;
    std::string folder, name;
    SplitPath(file, &folder, &name);
    if (name.empty() || !FitsPString(name) || !FitsPString(folder)) return bdNamErr;
    Str255 text;
    SetPString(text, Utf8ToMacRoman(name));
    SetRecentFolder(gRecentWorking, kRecentCurrentFolderAt, text);
    SetPString(text, Utf8ToMacRoman(folder));
    SetRecentFolder(gRecentWorking, kRecentSecondFolderAt, text);
    SetRecentShort(gRecentWorking, kRecentFolderSetting1At, 1);
    SetRecentShort(gRecentWorking, kRecentFolderSetting2At, 0);
    ShowAutoFileName(gPrefsDialog);
    return noErr;
}

// The open dialog's answer for the background: the movie's file for the movie kind, else the picture's;
// the preview is made again from it.
OSErr CompleteGettingPrefPicture(const std::string& file) {
    if (!gPrefsDialog) return paramErr;
    std::string folder, name;
    SplitPath(file, &folder, &name);
    const bool movie = Kind() == kPictureKindMovie;
    if (name.empty() || !FitsPString(name) || !FitsPString(folder)) return bdNamErr;
    SetPrefPath(movie ? kPrefMovieFileName : kPrefPictureFileName, name);
    SetPrefPath(movie ? kPrefMovieFolder : kPrefPictureFolder, folder);
    RebuildPrefsPreview();
    RedrawPrefsItem(gPrefsDialog, kScreenSampleItem);
    return noErr;
}
