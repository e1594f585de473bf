// What the scroll engine's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "scroll/bookmarks.h"

void SetBookmarkMenuItem(SInt32, SInt16, SInt16) {}
