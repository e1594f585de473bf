// What the shell offers the rest of the program before its own code is written, in the least form that
// is safe. Each definition moves to its own file when that code is built.
#include "shell/startup.h"

// Start-up fills it from the loaded preferences; until start-up exists it holds the defaults.
PrefsRecord gSavePreferences = gDefaultPreferences;

#include "shell/shell.h"

void TimerAction() {
    // Tracking loops and delays call the timer step from inside whatever the step itself may be doing
    // (a dialog it opened, say); a second step must never start inside the first.
    static bool running = false;
    if (running) return;
    running = true;
    running = false;
}

void CheckColorsInMenu(MenuRef) {}

void MyLiveScrollProc(SInt16, SInt16) {}

#include "shell/menus.h"

MenuRef GetProgramMenu(int) { return nullptr; }
