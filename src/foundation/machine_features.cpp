// The machine feature flags; 0 until start-up asks the platform.
#include "foundation/machine_features.h"

// Every machine the program runs on draws in colour, plays media through the platform, keeps tool
// windows floating above documents and has the plain modern menu bar, so the flags are constants here;
// they stay variables because the rest of the program asks them.
void CheckMachineFeatures() {
    gColorOK = 1;
    gMoviesOK = 1;
    gFloatingWindowsOK = 1;
    gOSXOK = 1;
}
