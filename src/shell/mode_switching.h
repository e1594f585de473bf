// Switching between edit mode and scroll mode, and keeping a running scroll in line with changed settings.
#pragma once

#include "platform/types.h"

// mode 1 scrolls, 3 scrolls with the text still editable.
void StartScroll(SInt16 mode);
void StopScroll();
void StartEdit();
void StopEdit();
// Rebuilds the windows after a whole new preference record was put in place.
void ResetForNewPrefs();

#include "platform/geometry.h"
#include "platform/memory.h"
#include "platform/timers.h"

// Edit mode is on. Both it and gScrollOn are set while scrolling in mode 3 entered from edit mode.
extern SInt16 gEditOn;
// Copies of the script taken while a transformed text shows (merged fields, displayed links, text flowed
// around pictures); null when none.
extern Handle gBackupMyTextResource;
extern Handle gBackupMyStyle;
extern Handle gBackupMyBookmarks;
extern Handle gBackupMyHypertext;
extern bool gTextHasMerged;
extern bool gHypertextHasDisplayed;
extern bool gTextHasFlowed;
// Depth of the current suspension of a transformed scroll; 0 when none.
extern SInt32 gScrollSuspended;
// The layout rectangles as they were when the scroll started.
extern Rect gScrollStartScrollingRect;
extern Rect gScrollStartPictureRect;
extern Rect gScrollStartRectCue;
// 1 when the prompter was the front window when the scroll started, else 2.
extern SInt16 gFrontWhenScroll;
extern UInt32 gTimeScrollStarted;
// The looping setting saved by the smoothness calibration.
extern SInt16 gSaveLoop;
// The interval the mode switches last installed the loop timer at.
extern EventTimerInterval gModeTimerInterval;

// The document's own text shown again while a command edits it during a transformed scroll, and the
// transformation rebuilt after; always in pairs.
void SuspendScroll();
void ResumeScroll();
// The transformed text becomes the document.
void KeepScrollChanges();
// Re-applies changed settings to a running scroll.
void RegisterPrefChanges();

// Backups of the script around a transformation. MakeScrollBackups copies every part that exists and
// answers whether all of them were copied: a text may be transformed only then. RestoreScrollBackups
// puts each copy back in place of its working handle.
bool MakeScrollBackups();
void RestoreScrollBackups();
void FreeScrollBackups();
bool ScrollTextIsTransformed();
