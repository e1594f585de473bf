// Includes the folder above: the one include the check must name.
#include "high/high.h"
#include "low/low.h"
