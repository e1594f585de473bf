// Includes its own folder and the one below: allowed.
#include "high/high.h"
#include "low/low.h"
