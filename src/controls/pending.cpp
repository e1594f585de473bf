// Stand-ins for the custom-drawn controls not built yet: they draw nothing and report no change.
#include "controls/custom_controls.h"

void MainUpDownButton(const Rect*, SInt32, SInt32, SInt16, SInt16) {}
void DrawMainSlider(WindowRef, const Rect*, SInt32) {}
void DrawMovieSlider(WindowRef, const Rect*, SInt32) {}
void DrawMainRadialControl(WindowRef, const Rect*, SInt32, SInt32) {}
void DrawMainKnifeSwitch(WindowRef, const Rect*, SInt32, SInt16) {}

SInt16 TrackMainUpDownRadio(const Rect*, SInt32, SInt32, SInt16, SInt16) {
    return 0;
}
SInt16 TrackMainUpDownCheck(const Rect*, SInt32, SInt32, SInt16, SInt16) {
    return 0;
}
SInt16 TrackMainMultiState(const Rect*, SInt32, SInt32, SInt16, SInt16) {
    return 0;
}
SInt16 TrackMainUpDownButton(const Rect*, SInt32, SInt32, SInt16, SInt16, SInt16, SInt32) {
    return 0;
}
SInt16 TrackMainRadial(WindowRef, const Rect*, SInt32*, SInt32*) {
    return 0;
}
SInt16 TrackMainSlider(WindowRef, SInt16, const Rect*, SInt32*) {
    return 0;
}
SInt16 TrackMovieSlider(WindowRef, SInt16, const Rect*, SInt32*) {
    return 0;
}
SInt16 TrackMainKnifeSwitch(WindowRef, SInt16, const Rect*, SInt32*, SInt16) {
    return 0;
}
