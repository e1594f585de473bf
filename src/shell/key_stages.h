// Stages of the key-down dispatcher that keep files of their own: tapping syllable times and closing the
// front window by its key.
#pragma once

#include "platform/events.h"

// The space bar while syllable times are tapped: the awaited syllable takes the time of the tap (on the
// background music's or movie's clock when one is loaded) and shows in the text colour. True when taken.
bool TapSyllableKey(const PlatformEvent& event);
// Closes the front window by its own close operation: the front document-like window, or with the
// prompter in front, the front floating tool window. The prompter itself never closes by a key.
void CloseFrontWindowByKey();
