// Start-up and quit of the dialog helpers, and the window hooks the program keeps as empty operations.
#pragma once

// Scroll bars share one action routine, a plain function, so there is nothing to make or dispose; the
// calls stay where start-up and quit expect them.
void InitApputils();
void CloseApputils();

// Hooks that take no action: windows are handled by their own subsystems.
void ShapeCursor();
void OpenWindows();
void CloseCurWindow();
void MouseInContent();
void TypeInWindow();
void UpdateContent();
void ActivateContent();
void InitModelessDialogs();
void CloseModelessDialog();
void DoModelessItem();
void DoTheZoom();
