// What the foundation's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "foundation/cursors.h"
#include "platform/events.h"

void LoadCursors() {}

// Only the arrow until the program's cursor pictures are loaded.
void SetThisCursor(SInt16 n) {
    if (n == -1 && cursorSet != -1) SetThemeCursor(kThemeArrowCursor);
    if (n == -1) cursorSet = -1;
}
