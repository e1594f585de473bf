// What the media subsystem offers the shell: its start-up, the background movie and music, the media
// list, sounds, live video and recording, and what quit must stop.
#pragma once

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
