// What the media's Parts not yet built provide to the rest of the program, in their least form. Each
// definition moves to its own file when its Part is built.
#include "media/media_services.h"

void InitSounds() {}
void InitMovies() {}
void CheckSoundsDone() {}
void killMovies() {}
void playMovies() {}
void StopLiveCapture() {
    gLiveCaptureRunning = false;
}
void StopRecordSnd() {}

// No movie ever opens yet, so none is playing.
Movie ContinueMovie(Movie, GrafPtr) {
    return nullptr;
}
Movie ContinueMusic(Movie, GrafPtr) {
    return nullptr;
}
Movie CloseTheMovie(Movie) {
    return nullptr;
}
Movie CloseTheMusic(Movie) {
    return nullptr;
}

void PositionCueLightWindow() {}
void InitializeBalls() {}
void finishballs() {}

// ---- Reading position ----
#include "scroll/scroll_position.h"

// Measured on the laid-out text alone until the media clock's syllable timing exists.
double CalculateExactDistanceToChar(SInt32 offset) {
    if (offset < 0) return 0;
    return GetScrollDistanceToCharacter(offset);
}

// ---- The media clock of synchronised pacing ----
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "textengine/text_engine.h"

// No music or movie plays until the media player exists, so their clocks stand at 0.
SInt32 GetMediaTime(Movie) {
    return 0;
}
SInt32 GetMediaDuration(Movie) {
    return 0;
}
SInt32 EstimateMusicTime() {
    return 0;
}

// The cue's own character, at the start of its place in the line.
SInt32 FindScrollExactOffset(SInt16, SInt32* line) {
    const SInt32 offset = GetScrollCuePositionCharacter(0);
    if (line) *line = ScrollWEHandle ? WEOffsetToLine(offset, ScrollWEHandle) : 0;
    return offset;
}

void BounceBallToWordAtCue(SInt16, SInt16) {}
void PlaySnd(SInt16, SInt16) {}
void LiveCaptureUpdate() {}

// ---- The background movie and live video ----

// No movie opens and no capture starts until the media player exists: the background movie kind shows
// its built-in picture and live video its still.
Movie GetTheMovie(ConstStr255Param, ConstStr255Param, GrafPtr, bool) {
    return nullptr;
}
PicHandle GetMoviePosterPicture(Movie) {
    return nullptr;
}
Rect GetMovieNaturalBounds(Movie) {
    return Rect{};
}
Rect GetVideoSourceBounds(VideoChannel) {
    return Rect{};
}
void StartLiveCapture(SInt16, SInt16) {}
void ResumeLiveCapture() {}
OSErr GetLiveCaptureSettings() {
    return -1;
}
void FixMovieBounds() {}
void FixLiveVideoBounds() {}

void DrawBall() {}

// ---- Script queues, the media list and the background music: nothing loads until the queue and the
// media player are built ----
#include "platform/memory.h"
void DisposeQueue() {
    if (gQueue) DisposeHandle(gQueue);
    gQueue = nullptr;
}
Handle LoadQueueFile(const std::string&, const std::string&) {
    return nullptr;
}
void RegisterQueueElement(SInt32) {}
OSErr AddToQueueList(Handle, SInt32) {
    return memFullErr;
}
void ChangeQueueList(Handle, SInt32) {}
void FillQueueList(Handle) {}
void FillQueueItemFields(SInt32, SInt32) {}
void DrawQueueSample(DialogPtr, SInt16) {}
Handle GetSampleQueueText(const std::string&, const std::string&, const std::string&, bool, bool* found) {
    if (found) *found = false;
    return nullptr;
}
void LogMovie(const std::string&) {}
Movie GetTheMusic(const std::string&, const std::string&, const std::string&, bool* found, GrafPtr) {
    if (found) *found = false;
    return nullptr;
}

// Until the queue and the exports exist, nothing of theirs is saved.
OSErr DoSaveQueue(SInt16) {
    return paramErr;
}
OSErr DoSavePictureSequence(SInt16) {
    return paramErr;
}
OSErr DoSaveMovie(SInt16) {
    return paramErr;
}

void BallTimerAction() {}
void GoToBeginningOfMovie(Movie) {}

#include "media/media_windows.h"

// Until these windows lay themselves out and close themselves: nothing to lay out, and closing leaves
// the window as it is.
void NewMediaQueueWindowSize(SInt16, SInt16) {}
void NewRecordWindowSize(SInt16, SInt16) {}
void CloseMediaQueueWindow(SInt16) {}
void CloseRecordWindow(SInt16) {}

// ---- Drawing of windows that are never open until their subsystems are built ----
#include "media/media_windows.h"
void UpdateMediaQueueWindow() {}

// ---- The menus' media commands ----
#include "media/media_windows.h"
void OpenRecordWindow() {}
void OpenMediaQueueWindow() {}
void DoNewQueue() {}
void DoOpenIntoQueue() {}
void DoQueueDialog() {}
bool initiTunes() {
    return false;
}
void CloseiTunes() {}

// ---- What the clicks in the media queue window call: until the media list is built each names itself to
// the pending-call observer and changes nothing ----
#include "foundation/pending_calls.h"
#include "media/media_windows.h"
void MarkMediaInvalid(SInt32) {
    NOTE_PENDING_CALL();
}
void RemoveInvalidMedia() {
    NOTE_PENDING_CALL();
}
bool SwapMediaQueueText(SInt32, SInt32) {
    NOTE_PENDING_CALL();
    return false;
}
void MarkMediaLooped(SInt32) {
    NOTE_PENDING_CALL();
}
void pauseMovies(SInt16) {
    NOTE_PENDING_CALL();
}
void SetPlayingMovieTimePercentage(double) {
    NOTE_PENDING_CALL();
}
void playThisMovieFromQueue(SInt32) {
    NOTE_PENDING_CALL();
}
void PutMediaInQueueList() {
    NOTE_PENDING_CALL();
}
void DrawMediaQueueButtons() {}

// ---- Keys for the focused edit field of a window not built yet: the field takes them as it is ----
#include "controls/edit_fields.h"
#include "foundation/pending_calls.h"
#include "media/media_windows.h"
void KeyInRecordWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                       const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void GetCurrentMediaQueuePos() {}

// ---- The media list's keys: nothing plays until the media list is built ----
#include "media/media_services.h"
#include "media/media_windows.h"
void finishAMovie() {}
void PutMediaQueueInList() {}

#include "media/media_windows.h"

// The record window takes no clicks until it is built; a recording never waits for one meanwhile.
bool MouseInRecordWindow(const EventRecord*, MyDialogRec*, Point, SInt16) {
    return false;
}
