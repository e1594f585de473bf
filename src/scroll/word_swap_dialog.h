// The word swap dialog: steps through the document's text merge entries, asking for each one's
// replacement, when a document saved for word swapping is opened.
#pragma once

#include "platform/dialogs.h"
#include "platform/types.h"

// True when the user went through to the end with the Next button; false on Cancel or when the dialog
// cannot be made. What was typed for every entry reached is kept either way.
bool DoWordSwapDialog();
// With save, stores the field's text as entry n's replacement (when that fails, n is returned and nothing
// else happens); then moves by step unless that leaves the list, and shows the entry now current.
SInt16 ProcessWordSwapText(DialogPtr dialog, SInt16 n, SInt16 step, bool save);
// The timer's step for a document that asks for word swapping: the prompter hidden while the dialog runs,
// scrolling started when it was completed.
void RunPendingWordSwap();
