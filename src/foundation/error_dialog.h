// The program's one error reporter and the switch that silences it.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

// Non-zero: DoErrorMessage shows nothing. Set and cleared only by the dialog's check box.
extern SInt16 gDontDisplayErrorMessages;

// Shows a length-prefixed message in the error dialog, or records it when the recording sink is on.
void DoErrorMessage(ConstStr255Param message);
// The same for text that is already Mac Roman bytes.
void DoErrorMessageText(const std::string& message);

// Headless runs write messages to the log (standard error) instead of showing the dialog.
void SetErrorMessageLogging(bool on);
// Tests record messages instead of showing the dialog.
void SetErrorMessageRecording(bool on);
bool IsErrorMessageRecording();
const std::vector<std::string>& RecordedErrorMessages();
void ClearRecordedErrorMessages();
