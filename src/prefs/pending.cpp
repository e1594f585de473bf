// What the preferences' Parts not yet built provide to the rest of the program, in their least form. Each
// definition moves to its own file when its Part is built.
#include "prefs/preferences_dialog.h"

void DoPreferences() {}

// Until the preferences dialog exists it is never open, and nothing waits for its files.
DialogPtr gPrefsDialog = nullptr;
OSErr CompleteGettingAutoFile(const std::string&) {
    return paramErr;
}
OSErr CompleteGettingPrefPicture(const std::string&) {
    return paramErr;
}

SInt16 ssaveScrollWinOpacity = 0;
SInt16 ssaveFadeBackAmount = 0;
SInt16 ssaveFadeTextAmount = 0;
SInt16 ssaveMomentumAmount = 0;
void DrawASliderControl(DialogPtr, SInt16) {}
