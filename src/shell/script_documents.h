// The script documents as start-up and the timer reach them: the start-up document and the question to
// save changes.
#pragma once

#include "platform/types.h"

// Puts the instructions document in the prompter (flag 1: as the start-up choice that shows them
// scrolling); ReloadLastFile opens the last script (flag 1: and starts where it was left).
void ShowInstructions(SInt16 flag);
void ReloadLastFile(SInt16 flag);
// Asks whether to save changes (403 the text, 404 the queue): true when the operation may go on, false
// when the user cancelled.
bool DoSaveCancelDialog(SInt16 dialogID);
// The text has unsaved changes; the queue has unsaved changes.
extern bool gDontQuitWithoutSaving;
extern bool gQueueIsDirty;
