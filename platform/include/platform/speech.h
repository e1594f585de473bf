// Speaking text aloud through the desktop's speech service. Where no speech engine is installed no
// channel can be made, and speaking says so with a status: speech is then simply unavailable.
#pragma once

#include "platform/types.h"

struct SpeechChannelRecord;
using SpeechChannel = SpeechChannelRecord*;

enum : OSErr { speechUnavailableErr = -240 };

bool IsSpeechAvailable();
// Null when speech is unavailable.
SpeechChannel NewSpeechChannel();
void DisposeSpeechChannel(SpeechChannel channel);
// Starts speaking Mac Roman text and returns at once; speech in progress on the channel is replaced.
// noErr, speechUnavailableErr without a channel, paramErr for a null text or a negative length.
OSErr SpeakText(SpeechChannel channel, const void* text, SInt32 length);
bool IsSpeaking(SpeechChannel channel);
void StopSpeech(SpeechChannel channel);
