// The error dialog: one message at a time, a check box that silences the rest of the run, and the
// recording sink that tests and headless runs use instead.
#include "foundation/error_dialog.h"
#include "foundation/dialog_filters.h"

#include "foundation/dialog_items.h"
#include "foundation/machine_features.h"
#include "foundation/window_references.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "shell/shell_globals.h"

#include <cstdio>
#include <deque>

namespace {

constexpr SInt16 kErrorDialogID = 154;
constexpr SInt16 kOkItem = 1;
constexpr SInt16 kMessageItem = 3;
constexpr SInt16 kSilenceItem = 4;

bool gRecording = false;
bool gLogging = false;
std::vector<std::string> gRecorded;
// Set while the dialog is up: a message raised from inside it (a failure while it draws) is dropped.
bool gShowingErrorMessage = false;
// Messages raised while a window was being redrawn: a dialog in the middle of drawing would leave the
// window half drawn and run a modal loop inside its update, so they wait until the update is done.
std::deque<std::string> gDeferredMessages;

void ShowErrorDialog(ConstStr255Param message) {
    gShowingErrorMessage = true;
    WindowReference saved = GetPortReference();
    InitCursor();
    if (DialogPtr dialog = GetNewDialog(kErrorDialogID, nullptr, kFirstWindowOfClass)) {
        SetWRefCon(GetDialogWindow(dialog), kErrorDialogID);
        GetDialogRefandSetPort(dialog);
        ShowWindow(GetDialogWindow(dialog));
        SelectWindow(GetDialogWindow(dialog));
        SetMessageButton(dialog, kOkItem);
        SetCheckbox(dialog, kSilenceItem, gDontDisplayErrorMessages);
        SetDText(dialog, kMessageItem, message, false);
        DrawDialog(dialog);
        if (!gOSXOK) OutlineButton(dialog, kOkItem);

        ++gInModal;
        SInt16 item = 0;
        while (item != kOkItem) {
            MovableDialog(nullptr, &item);
            if (item == kSilenceItem) DoCheckbox(dialog, kSilenceItem, &gDontDisplayErrorMessages);
        }
        --gInModal;
        DisposeDialog(dialog);
    }
    SetPortByReference(saved);
    gShowingErrorMessage = false;
}

void ShowDeferredMessages(void*) {
    while (!gDeferredMessages.empty()) {
        std::string text = std::move(gDeferredMessages.front());
        gDeferredMessages.pop_front();
        DoErrorMessageText(text);
    }
}

} // namespace

void SetErrorMessageLogging(bool on) {
    gLogging = on;
}
void SetErrorMessageRecording(bool on) {
    gRecording = on;
}
bool IsErrorMessageRecording() {
    return gRecording;
}
const std::vector<std::string>& RecordedErrorMessages() {
    return gRecorded;
}
void ClearRecordedErrorMessages() {
    gRecorded.clear();
}

void DoErrorMessage(ConstStr255Param message) {
    if (gDontDisplayErrorMessages || gShowingErrorMessage) return;
    if (gRecording) {
        gRecorded.emplace_back(PStringView(message));
        return;
    }
    if (IsHandlingUpdateEvent()) {
        if (gDeferredMessages.empty()) CallAfterCurrentEvent(ShowDeferredMessages, nullptr);
        gDeferredMessages.emplace_back(PStringView(message));
        return;
    }
    if (gLogging || !IsPlatformStarted()) {
        std::fprintf(stderr, "Orvalis: %s\n", MacRomanToUtf8(PStringView(message)).c_str());
        return;
    }
    ShowErrorDialog(message);
}

void DoErrorMessageText(const std::string& message) {
    Str255 s;
    SetPString(s, message);
    DoErrorMessage(s);
}
