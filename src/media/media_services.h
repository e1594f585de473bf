// What the media subsystem offers the shell: its start-up, the background movie and music, the media
// list, sounds, live video and recording, and what quit must stop.
#pragma once

#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/types.h"

#include <string>

struct MediaMovie;
using Movie = MediaMovie*;

// The background movie and music; null when none plays.
extern Movie gTheMovie;
extern Movie gTheMusic;
// A movie of the media list plays; live video capture runs; sound recording runs.
extern bool playingMovie;
extern bool gLiveCaptureRunning;
// The live video capture is paused (with the scroll); it runs again when resumed.
extern bool gLiveVideoPaused;
extern bool gSoundRecordingRunning;
// Default names and folders of the scroll exported as pictures or as a movie, and the music's folder.
extern Str255 gPictSequenceName;
extern Str255 gMovieName;
extern std::string gPictSequencePath;
extern std::string gMoviePath;
extern std::string gMusicPath;
// The record window's settings and the cue light's.
extern SInt32 gRecordShowCueLight, gDoRecordVideo, gDoRecordAudio, gRecordSyncWithText,
    gRecordPauseWithScroll, gRecordWithoutHogging, gRecordUntilMouseClick, gRecordSize, gMicVolume,
    gSpeakerVolume;
extern SInt16 gCueLightPosition;
extern SInt16 gLightThreshold;

void InitSounds();
void InitMovies();
void CheckSoundsDone();
void killMovies();
// Ends the playing media-list movie, so that the next step goes on to the one after it.
void finishAMovie();
void playMovies();
void StopLiveCapture();
void StopRecordSnd();
// Give the movie time to play in the port; the movie, or null once it is closed.
Movie ContinueMovie(Movie movie, GrafPtr port);
Movie ContinueMusic(Movie music, GrafPtr port);
// Close the movie; null, to be stored back.
Movie CloseTheMovie(Movie movie);
Movie CloseTheMusic(Movie music);

// Puts the cue light window at its place beside the prompter.
void PositionCueLightWindow();
// The bouncing ball starts and ends with the scroll.
void InitializeBalls();
void finishballs();
// Signed pixels from the reading position at the cue to the top of the character's line, negative when
// the line lies further on.
double CalculateExactDistanceToChar(SInt32 offset);
// The bouncing ball is prepared and may be moved with the text.
extern bool gBallsReady;
// The bouncing ball over the word at the cue; mode 1 starts it, 2 moves it on.
void BounceBallToWordAtCue(SInt16 mode, SInt16 flag);
// Draws the bouncing ball at its current rectangle in the current port.
void DrawBall();
// Plays a sound of the program's resource file; async 0 waits for it to end.
void PlaySnd(SInt16 id, SInt16 async);
// Brings the newest live video frame into the background world.
void LiveCaptureUpdate();
// The media clock the synchronised pacing follows: media time units per tick of the music and the
// movie, their current time and duration in those units, and the music time estimated since the last
// unpause (ticks).
extern double gMusicTimePerTick;
extern double gMovieTimePerTick;
SInt32 GetMediaTime(Movie movie);
SInt32 GetMediaDuration(Movie movie);
SInt32 EstimateMusicTime();
// The character under the cue, placed within its line by the cue's place in the line height; with ahead
// set, the owed pixels are applied first. Stores the line when asked.
SInt32 FindScrollExactOffset(SInt16 ahead, SInt32* line);

// ---- The background movie and live video behind the prompter text ----
struct VideoChannelRecord;
using VideoChannel = VideoChannelRecord*;
// The live video's world and the part of it that holds the frame; null and empty while no capture runs.
extern GWorldPtr gLiveVideoPort;
extern Rect gLiveVideoBounds;
// The capture's video channel; null while none is open.
extern VideoChannel gVideoChannel;
// Opens a movie file (Mac Roman name and folder) to play into the port; null when it cannot be opened.
Movie GetTheMovie(ConstStr255Param name, ConstStr255Param folder, GrafPtr port, bool background);
// The movie's poster picture, else its picture at the preview time; null when it has neither.
PicHandle GetMoviePosterPicture(Movie movie);
Rect GetMovieNaturalBounds(Movie movie);
// The size of the frames the video channel delivers.
Rect GetVideoSourceBounds(VideoChannel channel);
// Starts the capture into gLiveVideoPort, or resumes a paused one.
void StartLiveCapture(SInt16 flags, SInt16 mode);
void ResumeLiveCapture();
// The capture's own settings dialog, the capture started first when none runs; noErr, or the error that
// stopped the capture (-1: no capture can be had).
OSErr GetLiveCaptureSettings();
// Re-fit the movie and the live video to the background picture's rectangle.
void FixMovieBounds();
void FixLiveVideoBounds();

// ---- Script queues, the media list and the background music, as opening a file reaches them ----

// The current script queue: a 780-byte header (u32 element count at 768, current index at 772, opening
// index at 776), then 1,060-byte elements (file name at 256, folder at 512, both length-prefixed Mac Roman;
// u16 is-text-file at 1042 and line-end flag at 1044); null when none is loaded.
extern Handle gQueue;
// The background music's file name (UTF-8; its folder is gMusicPath).
extern std::string gMusicFileName;
void DisposeQueue();
// The queue stored in the file; null when it cannot be read.
Handle LoadQueueFile(const std::string& name, const std::string& folder);
// Applies the preference set that queue element asks for; nothing for an index out of range.
void RegisterQueueElement(SInt32 index);
// Appends an element after element `after` (-1: at the end); noErr or a memory error.
OSErr AddToQueueList(Handle queue, SInt32 after);
// The queue dialog while it is open (null when closed), the queue it edits, how a chosen file enters it
// (1 replaces the current element, 2 inserts after it), its current element and its changed flag.
extern DialogPtr gQueueDialog;
extern Handle gQueueForDialog;
extern SInt16 gQueueOpenFlag;
extern SInt32 gQueueDialogCurrent;
extern bool squeuechanged;
void ChangeQueueList(Handle queue, SInt32 index);
void FillQueueList(Handle queue);
void FillQueueItemFields(SInt32 element, SInt32 count);
void DrawQueueSample(DialogPtr dialog, SInt16 item);
// Reads the beginning of an element's document, retrying in the alternate folder; null when not found.
Handle GetSampleQueueText(const std::string& name, const std::string& folder, const std::string& alternate,
                          bool keepPrevious, bool* foundInAlternate);
// Adds a movie (an absolute path) to the media list.
void LogMovie(const std::string& path);
// Opens a sound file as the background music, trying the alternate folder too; null when it cannot.
Movie GetTheMusic(const std::string& name, const std::string& folder, const std::string& alternate,
                  bool* foundInAlternate, GrafPtr port);

// The format of an exported picture sequence: 3 JPEG, 1 PICT.
extern SInt16 gChosenSequenceType;
// Save the queue (kind -1, -2), the scroll as a picture sequence (-4) or as a movie (-5) to gOutPath +
// gOutName; 0 when saved.
OSErr DoSaveQueue(SInt16 kind);
OSErr DoSavePictureSequence(SInt16 kind);
OSErr DoSaveMovie(SInt16 kind);

// ---- What the scroll tick asks of the media ----
// The scroll is being written to a file (a movie or a picture sequence): one tick of motion per frame.
extern bool gScrollToFile;
// One step of the bouncing ball.
void BallTimerAction();
// The movie back at its start, for a synchronised script that loops.
void GoToBeginningOfMovie(Movie movie);
