// Speaking text: a caller's text, or the selection (or the whole) of the script.
#pragma once

#include "platform/speech.h"
#include "platform/types.h"

// Speaks the text with bytes of 128 and above read as spaces; the caller's text is left as it is.
// Returns the platform's status (speechUnavailableErr when speech is not set up).
OSErr SpeakThisText(SpeechChannel channel, const void* text, SInt32 length);

enum : SInt16 { kSpeakScript = 0, kSpeakPrompterScript = 1, kSpeakMacroEditor = 4, kSpeakHelp = 7 };
// Stops speech in progress and speaks start to end of the source's text (start -1: its selection; an
// empty range: the whole text) on gChan. Returns the status, noErr when there was nothing to speak.
OSErr StartSpeakingSelected(SInt32 start, SInt32 end, SInt16 source);
