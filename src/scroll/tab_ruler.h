// The tab ruler above the prompter text in edit mode: its rectangle, its stop markers and the stops it
// shows.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"
#include "textengine/text_effect_globals.h"

inline constexpr SInt16 kTabKindCount = 4; // left, centre, right, decimal
// The items of 'STR#' 303 naming the markers, one per stop kind.
inline constexpr SInt16 kFirstTabPictureItem = 47;

// The ruler's rectangle as last laid out by DrawScrollTabBar (window coordinates).
extern Rect gTabBarRect;
// The stop markers by kind, run-length pictures with their row maps; null where none was loaded.
extern Handle gTabPics[kTabKindCount];

// The ruler within a frame: 16 high at the frame's top, across the text rectangle (never past the room
// beside the scroll bar strip).
Rect ScrollTabBarRect(const Rect& frame);
// The stops the ruler shows: the prompter's own list, else the default stops every 100 pixels.
void GetScrollTabStops(TabList* out);
// Draws a ruler (white band, pixel scale, a marker at each stop) in the current port; the scale's base line
// stops at lineRight.
void DrawTabRuler(const Rect& ruler, SInt16 lineRight);
// Reads the markers from the program's folder, stopping at the first kind whose picture is missing.
void LoadTabPics();
void DisposeTabPics();
