// Stand-ins for what the custom controls reach in windows not built yet.
#include "controls/custom_tracking.h"

// The format palette, record, dictionary search, mandala and overlay windows take no slider values yet.
void ApplyToolWindowSlider(WindowReference, SInt16, SInt32, double, SInt16) {}
