// What the macro language offers the shell: its start-up, running macros by number and name, timed
// macros, the running macros' steps and the macro windows the shell closes at quit.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

#include <string>

// Non-zero while any macro runs.
extern SInt16 gMacroRunning;
// The item the next modal dialog takes by itself (0 none), set from a running macro.
extern SInt16 gAutoDialogAnswer;
// Non-zero while a macro or the command window forces a menu command through.
extern SInt32 gForceCommandFromMacro;
// When the next timed macro is due, in date-time seconds (kNoTimedMacro: none), and its file name.
constexpr UInt32 kNoTimedMacro = 0xFFFFFFFF;
extern UInt32 gNextTimedMacroTime;
extern Str255 gTimedMacroName;
// The macro classes record of the preference file, and whether it changed.
extern Handle gMacroClasses;
extern bool gClassPrefsChanged;
// The command window's and the key-equivalents window's settings.
extern SInt32 gCommandWindowAutoDismiss;
extern SInt32 gCommandWindowShowFunctions;
extern UInt8 gTypeCommandsSorted;
extern RGBColor gKeyEquivListColor;
extern RGBColor gKeyEquivTitleColor;
extern RGBColor gKeyEquivBackColor;

void InitializeMacros();
void LoadCmdOpSlash();
void RunMacroByID(SInt16 id);
void RunMacroByName(ConstStr255Param name);
UInt32 GetNextTimedMacro(StringPtr nameOut);
void KeepMacroRunning();
void UpdateMacroExecutingInfo(SInt16 slot);
void CloseMacroEditorWindow(SInt16 flag);
void CloseFunctionsWindow(SInt16 flag);
// Opens the functions window, its search text cleared when asked.
void OpenFunctionsWindow(bool clearSearch);
// The command line that command-option-slash runs, and running it.
extern std::string gCmdOpSlashText;
void ExecuteCmdOpSlashCommand(const std::string& command);
// Compiles the macro editor's text (first a check, then for real); noErr when it compiled.
OSErr CompileMacro(SInt16 check, SInt16 show);
// What a macro reads about the latest click in the prompter: that there was one, where (window
// coordinates) and the character under it (-1 outside the text).
extern SInt32 gMouseClickedVariable;
extern SInt32 gMouseXAtClickVariable;
extern SInt32 gMouseYAtClickVariable;
extern SInt32 gMouseTextPosAtClickVariable;
// Ends every running macro and redraws the pause button.
void FinishAllMacros();
void OpenMacroMonitorWindow();
void CloseMacroMonitorWindow(SInt16 flag);

// An opened compiled macro is run rather than opened for editing (normally true).
extern bool gRunMacroOnOpen;
// A macro is being saved; a cancelled save dialog clears it.
extern bool gInSave;
// Files chosen or dropped (absolute paths): a compiled macro run (with its start line and flags) or
// opened for editing, a macro source put into the macro editor. 0 when done, else an error.
OSErr DoRunMacro(const std::string& file, SInt16 line, SInt16 flags);
OSErr DoEditMacro(const std::string& file);
OSErr DoOpenMacroSource(const std::string& file);
// Save the compiled macro (kind -6) or its source (kind -7) to gOutPath + gOutName; 0 when saved.
OSErr DoSaveMacro(SInt16 kind);
OSErr DoSaveMacroSource(SInt16 kind);
