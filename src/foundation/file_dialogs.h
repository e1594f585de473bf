// Open and save dialogs: one entry point that records what the dialog is for and starts it; the answer
// comes back later, with the purpose code: an open as an open-documents event to the program itself, a
// save through HandleNavUserAction, which finishes the save the purpose asks for.
#pragma once

#include "platform/file_dialogs.h"
#include "platform/types.h"
#include "platform/windows.h"

#include <string>
#include <vector>

// Purpose codes of the choose-folder dialogs of the media folders dialog.
enum : SInt16 { kChooseMusicFolder = -10, kChoosePictureFolder = -11, kChooseMovieFolder = -12 };

// Save purposes (gIdflag 1 to 9): what a save dialog's answer saves.
enum : SInt16 {
    kSaveQueue = 1,
    kSaveQueueFromQueueDialog = 2,
    kSaveScript = 3,
    kSavePictureSequence = 4,
    kSaveMovie = 5,
    kSaveMacro = 6,
    kSaveMacroSource = 7,
    kSaveMandala = 8,
    kSaveOverlay = 9,
};
// The title of the dialogs that have no prompt of their own.
constexpr char kDialogClientName[] = "Orvalis";
// The creator every saved file is marked with.
constexpr OSType kOrvalisCreator = 0x6F566C73; // 'oVls'

// The open dialog showing now, or null: there is at most one. Also holds a sheet save dialog.
extern FileDialogRef gOpenFileDialog;
// The last dialog was cancelled.
extern bool gIGotCancelled;

// Starts the dialog for the purpose (stored in gIdflag) with the prompt, the default name and the kind
// of file offered ('Dir ' chooses a folder): purposes 0 to 9 save, negative ones open. noErr when the
// dialog started.
OSStatus GetFileName(ConstStr255Param prompt, ConstStr255Param defaultName, OSType fileType, SInt16 purpose);
// Starts the save dialog for gIdflag on the parent (null: application-modal) offering the name.
OSStatus TextSaveAs(WindowPtr parent, FileDialogRef* dialog, ConstStr255Param defaultName);
// Starts the open dialog for the purpose with its file types.
OSStatus DoOpenWindow(SInt16 purpose, ConstStr255Param prompt, ConstStr255Param message, UInt32 flags);
// The file types an open purpose accepts, in order: *count comes in as the list's capacity and goes out
// as the number written (0: any file).
void OVGetFileTypes(SInt16 purpose, OSType* types, SInt16* count);
// The answer of a save dialog (or the ask-to-save question) for the purpose: saves, or abandons.
void HandleNavUserAction(FileDialogRef dialog, SInt16 action, SInt16 purpose);
// The window a save dialog for the purpose hangs on (null: none, application-modal) and the file type it
// writes.
WindowPtr SaveParentWindow(SInt16 saveKind);
OSType SaveFileType(SInt16 saveKind);

// ---- The dialogs themselves ----
// Starts the open dialog (or brings the one showing to the front). The chosen files come back as an
// open-documents event while gIdflag still holds the purpose.
OSStatus OpenFileDialog(OSType creator, SInt16 typeCount, const OSType* types, FileDialogRef* dialogOut,
                        SInt16 openKind, ConstStr255Param message, ConstStr255Param name, UInt32 extraFlags);
// Sends the files to the program itself as an open-documents event, handled when the loop next runs.
OSErr SendOpenAE(const std::vector<std::string>& selection);
// Runs the save dialog; the save happens in HandleNavUserAction when the user chooses a name.
OSStatus SaveFileDialog(WindowPtr parent, ConstStr255Param defaultName, OSType fileType, OSType creator,
                        SInt16 saveKind, FileDialogRef* dialogOut);

// The reply of a save dialog: where the file goes, and whether it replaces one.
struct SaveReply {
    bool valid = false;
    bool replacing = false;         // the chosen name was taken before the save
    bool replacingSideFile = false; // and so was its side file
    std::string file;               // absolute path of the chosen file
};
// Takes the answer of a save dialog into gOutName and gOutPath; noErr or an error (paramErr when an
// argument is missing or the dialog has no answer).
OSErr BeginSave(FileDialogRef dialog, SaveReply* replyOut, std::string* fileOut);
// Finishes the reply: a failed save to a new name removes what it left at that name.
OSErr CompleteSave(SaveReply* reply, const std::string& file, bool succeeded);
// Ends a dialog still showing (no answer is given).
void TerminateDialog(FileDialogRef dialog);

// Asks whether to save the changes to the document before closing it (or quitting). With a save kind,
// choosing Save saves through HandleNavUserAction. The user's action comes back (save changes 6, don't
// save 7, cancel 1; 0 when the sheet is still showing).
OSStatus UniversalConfirmSaveDialog(WindowPtr parent, ConstStr255Param documentName, bool quitting,
                                    SInt16 saveKind, FileDialogRef* dialogOut, SInt16* userActionOut);
OSStatus ConfirmSaveDialog(WindowPtr parent, ConstStr255Param documentName, bool quitting, SInt16 saveKind,
                           FileDialogRef* dialogOut);
OSStatus ModalConfirmSaveDialog(ConstStr255Param documentName, bool quitting);
