// What the text engine's inline-input code provides to the storage, editing and layout code
// before they are built, in their least form. Each definition moves to its own
// file when its code is built.
#include "textengine/engine_internal.h"

void WEStopInlineSession(WEReference) {}
