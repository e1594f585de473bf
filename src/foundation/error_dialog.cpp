// The error reporter: the recording sink of tests and headless runs, and the hand-over to the dialog.
#include "foundation/error_dialog.h"

#include "platform/pstring.h"
#include "platform/text_encoding.h"

#include <cstdio>

SInt16 gDontDisplayErrorMessages = 0;

namespace {

bool gRecording = false;
std::vector<std::string> gRecorded;

}  // namespace

void SetErrorMessageRecording(bool on) { gRecording = on; }
bool IsErrorMessageRecording() { return gRecording; }
const std::vector<std::string>& RecordedErrorMessages() { return gRecorded; }
void ClearRecordedErrorMessages() { gRecorded.clear(); }

void DoErrorMessage(ConstStr255Param message) {
    if (gDontDisplayErrorMessages) return;
    std::string text(PStringView(message));
    if (gRecording) {
        gRecorded.push_back(text);
        return;
    }
    // The modal dialog comes with the dialog layer; until then the message goes to the log.
    std::fprintf(stderr, "Orvalis: %s\n", MacRomanToUtf8(text).c_str());
}

void DoErrorMessageText(const std::string& message) {
    Str255 s;
    SetPString(s, message);
    DoErrorMessage(s);
}
