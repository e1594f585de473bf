// The filters every modal dialog of the program runs under: Return and Enter press item 1, Escape and
// command-period the dialog's cancel item (item 2 when it names none), command-X/C/V work on the focused edit
// field, and a dialog's own key table
// ('Cmd#' resource named by its window's reference constant) maps further keys to items.
#pragma once

#include "platform/dialogs.h"

#include <span>
#include <vector>

// The last modal event chose an item or was consumed; a movable-modal loop is running; the dialog of the
// last modal event; cut or copy changed the clipboard.
extern bool sFiltered;
extern bool gInMovableModal;
extern DialogPtr gCurDialog;
extern bool scrapDirty;

// One entry of a key table: the entry matches when the high byte of the event's modifiers, masked,
// equals the modifier value and the character (sign-extended from 8 bits) equals the character field.
struct CommandKeyEntry {
    UInt16 modifiers = 0;
    UInt16 mask = 0;
    SInt16 character = 0;
    SInt16 item = 0;
};

// Reads a key table from its stored bytes: big-endian 8-byte entries, nothing else. False when the
// table is damaged (empty or not a whole number of entries); out is then empty.
bool ParseCommandKeyTable(std::span<const UInt8> bytes, std::vector<CommandKeyEntry>& out);
// The item the table picks for a key event, flashing each matching enabled button; 0 for none. Every
// matching entry is handled and the last one's item wins. *enabled tells whether any was enabled.
SInt16 MatchCommandKey(DialogPtr dialog, const std::vector<CommandKeyEntry>& table, const EventRecord& event,
                       bool* enabled);

bool StandardFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit);
// For modeless dialogs run in a modal loop: Return gives item 1 and any command key -1.
bool FilterModeless(DialogPtr dialog, EventRecord* event, SInt16* itemHit);
// The dialog's key table; a missing table does nothing, a damaged one is reported once and ignored.
bool SpecialFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit);
// The dialog's key table first, then the standard keys: the filter of every modal dialog of the program.
bool ProgramFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit);

// A message's one button: Return, Enter, Escape and command-period all press it, so that a notice is
// dismissed by whatever key the operator reaches for.
void SetMessageButton(DialogPtr dialog, SInt16 item);

// Runs the front dialog's modal loop under the filter (null: ProgramFilter) until an item is chosen,
// keeping the periodic timer running; each event is kept in stopEvent as it arrives.
void MovableDialog(ModalFilterProc filter, SInt16* itemHit);
