// What the macro language's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "macros/key_equivalents.h"

SInt16 gKeyEquivScrollDir = 1;

void SetKeyEquivOffsets(SInt16, SInt32) {}

void DrawKeyEquivWindow(const Rect*, bool) {}

#include "macros/macro_dialog.h"

SInt16 DoMacroDialog(SInt16, ConstStr255Param, StringPtr, SInt32, MacroRecord*) { return 2; }

// Until macro files are read, no data counts as a macro, so a standard macro file that exists is kept.
#include "macros/macro_file_version.h"

SInt32 GetMacroFileVersion(SInt16, Handle) { return 0; }
