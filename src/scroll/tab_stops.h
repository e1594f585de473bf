// The shared list of tab stops of the prompter text and the edit window: hit testing a tab bar, adding a
// stop or changing its kind, removing one, and the copies that carry stops while they are dragged.
#pragma once

#include "platform/geometry.h"
#include "platform/memory.h"
#include "platform/types.h"
#include "textengine/text_effect_globals.h"

// The kind new stops get (0 left, 1 centre, 2 right, 3 decimal), as chosen in the tab pop-up.
extern SInt16 gCurrentTabKind;
// Handle of a TabList holding the stops being dragged; null when none are.
extern Handle gMovingTabsList;
// The edit window's tab bar (window coordinates), set by the edit window as it lays itself out.
extern Rect gEditTabBarRect;

// Index of the stop under the point in the prompter's tab bar (gTabBarRect), or -1. *where, when given,
// receives the stop's marker point: 8 below the bar's top, at the stop's position.
SInt16 FindScrollTab(Point point, Point* where);
// The same over the edit window's tab bar.
SInt16 FindEditTab(Point point, Point* where);
// The same over any bar showing the current stops.
SInt16 FindTabInBar(const Rect& bar, Point point, Point* where);

// Adds a stop of gCurrentTabKind where the point falls in the prompter's tab bar. Returns the new stop's
// index, or -1 when none was added: the list is full, or a stop already stands there (its kind is then
// set to gCurrentTabKind). Any change makes the list the document's own; the caller marks the document
// changed.
SInt16 InsertTab(Point point);
// Adds every stop of list so that its first stop lands at the point and the others keep their spacing,
// each with its own kind. Returns the list's number of stops (0 for a null handle).
SInt32 InsertTabs(Handle list, Point point);
// Removes the stop at index and returns index, or -1 for an index outside the list. While stops are being
// dragged the list is cut at index instead (the stops from there on are held in gMovingTabsList).
SInt16 RemoveTab(SInt16 index);
// A new handle holding the stops of list from index `from` on, or null when from is not below its count.
Handle DuplicateTabList(Handle list, SInt32 from);

// True when a stored list can be used: at most kMaxTabStops stops, known kinds, positions ascending and
// distinct.
bool TabListIsSound(const TabList& list);
// The list the text and the rulers use now: the document's own, else the default stops.
const TabList& CurrentTabList();
