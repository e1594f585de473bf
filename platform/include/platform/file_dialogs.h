// Open, choose-folder and save dialogs and the ask-to-save-changes question. A dialog is either a sheet
// on its parent window (the caller goes on and the answer comes later from the event loop) or
// application-modal (RunFileDialog returns once it is answered). Answers reach the caller through
// callbacks; files and folders are absolute UTF-8 paths.
#pragma once

#include "platform/types.h"
#include "platform/windows.h"

#include <functional>
#include <string>
#include <vector>

struct FileDialogRecord;
using FileDialogRef = FileDialogRecord*;

enum class FileDialogKind : UInt8 { Open, ChooseFolder, Save, ConfirmSave };

// What the user did, as the callers' user-action code.
enum : SInt16 {
    kFileDialogNoAction = 0,
    kFileDialogCancel = 1,
    kFileDialogOpen = 2,
    kFileDialogSaveAs = 3,
    kFileDialogChoose = 4,
    kFileDialogSaveChanges = 6,
    kFileDialogDontSaveChanges = 7,
};

// A line of the file-type menu: its label and the name patterns it shows ("*.txt"); files are told
// apart by their ending, and the content decides later.
struct FileDialogFilter {
    std::string label;
    std::vector<std::string> patterns;
};

struct FileDialogOptions {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;                     // the window title: the program's name or the caller's prompt
    std::string message;                   // a line above the file list; for ConfirmSave the document's name
    std::string defaultName;               // save: the name offered
    std::string folder;                    // where the dialog starts; empty: the last folder used
    std::vector<FileDialogFilter> filters; // open, save: the first one is selected; "All files" follows
    std::vector<std::string> formats;      // save: a format menu of these items, in place of the filters
    // Files named as another file of their folder followed by this ending (its side file) are not listed.
    std::string companionEnding;
    bool quitting = false;      // ConfirmSave: the question is asked before quitting
    WindowPtr parent = nullptr; // a sheet on this window unless application-modal
    bool applicationModal = false;
};

struct FileDialogAnswer {
    SInt16 action = kFileDialogNoAction;
    std::vector<std::string> files; // open: the chosen files; choose-folder: the folder
    std::string folder;             // save: the chosen folder (ends in '/')
    std::string name;               // save: the chosen file name
    bool replacing = false;         // save: a file of that name exists and the user agreed to replace it
    SInt16 format = 0;              // save: the item of the format menu chosen
};

// Called from the event loop (or from within RunFileDialog for an application-modal dialog): the user
// acted (the answer is the dialog's reply), chose another format item, and the dialog ended. The dialog
// stays valid until DisposeFileDialog, which the callers do from the terminate callback at the latest.
struct FileDialogCallbacks {
    std::function<void(FileDialogRef, const FileDialogAnswer&)> userAction;
    std::function<void(FileDialogRef, SInt16 formatItem)> formatChosen;
    std::function<void(FileDialogRef)> terminated;
};

FileDialogRef CreateFileDialog(const FileDialogOptions& options, FileDialogCallbacks callbacks);
// Shows the dialog. A sheet returns at once; an application-modal dialog returns when it is answered,
// after its callbacks ran. noErr, or an error when the dialog cannot be shown.
OSStatus RunFileDialog(FileDialogRef dialog);
// Brings a showing dialog to the front and gives it the focus.
void SelectFileDialog(FileDialogRef dialog);
// Ends a showing dialog as if cancelled, without the user-action callback: only terminated is called.
void TerminateFileDialog(FileDialogRef dialog);
// Frees the dialog; a dialog still showing is closed first without callbacks. Null is ignored.
void DisposeFileDialog(FileDialogRef dialog);
// The answer of an answered dialog (null before).
const FileDialogAnswer* GetFileDialogAnswer(FileDialogRef dialog);
bool IsFileDialogShowing(FileDialogRef dialog);

// Whether the file is a companion the dialogs leave out: its name is that of a file beside it followed by
// the ending (case aside).
bool IsCompanionFile(const std::string& path, const std::string& ending);

// ---- Testing support ----
// The next dialogs run are answered with these answers in turn instead of being shown, as when the user
// acts at once: a sheet's answer comes from the event loop, an application-modal dialog's before
// RunFileDialog returns; a save answer's format item other than the first is chosen first. An answer with no
// action leaves the dialog showing, unanswered, until it is terminated. Without a prepared answer, a dialog
// run without a display is cancelled.
void AnswerNextFileDialog(const FileDialogAnswer& answer);
void ForgetFileDialogAnswers();
// How many dialogs were run, and the options of the last one.
int CountFileDialogsRun();
const FileDialogOptions& LastFileDialogOptions();
