// One level of undo for edits of the script, and the whole-state save point that macros take and put back.
#pragma once

#include "platform/types.h"

// The parts StoreUndoInfo keeps, by mask bit; callers combine them (15, 11, 9 before edits of the script,
// 240 before edits in the macro editor).
enum : UInt16 {
    kUndoText = 1,
    kUndoBookmarks = 2,
    kUndoFileIdentity = 4,
    kUndoSelections = 8,
    kUndoMacroText = 16,
    kUndoMacroName = 32,
    kUndoMacroPlace = 64,
};

// The mask of the last store; 0 when there is nothing to undo.
extern UInt16 gUndoAvailable;
// Set around the program's own edits (hypertext drawing, text flow, find-all, merging): stores do nothing.
extern bool gInhibitUndo;
// StoreUndoInfo is declared in scroll_engine.h. Puts back what the last store kept, once.
void RestoreUndoInfo();

// A snapshot is held.
extern bool gScrollStateSaved;
// withMacro non-zero also keeps the macro editor's state.
void SaveScrollState(SInt32 withMacro);
// Puts the snapshot back and drops it; nothing without one.
void RestoreScrollState(SInt32 withMacro);
void ClearScrollState();
