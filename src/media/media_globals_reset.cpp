// Putting the globals of the media back to their start values; a global added to the subsystem gets its
// line here.
#include "media/media_globals_reset.h"

#include "media/media_services.h"
#include "media/media_windows.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>

void ResetMediaGlobals() {
    playingMovie = false;
    gLiveCaptureRunning = false;
    gLiveVideoPaused = false;
    gSoundRecordingRunning = false;
    std::fill(std::begin(gPictSequenceName), std::end(gPictSequenceName), UInt8{});
    std::fill(std::begin(gMovieName), std::end(gMovieName), UInt8{});
    gPictSequencePath = std::string{};
    gMoviePath = std::string{};
    gMusicPath = std::string{};
    gCueLightPosition = 0;
    gLightThreshold = 0;
    gMusicTimePerTick = 1.0;
    gMovieTimePerTick = 1.0;
    gBallsReady = false;
    gLiveVideoBounds = Rect{};
    gMusicFileName = std::string{};
    gQueueOpenFlag = 0;
    gQueueDialogCurrent = -1;
    squeuechanged = false;
    gChosenSequenceType = 3;
    gScrollToFile = false;
    MediaQueueListHandle = nullptr;
    for (Rect* r : {&gMediaQueueListRect, &gMediaQueueExtraRect, &gMediaQueueAddRect, &gMediaQueueRemoveRect,
                    &gMediaQueueUpRect, &gMediaQueueDownRect, &gMediaQueueLoopRect, &gMediaQueueRepeatRect,
                    &gMediaQueuePauseRect, &gMediaQueueProgressRect, &gMediaQueueOpacityRect})
        *r = Rect{};
    gMediaQueueWinOpacity = 100;
    gLoopPlayingMovies = false;
    gPausePlayingMovies = false;
    gMediaQueueHiddenByOpen = false;
}
