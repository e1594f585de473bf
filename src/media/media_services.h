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
