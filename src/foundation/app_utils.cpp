// Start-up and quit of the dialog helpers, and the empty window hooks.
#include "foundation/app_utils.h"

void InitApputils() {}
void CloseApputils() {}

void ShapeCursor() {}
void OpenWindows() {}
void CloseCurWindow() {}
void MouseInContent() {}
void TypeInWindow() {}
void UpdateContent() {}
void ActivateContent() {}
void InitModelessDialogs() {}
void CloseModelessDialog() {}
void DoModelessItem() {}
void DoTheZoom() {}
