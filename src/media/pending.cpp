// What the media's Parts not yet built provide to the rest of the program, in their least form. Each
// definition moves to its own file when its Part is built.
#include "media/media_services.h"

Movie gTheMovie = nullptr;
Movie gTheMusic = nullptr;
bool playingMovie = false;
bool gLiveCaptureRunning = false;
bool gSoundRecordingRunning = false;
Str255 gPictSequenceName = {0};
Str255 gMovieName = {0};
std::string gPictSequencePath;
std::string gMoviePath;
std::string gMusicPath;
SInt32 gRecordShowCueLight = 0, gDoRecordVideo = 0, gDoRecordAudio = 0, gRecordSyncWithText = 0,
       gRecordPauseWithScroll = 0, gRecordWithoutHogging = 0, gRecordUntilMouseClick = 0, gRecordSize = 0,
       gMicVolume = 0, gSpeakerVolume = 0;
SInt16 gCueLightPosition = 0;
SInt16 gLightThreshold = 0;

void InitSounds() {}
void InitMovies() {}
void CheckSoundsDone() {}
void killMovies() {}
void playMovies() {}
void StopLiveCapture() {}
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
