// The one entry point of the open and save dialogs: it records the purpose and starts the right dialog
// with the file types that purpose accepts.
#include "foundation/file_dialogs.h"

#include "foundation/error_dialog.h"
#include "platform/events.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr SInt16 kMostOpenTypes = 20;
constexpr OSStatus kDialogStartedAnyway = 128;

struct OpenTypesRow {
    std::initializer_list<SInt16> purposes;
    std::initializer_list<OSType> types;
};

const OpenTypesRow kOpenTypes[] = {
    {{-1, -19, -25},
     {FourCC("PICT"), FourCC("JPEG"), FourCC("TIFF"), FourCC("PNG "), FourCC("BMP "), FourCC("GIF ")}},
    {{-2, -7, -9, -13, -23, -24}, {FourCC("TEXT")}},
    {{-6, -22}, {FourCC("OMac")}},
    {{-5, -21},
     {FourCC("mp3 "), FourCC("mp4 "), FourCC("aif "), FourCC("aiff"), FourCC("snd "), FourCC("wma "),
      FourCC("m4a "), FourCC("m4p "), FourCC("wav "), FourCC("midi"), FourCC("au  ")}},
    {{-15, -16}, {FourCC("TEXT"), FourCC("rtf ")}},
};

} // namespace

void OVGetFileTypes(SInt16 purpose, OSType* types, SInt16* count) {
    const SInt16 capacity = count ? *count : 0;
    if (count) *count = 0;
    if (purpose < -25 || purpose > -1) {
        DoErrorMessageText("What should we do here?");
        return;
    }
    for (const OpenTypesRow& row : kOpenTypes) {
        if (std::find(row.purposes.begin(), row.purposes.end(), purpose) == row.purposes.end()) continue;
        SInt16 written = 0;
        for (OSType type : row.types) {
            if (written >= capacity || !types) break;
            types[written++] = type;
        }
        if (count) *count = written;
        return;
    }
}

OSStatus DoOpenWindow(SInt16 purpose, ConstStr255Param prompt, ConstStr255Param message, UInt32 flags) {
    OSType types[kMostOpenTypes];
    SInt16 count = kMostOpenTypes;
    OVGetFileTypes(purpose, types, &count);
    return OpenFileDialog(kOrvalisCreator, count, types, &gOpenFileDialog, purpose, prompt, message, flags);
}

OSStatus GetFileName(ConstStr255Param prompt, ConstStr255Param defaultName, OSType, SInt16 purpose) {
    gIdflag = purpose;
    if (purpose >= 0) return TextSaveAs(SaveParentWindow(purpose), &gOpenFileDialog, defaultName);
    const OSStatus status = DoOpenWindow(purpose, prompt, defaultName, 0);
    return status == kDialogStartedAnyway ? noErr : status;
}

OSStatus TextSaveAs(WindowPtr parent, FileDialogRef* dialog, ConstStr255Param defaultName) {
    SetThemeCursor(kThemeArrowCursor);
    if (dialog && *dialog) {
        TerminateDialog(*dialog);
        *dialog = nullptr;
    }
    return SaveFileDialog(parent, defaultName, SaveFileType(gIdflag), kOrvalisCreator, gIdflag, dialog);
}
