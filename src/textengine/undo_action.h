// One undoable edit: what stood in a range of the text before it (text and style runs), how long the text
// that replaced it is, and the selection of that moment. Several chained form one undoable step.
#pragma once

#include "textengine/engine_internal.h"

enum : SInt16 {
    kWEActionNone = 0,
    kWEActionInsert = 1,
    kWEActionTyping = 2,
    kWEActionCut = 3,
    kWEActionPaste = 4,
    kWEActionClear = 5,
    kWEActionDrag = 6,
    kWEActionStyle = 7
};
// Action flags: the action redoes; its text, styles or objects are not saved.
enum : SInt16 { kWEActionRedo = 1, kWEActionNoText = 2, kWEActionNoStyles = 4, kWEActionNoObjects = 8 };

struct WEAction {
    WEReference owner;
    Handle next;
    Handle text;    // the replaced bytes, or null
    Handle styles;  // their style runs as a style scrap, or null
    Handle objects; // not kept yet: embedded objects have no handlers
    SInt32 start;
    SInt32 newLength;
    SInt32 oldLength;
    WESelectionField savedStarts;
    WESelectionField savedEnds;
    SInt32 savedCount;
    SInt16 kind;
    SInt16 flags;
};

inline WEAction& ActionOf(Handle action) {
    return *reinterpret_cast<WEAction*>(*action);
}

// The record's first undo action, or null.
inline Handle UndoActionOf(const WERec& r) {
    return static_cast<Handle>(r.undoAction);
}

// Puts the bytes and style runs of start..end in front of (or after) what the action saved.
OSErr _WEExtendActionText(Handle action, SInt32 start, SInt32 end, Boolean atFront, WEReference we);
