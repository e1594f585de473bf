// The machine feature flags; 0 until start-up asks the platform.
#include "foundation/machine_features.h"

UInt8 gColorOK = 0;
UInt8 gMoviesOK = 0;
UInt8 gFloatingWindowsOK = 0;
UInt8 gOSXOK = 0;
